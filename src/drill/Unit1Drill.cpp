// The drill round of the main window: showing a question, judging each press, the verdict,
// the running totals in the store and the round's sounds.

#include "Unit1.h"

#include "ConfigDefaults.h"
#include "ConfigNames.h"
#include "ConfigStore.h"
#include "DisplayText.h"
#include "IntegerText.h"
#include "ScreenReader.h"
#include "WindowValues.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace config;

namespace {

// Adds one to a stored total; a text that is no 32-bit whole number starts again at 1. Read
// and written in one step of the store, so another running instance cannot lose a count.
void countOneMore(ConfigStore& store, const char* total)
{
    store.ChangeString(kStats, total, [](const std::string& stored) {
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
    SoruGoster();
}

void TForm1::SoruGoster()
{
    PlaySound(soundValueName(6));
    const int operation = CurrentOperation >= 1 && CurrentOperation <= 3 ? CurrentOperation : 4;
    CurrentQuestion = Generate(operation, CurrentLevel);
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
    if (isRightChoice(CurrentQuestion, position))
        Correct();
    else
        Wrong();
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
    countOneMore(services_.store, kCorrect);
    PlaySound(soundValueName(5));
}

void TForm1::Wrong()
{
    ShowVerdict(PackLine::Wrong, kWrongForegroundColor, kWrongBackgroundColor);
    countOneMore(services_.store, kWrong);
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
