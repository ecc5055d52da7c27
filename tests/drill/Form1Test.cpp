#include "MemoryConfigStore.h"
#include "LanguagePack.h"
#include "ScopedService.h"
#include "ScriptedDialogs.h"
#include "ScriptedRandom.h"
#include "Unit1.h"

#include <gtest/gtest.h>

namespace {

class MainWindowCreation : public testing::Test {
protected:
    MainWindowCreation()
    {
        store->WriteString("Interface", "Caption", "Calcora 2.01");
        store->WriteString("Interface", "Language Pack", CALCORA_MEDIA_DIR "/english.lng");
    }

    ScopedService<ConfigStore, MemoryConfigStore> store;
    ScopedService<Dialogs, ScriptedDialogs> dialogs;
    ScopedService<LanguagePack> pack;
    ScopedService<RandomSource, ScriptedRandom> random;
};

TEST_F(MainWindowCreation, LoadsTheLanguageAndTheTitle)
{
    TForm1 form;
    EXPECT_EQ(form.objectName(), "Form1");
    EXPECT_EQ(form.windowTitle(), "Calcora 2.01");
    EXPECT_EQ(pack->Count(), 67);
    EXPECT_TRUE(dialogs->errors.isEmpty());
}

TEST_F(MainWindowCreation, AMissingPackIsReportedAndEndsTheCreation)
{
    store->WriteString("Interface", "Language Pack", "/nowhere/english.lng");
    TForm1 form;
    EXPECT_EQ(dialogs->errors, QStringList{"Cannot open file /nowhere/english.lng."});
    EXPECT_EQ(dialogs->errorTitles, QStringList{"Calcora"});
    EXPECT_TRUE(form.windowTitle().isEmpty()) << "the steps after the failing one are skipped";
}

TEST_F(MainWindowCreation, TheRandomSourceIsSeededAtTheFirstShowOnly)
{
    TForm1 form;
    form.show();
    form.hide();
    form.show();
    TForm1 second;
    second.show();
    EXPECT_EQ(random->randomizeCalls, 1);
}

} // namespace
