#include "ClassView.h"

#include "ClassGridModel.h"
#include "ClassReport.h"
#include "DisplayText.h"
#include "DocumentFile.h"
#include "HistoryFigures.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QTabBar>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int kChosenWrongShown = 20;
constexpr int kFactColumnWidth = 30;

} // namespace

ClassView::ClassView(std::string connection, std::function<Day()> today, Words words, QWidget* parent)
    : QWidget(parent), connection_(std::move(connection)), today_(std::move(today)), words_(std::move(words))
{
    setObjectName("ClassView");
    ClassOperationTabs = new QTabBar(this);
    ClassOperationTabs->setObjectName("ClassOperationTabs");
    for (const QString& operation : words_.operations)
        ClassOperationTabs->addTab(operation);

    gridModel_ = new ClassGridModel(words_.masteries, this);
    ClassGrid = new QTableView(this);
    ClassGrid->setObjectName("ClassGrid");
    ClassGrid->setModel(gridModel_);
    ClassGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    ClassGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ClassGrid->horizontalHeader()->setDefaultSectionSize(kFactColumnWidth);
    ClassGrid->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    NeedsHelp = new QListWidget(this);
    NeedsHelp->setObjectName("NeedsHelp");
    NeedsHelp->setAccessibleName(words_.needsHelpToday);
    ClassChosenWrong = new QListWidget(this);
    ClassChosenWrong->setObjectName("ClassChosenWrong");
    ClassChosenWrong->setAccessibleName(words_.wrongChosenMost);
    ClassState = new QLabel(this);
    ClassState->setObjectName("ClassState");
    ClassState->setWordWrap(true);

    const auto heading = [this](const QString& words, QWidget* buddy) {
        auto* label = new QLabel(words + ":", this);
        label->setBuddy(buddy);
        return label;
    };
    auto* lists = new QVBoxLayout;
    lists->addWidget(heading(words_.needsHelpToday, NeedsHelp));
    lists->addWidget(NeedsHelp, 1);
    lists->addWidget(heading(words_.wrongChosenMost, ClassChosenWrong));
    lists->addWidget(ClassChosenWrong, 2);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(ClassOperationTabs, 0, 0);
    grid->addWidget(ClassGrid, 1, 0);
    grid->addLayout(lists, 0, 1, 2, 1);
    grid->addWidget(ClassState, 2, 0, 1, 2);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 1);

    connect(ClassOperationTabs, &QTabBar::currentChanged, this, &ClassView::refresh);
}

ClassView::~ClassView()
{
    // The server's wait ends within a moment of this.
    stopping_ = true;
    if (worker_.joinable())
        worker_.join();
}

void ClassView::refresh()
{
    const int operation = ClassOperationTabs->currentIndex() + 1;
    const Day today = today_();
    ShowState(words_.reading);
    inBackground([this, operation, today] {
        try {
            ClassFigures figures = readClassFigures(connection_, operation, today, kChosenWrongShown,
                                                    [this] { return stopping_.load(); });
            showOnWindow([this, figures = std::move(figures)] {
                ShowFigures(figures);
                ShowState({});
            });
        } catch (const ClassDatabaseProblem& problem) {
            showOnWindow([this, sentence = problem.message()] { ShowState(displayText(sentence)); });
        }
    });
}

void ClassView::exportAnswers(const std::string& path)
{
    ShowState(words_.reading);
    inBackground([this, path] {
        try {
            std::string csv;
            const std::size_t answers = exportClassAnswers(
                connection_, [&csv](const std::string& record) { csv += record; }, [this] { return stopping_.load(); });
            writeDocumentFile(path, csv);
            showOnWindow([this, answers] { ShowState(words_.saved + " " + QString::number(answers)); });
        } catch (const AppError& failure) {
            showOnWindow([this, sentence = failure.message()] { ShowState(displayText(sentence)); });
        }
    });
}

void ClassView::inBackground(std::function<void()> work)
{
    if (busy_) {
        next_ = std::move(work);
        return;
    }
    busy_ = true;
    if (worker_.joinable())
        worker_.join(); // done already: it said so before busy_ was cleared
    worker_ = std::thread([this, work = std::move(work)] {
        work();
        showOnWindow([this] {
            busy_ = false;
            if (next_)
                inBackground(std::exchange(next_, nullptr));
        });
    });
}

void ClassView::showOnWindow(std::function<void()> show)
{
    if (!stopping_)
        toWindow_.post(std::move(show));
}

void ClassView::ShowFigures(const ClassFigures& figures)
{
    gridModel_->setFigures(figures);
    NeedsHelp->clear();
    for (const std::string& pupil : figures.needHelpToday)
        NeedsHelp->addItem(displayText(pupil));
    ClassChosenWrong->clear();
    for (const ChosenWrong& wrong : figures.chosenWrong)
        ClassChosenWrong->addItem(
            QString::fromStdString(chosenWrongReading(wrong, words_.chosen.toStdString(), words_.times.toStdString())));
}

void ClassView::ShowState(const QString& line)
{
    ClassState->setText(line);
    ClassState->setVisible(!line.isEmpty());
}
