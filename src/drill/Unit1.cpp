#include "Unit1.h"

#include "ConfigNames.h"
#include "ConfigStore.h"
#include "DisplayText.h"
#include "ErrorBox.h"
#include "LanguagePack.h"
#include "ProcessWide.h"
#include "QuestionGenerator.h"
#include "RandomSource.h"

TForm1::TForm1(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("Form1");
    guarded([this] { FormCreate(); });
}

TQuestion TForm1::Generate(int operation, int level)
{
    return generateQuestion(operation, level, ProcessWide<RandomSource>::get());
}

void TForm1::FormCreate()
{
    auto& store = ProcessWide<ConfigStore>::get();
    auto& pack = ProcessWide<LanguagePack>::get();
    pack.Clear();
    pack.Load(store.ReadString(config::kInterface, config::kLanguagePack, ""));
    setWindowTitle(displayText(store.ReadString(config::kInterface, config::kCaption, "")));
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    guarded([this] { FormShow(); });
}

void TForm1::FormShow()
{
    ProcessWide<RandomSource>::get().RandomizeOnce();
}
