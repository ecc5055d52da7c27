#include "ProgressWindow.h"

#include "ClassView.h"
#include "Clock.h"
#include "ConfigNames.h"
#include "ConfigStore.h"
#include "DialogFrame.h"
#include "Dialogs.h"
#include "DisplayText.h"
#include "DocumentFile.h"
#include "ErrorBox.h"
#include "FactGridModel.h"
#include "History.h"
#include "HistoryDatabase.h"
#include "HistoryReport.h"
#include "IntegerText.h"
#include "LanguagePack.h"
#include "PackDefaults.h"
#include "ProgramPaths.h"
#include "QuestionGenerator.h"
#include "QuizComposer.h"
#include "RandomSource.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTabBar>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

using namespace config;

namespace {

constexpr int kChartDays = 30;
constexpr int kChosenWrongShown = 20;
constexpr std::size_t kWorksheetFacts = 20;
constexpr QSize kOpeningSize(820, 620);

constexpr PackLine kOperationNames[] = {PackLine::Addition, PackLine::Subtraction, PackLine::Multiplication,
                                        PackLine::Division};

} // namespace

ProgressWindow::ProgressWindow(Services services, QWidget* parent)
    : QDialog(parent), services_(std::move(services))
{
    setObjectName("ProgressWindow");
    frameDialog(*this, kOpeningSize, DialogSizing::Resizable);
    createControls();
    connectHandlers();
    createInSteps(services_.dialogs, {[this] { ShowPracticeSettings(); }, [this] { ShowHistory(); }});
}

ProgressWindow::~ProgressWindow() = default;

QString ProgressWindow::text(PackLine line) const
{
    return displayText(packLineOrEnglish(services_.pack, line));
}

int ProgressWindow::operation() const
{
    return OperationTabs->currentIndex() + 1;
}

