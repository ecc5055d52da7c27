// The drill round of the main window: showing a question, judging each press, the verdict,
// the running totals in the store and the round's sounds.

#include "Unit1.h"

#include "Answer.h"
#include "Clock.h"
#include "ConfigDefaults.h"
#include "ConfigNames.h"
#include "ConfigStore.h"
#include "DisplayText.h"
#include "History.h"
#include "IntegerText.h"
#include "PupilNames.h"
#include "Pupils.h"
#include "QuestionGenerator.h"
#include "ScreenReader.h"
#include "WindowValues.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace config;

namespace {

// Adds one to a stored total; a text that is no 32-bit whole number starts again at 1. Read
// and written in one step of the store, so another running instance cannot lose a count.
void countOneMore(ConfigStore& store, const std::string& pupil, const char* total)
{
    const TotalPlace place = totalPlace(pupil, total);
    store.ChangeString(place.section, place.name, [](const std::string& stored) {
        const auto count = TryStrToInt(stored);
        const std::int64_t next = count ? std::int64_t{*count} + 1 : 1;
        return std::to_string(next);
    });
}

} // namespace

void TForm1::Button5Click() { ChooseLevel(1); }
void TForm1::Button6Click() { ChooseLevel(2); }
void TForm1::Button7Click() { ChooseLevel(3); }

void TForm1::ChooseLevel(int level)
{
    CurrentLevel = level;
    Timer3->stop();
    HizayaGir();
    StartRound();
    SoruGoster();
}

void TForm1::StartRound()
{
    weakFacts_.reset();
    missedComeBack_ = {};
    if (PractisingWeakFacts() && CurrentLevel == 1) {
        const int operation = CurrentOperation >= 1 && CurrentOperation <= 3 ? CurrentOperation : 4;
        weakFacts_.emplace(operation, services_.history.factStates(services_.pupils.current(), operation),
                           dayOf(services_.clock.utcMilliseconds()));
    }
}

bool TForm1::PractisingWeakFacts() const
{
    return services_.store.ReadString(kPractice, kWeakFacts, "") == kYes;
}

std::int32_t TForm1::FluencyMarkMilliseconds() const
{
    return static_cast<std::int32_t>(
        fluencyMarkOf(TryStrToInt(services_.store.ReadString(kPractice, kFluencyMark, ""))));
}

TQuestion TForm1::NextQuestion(int operation)
{
    if (!PractisingWeakFacts())
        return Generate(operation, CurrentLevel);
    if (weakFacts_) {
        const Fact fact = weakFacts_->next(services_.random);
        return generateQuestionWith(operation, CurrentLevel, fact.a, fact.b, services_.random);
    }
    if (const auto missed = missedComeBack_.next())
        return generateQuestionWith(operation, CurrentLevel, missed->a, missed->b, services_.random);
    return Generate(operation, CurrentLevel);
}

void TForm1::SoruGoster()
{
    PlaySound(soundValueName(6));
    const int operation = CurrentOperation >= 1 && CurrentOperation <= 3 ? CurrentOperation : 4;
    CurrentQuestion = NextQuestion(operation);
    questionPressed_ = false;
    questionPaintedAt_ = -1;
    awaitingQuestionFrame_ = true;
    setLabelText(Label1, displayText(CurrentQuestion.Text));
    setLabelText(Label6, Label1->text());
    showAnnounced(Label1);

    QPushButton* const answers[] = {Button8, Button9, Button10, Button11};
    for (std::size_t position = 0; position < 4; ++position) {
        answers[position]->show();
        answers[position]->setText(displayText(CurrentQuestion.Choices[position]));
        // Read with the key that presses it.
        answers[position]->setAccessibleName(QString("%1: %2").arg(position + 1).arg(answers[position]->text()));
    }
    setButtonCaption(Button12, text(PackLine::Next) + " >>>");
    Button12->show();
    Button12->setEnabled(false);
    setButtonCaption(Button13, "<<< " + text(PackLine::Back));
    Button13->show();
    Button8->setFocus();
}

void TForm1::Button8Click() { Judge(1); }
void TForm1::Button9Click() { Judge(2); }
void TForm1::Button10Click() { Judge(3); }
void TForm1::Button11Click() { Judge(4); }

void TForm1::Judge(int position)
{
    KeepPress(position);
    if (isRightChoice(CurrentQuestion, position))
        Correct();
    else
        Wrong();
}

void TForm1::KeepPress(int position)
{
    const int operation = CurrentOperation >= 1 && CurrentOperation <= 3 ? CurrentOperation : 4;
    auto answer = answerOf(CurrentQuestion, operation, CurrentLevel, position);
    if (!answer)
        return;
    Clock& clock = services_.clock;
    answer->atUtcMilliseconds = clock.utcMilliseconds();
    answer->firstPress = !std::exchange(questionPressed_, true);
    answer->milliseconds = questionPaintedAt_ >= 0 ? clock.steadyMilliseconds() - questionPaintedAt_ : 0;
    answer->markMilliseconds = FluencyMarkMilliseconds();
    answer->pupil = services_.pupils.current();
    services_.history.record(*answer);
    if (!answer->firstPress || !PractisingWeakFacts())
        return;
    const Fact fact{operation, static_cast<int>(answer->a), static_cast<int>(answer->b)};
    if (weakFacts_)
        weakFacts_->answered(fact, judgeFirstPress(answer->correct, answer->milliseconds, answer->markMilliseconds));
    else
        missedComeBack_.answered(fact, answer->correct);
}

void TForm1::Correct()
{
    // The completed equation is made from the question itself, so pressing the right answer
    // again shows the same equation.
    std::string equation = CurrentQuestion.Text;
    equation.pop_back();
    setLabelText(Label1, displayText(equation + CurrentQuestion.RightAnswer));
    setLabelText(Label6, Label1->text());
    ShowVerdict(PackLine::Correct, kCorrectForegroundColor, kCorrectBackgroundColor);
    Button12->setEnabled(true);
    Button12->setDefault(true);
    countOneMore(services_.store, services_.pupils.current(), kCorrect);
    PlaySound(soundValueName(5));
}

void TForm1::Wrong()
{
    ShowVerdict(PackLine::Wrong, kWrongForegroundColor, kWrongBackgroundColor);
    countOneMore(services_.store, services_.pupils.current(), kWrong);
    PlaySound(soundValueName(4));
}

void TForm1::ShowVerdict(PackLine verdict, const char* foregroundValue, const char* backgroundValue)
{
    setTextColor(Label2, storedColor(services_.store, foregroundValue));
    setTextColor(Label3, storedColor(services_.store, backgroundValue));
    setLabelText(Label2, text(verdict));
    Label2->move(width() / 2 - Label2->width() / 2, Label2->y());
    setLabelText(Label3, Label2->text());
    Label3->move(Label2->x() + 2, Label3->y());
    showAnnounced(Label2);
    Label3->show();
}

void TForm1::Button12Click()
{
    HizayaGir();
    SoruGoster();
}

void TForm1::Button13Click()
{
    ParkFocus();
    Button13->hide();
    HizayaGir();
    ShowOperationMenu();
}
