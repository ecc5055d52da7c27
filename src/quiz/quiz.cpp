#include "quiz.h"

#include "ConfigDefaults.h"
#include "ConfigNames.h"
#include "ConfigStore.h"
#include "DialogFrame.h"
#include "ErrorBox.h"
#include "IntegerText.h"
#include "SpinCounter.h"
#include "LanguagePack.h"
#include "QuestionGenerator.h"
#include "WindowValues.h"
#include "print.h"

#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

namespace {

constexpr int kClientWidth = 266;
constexpr int kClientHeight = 197;
constexpr int kStatusBarHeight = 19;
constexpr int kHighestCount = 20;

// The counters' columns and rows: counter n (from 0) stands at column n / 4, row n % 4.
constexpr int kColumnLefts[] = {104, 160, 216};
constexpr int kRowTops[] = {24, 56, 88, 120};

} // namespace

TForm2::TForm2(const Services& services, QWidget* parent)
    : QDialog(parent)
    , services_(services)
    , composer_([this](int operation, int level) { return generateQuestion(operation, level, services_.random); })
{
    setObjectName("Form2");
    frameDialog(*this, QSize(kClientWidth, kClientHeight));
    createControls();
    FormCreate();
}

void TForm2::createControls()
{
    const auto label = [this](const char* name, QPoint place) { return createLabel(this, name, place); };
    Label1 = label("Label1", {8, 28});
    Label2 = label("Label2", {8, 60});
    Label3 = label("Label3", {8, 92});
    Label4 = label("Label4", {8, 124});
    Label5 = label("Label5", {106, 3});
    Label6 = label("Label6", {162, 3});
    Label7 = label("Label7", {218, 3});

    SpinCounter** counters[] = {&SpinEdit1, &SpinEdit2, &SpinEdit3, &SpinEdit4,
                                &SpinEdit5, &SpinEdit6, &SpinEdit7, &SpinEdit8,
                                &SpinEdit9, &SpinEdit10, &SpinEdit11, &SpinEdit12};
    QWidget* previous = nullptr;
    for (int index = 0; index < 12; ++index) {
        auto* counter = new SpinCounter(this);
        counter->setObjectName(QString::fromStdString(quizCounterName(index + 1)));
        counter->setRange(0, kHighestCount);
        counter->setGeometry(kColumnLefts[index / 4], kRowTops[index % 4], 40, 22);
        connectGuarded(services_.dialogs, counter, &SpinCounter::changed, this, &TForm2::CountQuestions);
        if (previous)
            setTabOrder(previous, counter);
        previous = counter;
        *counters[index] = counter;
    }

    Button1 = new QPushButton(this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(104, 152, 153, 20);
    Button1->setDefault(true);
    setTabOrder(previous, Button1);
    connectGuarded(services_.dialogs, Button1, &QPushButton::clicked, this, &TForm2::Button1Click);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setGeometry(0, kClientHeight - kStatusBarHeight, kClientWidth, kStatusBarHeight);
    StatusText = createLabel(StatusBar1, "StatusText", {});
    StatusBar1->addWidget(StatusText, 1);
}

std::array<SpinCounter*, 12> TForm2::SpinEdits() const
{
    return {SpinEdit1, SpinEdit2, SpinEdit3, SpinEdit4, SpinEdit5, SpinEdit6,
            SpinEdit7, SpinEdit8, SpinEdit9, SpinEdit10, SpinEdit11, SpinEdit12};
}

void TForm2::FormCreate()
{
    createInSteps(services_.dialogs, {
        [this] {
            setWindowTitle(text(PackLine::MakeQuiz));
            setLabelText(Label1, text(PackLine::Addition) + " (+)");
            setLabelText(Label2, text(PackLine::Subtraction) + " (-)");
            setLabelText(Label3, text(PackLine::Multiplication) + " (x)");
            setLabelText(Label4, text(PackLine::Division) + " (:)");
            setLabelText(Label5, text(PackLine::Level) + " 1");
            setLabelText(Label6, text(PackLine::Level) + " 2");
            setLabelText(Label7, text(PackLine::Level) + " 3");
            Button1->setText("&" + text(PackLine::CreateQuiz));
            // A screen reader names each counter by its row and its column.
            constexpr PackLine kRows[] = {PackLine::Addition, PackLine::Subtraction, PackLine::Multiplication,
                                          PackLine::Division};
            const auto counters = SpinEdits();
            for (int index = 0; index < 12; ++index) {
                counters[index]->setAccessibleName(
                    text(kRows[index % 4]) + ", " + text(PackLine::Level) + QString(" %1").arg(index / 4 + 1));
            }
        },
        [this] {
            ConfigStore& store = services_.store;
            const auto counters = SpinEdits();
            for (int number = 1; number <= 12; ++number) {
                const auto stored = TryStrToInt(store.ReadString(config::kQuiz, quizCounterName(number), ""));
                counters[number - 1]->setText(stored ? QString::number(*stored) : QString("0"));
            }
            countsShown_ = true;
        },
        [this] { CountQuestions(); },
    });
}

void TForm2::CountQuestions()
{
    int total = 0;
    for (const SpinCounter* counter : SpinEdits())
        total += counter->value();
    StatusText->setText(text(PackLine::Questions) + ": " + QString::number(total));
}

QString TForm2::text(PackLine line) const
{
    return packText(services_.pack, line);
}

QuestionCounts TForm2::Counts() const
{
    const auto counters = SpinEdits();
    QuestionCounts counts{};
    for (int index = 0; index < 12; ++index)
        counts[index % 4][index / 4] = counters[index]->value();
    return counts;
}

void TForm2::Button1Click()
{
    TForm3 document({.store = services_.store, .pack = services_.pack, .dialogs = services_.dialogs}, this);
    document.SetLines(composer_.Compose(Counts()));
    ShowDocument(document);
}

void TForm2::ShowDocument(TForm3& document)
{
    document.exec();
}

void TForm2::FormClose()
{
    if (!countsShown_)
        return;
    std::vector<StoreValue> counts;
    const auto counters = SpinEdits();
    for (int number = 1; number <= 12; ++number)
        counts.push_back({config::kQuiz, quizCounterName(number), counters[number - 1]->text().toStdString()});
    services_.store.WriteStrings(counts);
}

void TForm2::done(int result)
{
    guarded(services_.dialogs, [this] { FormClose(); });
    QDialog::done(result);
}