void ProgressWindow::createControls()
{
    setWindowTitle(text(PackLine::Progress));

    PupilChoice = new QComboBox(this);
    PupilChoice->setObjectName("PupilChoice");
    PupilChoice->setAccessibleName(text(PackLine::PupilWord));
    for (const std::string& name : services_.pupils) {
        PupilChoice->addItem(displayText(name), QByteArray::fromStdString(name));
        if (name == services_.pupil)
            PupilChoice->setCurrentIndex(PupilChoice->count() - 1);
    }
    PupilChoice->setVisible(!services_.pupils.empty());
    if (!services_.pupils.empty())
        services_.pupil = PupilChoice->currentData().toByteArray().toStdString();

    ViewChoice = new QComboBox(this);
    ViewChoice->setObjectName("ViewChoice");
    ViewChoice->addItems({text(PackLine::ThisComputer), text(PackLine::TheClass)});
    ViewChoice->setAccessibleName(text(PackLine::ClassDatabaseWord));
    ClassStatusLine = new QLabel(this);
    ClassStatusLine->setObjectName("ClassStatusLine");
    ClassStatusLine->setWordWrap(true);
    ViewPages = new QStackedWidget(this);
    ViewPages->setObjectName("ViewPages");

    OperationTabs = new QTabBar(this);
    OperationTabs->setObjectName("OperationTabs");
    for (const PackLine name : kOperationNames)
        OperationTabs->addTab(text(name));

    FactGridModel::Words words;
    for (const auto mastery : {PackLine::MasteryNew, PackLine::MasteryLearning, PackLine::MasterySlow,
                               PackLine::MasteryFluent, PackLine::MasterySlipping})
        words.masteries[static_cast<std::size_t>(static_cast<int>(mastery) - static_cast<int>(PackLine::MasteryNew))]
            = text(mastery);
    words.answers = text(PackLine::AnswersCounted);
    words.median = text(PackLine::MedianWord);
    factGridModel_ = new FactGridModel(words, this);
    FactGrid = new QTableView(this);
    FactGrid->setObjectName("FactGrid");
    FactGrid->setModel(factGridModel_);
    FactGrid->setAccessibleName(text(PackLine::Progress));
    for (QHeaderView* header : {FactGrid->horizontalHeader(), FactGrid->verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setDefaultSectionSize(30);
        header->setMinimumSectionSize(20);
    }
    FactGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    FactGrid->setFixedSize(FactGrid->verticalHeader()->sizeHint().width() + 9 * 30 + 4,
                           FactGrid->horizontalHeader()->sizeHint().height() + 9 * 30 + 4);

    // The legend: each mastery's mark in its colour, with its word.
    QString legend;
    for (const Mastery mastery : {Mastery::New, Mastery::Learning, Mastery::Slow, Mastery::Fluent, Mastery::Slipping}) {
        const QString mark = FactGridModel::markOf(mastery).isEmpty() ? QString("&nbsp;") : FactGridModel::markOf(mastery);
        legend += QString("<span style=\"background:%1\">&nbsp;%2&nbsp;</span> %3&nbsp;&nbsp; ")
                      .arg(FactGridModel::colorOf(mastery).name(), mark,
                           words.masteries[static_cast<std::size_t>(mastery)].toHtmlEscaped());
    }
    Legend = new QLabel(legend, this);
    Legend->setObjectName("Legend");
    Legend->setTextFormat(Qt::RichText);

    LevelFigures = new QTableWidget(0, 3, this);
    LevelFigures->setObjectName("LevelFigures");
    LevelFigures->setHorizontalHeaderLabels(
        {text(PackLine::AnswersHeading), text(PackLine::RightAtFirstPress), text(PackLine::MedianTime)});
    LevelFigures->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LevelFigures->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    ChosenWrong = new QListWidget(this);
    ChosenWrong->setObjectName("ChosenWrong");
    ChosenWrong->setAccessibleName(text(PackLine::WrongChosenMost));

    DayChart = new QChartView(this);
    DayChart->setObjectName("DayChart");
    DayChart->setMinimumHeight(200);
    DayChart->setRenderHint(QPainter::Antialiasing);
    DayChart->setAccessibleName(text(PackLine::AnswersPerDay));

    PracticeChoice = new QComboBox(this);
    PracticeChoice->setObjectName("PracticeChoice");
    PracticeChoice->addItems({text(PackLine::PracticeAtRandom), text(PackLine::PracticeWeakFacts)});
    PracticeChoice->setAccessibleName(text(PackLine::Practice));
    MarkChoice = new QComboBox(this);
    MarkChoice->setObjectName("MarkChoice");
    MarkChoice->addItems({text(PackLine::MarkStarting), text(PackLine::MarkDefault), text(PackLine::MarkExpert)});
    MarkChoice->setAccessibleName(text(PackLine::FluencyMark));

    const auto button = [this](const char* name, const QString& caption) {
        auto* created = new QPushButton(caption, this);
        created->setObjectName(name);
        created->setAutoDefault(false);
        return created;
    };
    WorksheetButton = button("WorksheetButton", text(PackLine::WeakFactsWorksheet) + "...");
    ExportButton = button("ExportButton", text(PackLine::ExportCsv) + "...");
    ForgetButton = button("ForgetButton", text(PackLine::ForgetHistory) + "...");
    CloseButton = button("CloseButton", text(PackLine::Close));
    CloseButton->setDefault(true);

    const auto heading = [this](PackLine line, QWidget* buddy) {
        auto* label = new QLabel(text(line) + ":", this);
        label->setBuddy(buddy);
        return label;
    };
    auto* grid = new QGridLayout;
    grid->addWidget(OperationTabs, 0, 0);
    grid->addWidget(FactGrid, 1, 0, Qt::AlignTop);
    grid->addWidget(Legend, 2, 0);
    auto* right = new QVBoxLayout;
    right->addWidget(LevelFigures, 2);
    right->addWidget(heading(PackLine::WrongChosenMost, ChosenWrong));
    right->addWidget(ChosenWrong, 1);
    grid->addLayout(right, 0, 1, 3, 1);
    auto* settings = new QHBoxLayout;
    settings->addWidget(heading(PackLine::Practice, PracticeChoice));
    settings->addWidget(PracticeChoice);
    settings->addSpacing(16);
    settings->addWidget(heading(PackLine::FluencyMark, MarkChoice));
    settings->addWidget(MarkChoice);
    settings->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(WorksheetButton);
    buttons->addWidget(ExportButton);
    buttons->addWidget(ForgetButton);
    buttons->addStretch();
    buttons->addWidget(CloseButton);
    auto* computer = new QWidget(this);
    computer->setObjectName("ComputerView");
    auto* computerLayout = new QVBoxLayout(computer);
    computerLayout->setContentsMargins(0, 0, 0, 0);
    computerLayout->addLayout(grid);
    computerLayout->addWidget(heading(PackLine::AnswersPerDay, DayChart));
    computerLayout->addWidget(DayChart, 1);
    ViewPages->addWidget(computer);

    const bool withClass = !services_.classConnection.empty();
    auto* all = new QVBoxLayout(this);
    if (!services_.pupils.empty() || withClass) {
        auto* top = new QHBoxLayout;
        if (!services_.pupils.empty()) {
            top->addWidget(heading(PackLine::PupilWord, PupilChoice));
            top->addWidget(PupilChoice);
            top->addSpacing(16);
        }
        if (withClass)
            top->addWidget(ViewChoice);
        top->addStretch();
        all->addLayout(top);
    }
    if (withClass)
        all->addWidget(ClassStatusLine);
    ViewChoice->setVisible(withClass);
    ClassStatusLine->setVisible(withClass);
    all->addWidget(ViewPages, 1);
    all->addLayout(settings);
    all->addLayout(buttons);

    setTabOrder(PupilChoice, ViewChoice);
    setTabOrder(ViewChoice, OperationTabs);
    setTabOrder(OperationTabs, FactGrid);
    setTabOrder(FactGrid, LevelFigures);
    setTabOrder(LevelFigures, ChosenWrong);
    setTabOrder(ChosenWrong, PracticeChoice);
    setTabOrder(PracticeChoice, MarkChoice);
    setTabOrder(MarkChoice, WorksheetButton);
    setTabOrder(WorksheetButton, ExportButton);
    setTabOrder(ExportButton, ForgetButton);
    setTabOrder(ForgetButton, CloseButton);
}

void ProgressWindow::connectHandlers()
{
    Dialogs& dialogs = services_.dialogs;
    connectGuarded(dialogs, PupilChoice, &QComboBox::activated, this, &ProgressWindow::PupilChoiceChange);
    connectGuarded(dialogs, ViewChoice, &QComboBox::activated, this, &ProgressWindow::ViewChoiceChange);
    if (!services_.classConnection.empty() && services_.classStatus) {
        // The sending goes on while the window is open; its line follows it.
        auto* statusTimer = new QTimer(this);
        statusTimer->setInterval(1000);
        connect(statusTimer, &QTimer::timeout, this, &ProgressWindow::ShowClassStatus);
        statusTimer->start();
        ShowClassStatus();
    }
    connectGuarded(dialogs, OperationTabs, &QTabBar::currentChanged, this, &ProgressWindow::ShowOperation);
    connectGuarded(dialogs, PracticeChoice, &QComboBox::activated, this, &ProgressWindow::PracticeChoiceChange);
    connectGuarded(dialogs, MarkChoice, &QComboBox::activated, this, &ProgressWindow::MarkChoiceChange);
    connectGuarded(dialogs, WorksheetButton, &QPushButton::clicked, this, &ProgressWindow::WorksheetButtonClick);
    connectGuarded(dialogs, ExportButton, &QPushButton::clicked, this, &ProgressWindow::ExportButtonClick);
    connectGuarded(dialogs, ForgetButton, &QPushButton::clicked, this, &ProgressWindow::ForgetButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
}

void ProgressWindow::ShowPracticeSettings()
{
    ConfigStore& store = services_.store;
    PracticeChoice->setCurrentIndex(store.ReadString(kPractice, kWeakFacts, "") == kYes ? 1 : 0);
    const FluencyMark mark = fluencyMarkOf(TryStrToInt(store.ReadString(kPractice, kFluencyMark, "")));
    MarkChoice->setCurrentIndex(static_cast<int>(std::find(std::begin(kFluencyMarks), std::end(kFluencyMarks), mark)
                                                 - std::begin(kFluencyMarks)));
}

void ProgressWindow::ShowHistory()
{
    // What the drill handed over a moment ago is read too.
    services_.history.flush();
    reader_.reset();
    if (fileExists(services_.history.path()))
        reader_ = std::make_unique<HistoryDatabase>(services_.history.path(), HistoryDatabase::Access::Read);
    ShowOperation();
    const std::string& pupil = services_.pupil;

    LevelFigures->setRowCount(0);
    for (const ::LevelFigures& figures : reader_ ? levelFigures(*reader_, pupil) : std::vector<::LevelFigures>{}) {
        const int row = LevelFigures->rowCount();
        LevelFigures->insertRow(row);
        LevelFigures->setVerticalHeaderItem(row, new QTableWidgetItem(
            text(kOperationNames[figures.operation - 1]) + ", " + text(PackLine::Level) + " " + QString::number(figures.level)));
        const QString share = figures.answers > 0
            ? QString::number(100 * figures.rightAtFirstPress / figures.answers) + " %" : QString();
        const QString median = figures.medianMilliseconds
            ? QString::fromStdString(secondsText(*figures.medianMilliseconds)) : QString();
        int column = 0;
        for (const QString& cell : {QString::number(figures.answers), share, median}) {
            auto* item = new QTableWidgetItem(cell);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            LevelFigures->setItem(row, column++, item);
        }
    }

    ChosenWrong->clear();
    for (const ::ChosenWrong& wrong : reader_ ? chosenWrong(*reader_, pupil, kChosenWrongShown) : std::vector<::ChosenWrong>{})
        ChosenWrong->addItem(QString::fromStdString(chosenWrongReading(
            wrong, packLineOrEnglish(services_.pack, PackLine::ChosenWord),
            packLineOrEnglish(services_.pack, PackLine::TimesWord))));

    const Day today = dayOf(services_.clock.utcMilliseconds());
    const auto days = reader_ ? dayFigures(*reader_, pupil, today, kChartDays) : std::vector<DayFigures>{};
    auto* right = new QBarSet(text(PackLine::RightSeries));
    auto* wrong = new QBarSet(text(PackLine::WrongSeries));
    right->setColor(FactGridModel::colorOf(Mastery::Fluent));
    wrong->setColor(FactGridModel::colorOf(Mastery::Slipping));
    QStringList dayLabels;
    int most = 0;
    for (const DayFigures& day : days) {
        *right << day.right;
        *wrong << day.wrong;
        most = std::max(most, day.right + day.wrong);
        // Every fifth day by its day of the month, counting back from today; the others by a name
        // of their own that shows nothing, as each category must have its own name.
        dayLabels << ((today - day.day) % 5 == 0 ? QString::number(std::stoi(isoDate(day.day).substr(8)))
                                                 : QString(dayLabels.size() + 1, QChar(0x200B)));
    }
    auto* series = new QStackedBarSeries;
    series->append(right);
    series->append(wrong);
    auto* chart = new QChart;
    chart->addSeries(series);
    chart->setAnimationOptions(QChart::NoAnimation);
    auto* dayAxis = new QBarCategoryAxis;
    dayAxis->append(dayLabels);
    dayAxis->setTruncateLabels(false);

    chart->addAxis(dayAxis, Qt::AlignBottom);
    series->attachAxis(dayAxis);
    auto* countAxis = new QValueAxis;
    countAxis->setRange(0, std::max(most, 4));
    countAxis->applyNiceNumbers();
    countAxis->setLabelFormat("%d");
    chart->addAxis(countAxis, Qt::AlignLeft);
    series->attachAxis(countAxis);
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->setMargins(QMargins(2, 2, 2, 2));
    QChart* previous = DayChart->chart();
    DayChart->setChart(chart);
    delete previous;
}

void ProgressWindow::ShowOperation()
{
    factGridModel_->setSummaries(reader_ ? factSummaries(*reader_, services_.pupil, operation())
                                         : unansweredFacts(operation()));
}

void ProgressWindow::PupilChoiceChange()
{
    services_.pupil = PupilChoice->currentData().toByteArray().toStdString();
    ShowHistory();
}

bool ProgressWindow::showingClass() const
{
    return ViewPages->currentWidget() == classView_ && classView_;
}

void ProgressWindow::ViewChoiceChange()
{
    const bool showClass = ViewChoice->currentIndex() == 1;
    if (showClass && !classView_) {
        ClassView::Words words;
        for (std::size_t index = 0; index < words.operations.size(); ++index)
            words.operations[index] = text(kOperationNames[index]);
        for (const auto mastery : {PackLine::MasteryNew, PackLine::MasteryLearning, PackLine::MasterySlow,
                                   PackLine::MasteryFluent, PackLine::MasterySlipping})
            words.masteries[static_cast<std::size_t>(static_cast<int>(mastery) - static_cast<int>(PackLine::MasteryNew))]
                = text(mastery);
        words.needsHelpToday = text(PackLine::NeedsHelpToday);
        words.wrongChosenMost = text(PackLine::WrongChosenMost);
        words.reading = text(PackLine::ReadingClass);
        words.chosen = text(PackLine::ChosenWord);
        words.times = text(PackLine::TimesWord);
        words.saved = text(PackLine::ClassAnswersSaved);
        Clock& clock = services_.clock;
        classView_ = new ClassView(services_.classConnection, [&clock] { return dayOf(clock.utcMilliseconds()); }, words,
                                   ViewPages);
        ViewPages->addWidget(classView_);
    }
    ViewPages->setCurrentIndex(showClass ? 1 : 0);
    if (showClass)
        classView_->refresh();
    // What belongs to this computer's answers alone.
    for (QWidget* own : std::initializer_list<QWidget*>{PupilChoice, WorksheetButton, ForgetButton})
        own->setEnabled(!showClass);
}

void ProgressWindow::ShowClassStatus()
{
    ClassStatusLine->setText(services_.classStatus());
}

void ProgressWindow::PracticeChoiceChange()
{
    services_.store.WriteString(kPractice, kWeakFacts, PracticeChoice->currentIndex() == 1 ? kYes : kNo);
}

void ProgressWindow::MarkChoiceChange()
{
    services_.store.WriteString(kPractice, kFluencyMark,
                                std::to_string(static_cast<std::int32_t>(kFluencyMarks[MarkChoice->currentIndex()])));
}

void ProgressWindow::WorksheetButtonClick()
{
    const int shown = operation();
    const auto summaries = reader_ ? factSummaries(*reader_, services_.pupil, shown) : unansweredFacts(shown);
    std::vector<TQuestion> questions;
    for (const Fact& fact : weakestFacts(summaries, kWorksheetFacts))
        questions.push_back(generateQuestionWith(shown, 1, fact.a, fact.b, services_.random));
    // The questions are given: the composer only numbers them and leaves repeats out.
    services_.openQuizDocument(QuizComposer({}).ComposeOf(questions));
}

void ProgressWindow::ExportButtonClick()
{
    FileDialogRequest request;
    request.fileName = showingClass() ? "calcora-class-answers.csv" : "calcora-answers.csv";
    request.folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    request.filter = text(PackLine::CsvFiles) + " (*.csv)|*.csv";
    request.defaultSuffix = "csv";
    const auto chosen = services_.dialogs.getSaveFileName(this, request);
    if (!chosen)
        return;
    if (showingClass())
        return classView_->exportAnswers(nativeFilePath(*chosen));
    services_.history.flush();
    std::string csv;
    if (reader_)
        exportAnswers(*reader_, services_.pupil, [&csv](const std::string& record) { csv += record; });
    else
        csv = csvRecord({"device", "seq", "pupil", "at", "operation", "level", "a", "b", "answer", "choices", "chosen",
                         "correct", "first_press", "ms", "threshold_ms"});
    writeDocumentFile(nativeFilePath(*chosen), csv);
}

void ProgressWindow::ForgetButtonClick()
{
    if (!services_.dialogs.askYesNo(this, text(PackLine::ForgetHistory), text(PackLine::ForgetQuestion)))
        return;
    reader_.reset();
    services_.history.forget();
    ShowHistory();
}
