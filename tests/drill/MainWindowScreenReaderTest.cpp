#include "MainWindowFixture.h"
#include "ScreenReaderProbe.h"

#include <QAccessibleActionInterface>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <fstream>

namespace {

// The main window as a pupil who listens to a screen reader meets it.
class MainWindowScreenReader : public MainWindowFixture {
protected:
    MainWindowScreenReader() { setInterface("Animated Buttons", "No"); }

    // A round of addition at level 1 whose first question is 7 + 5 with the choices 12, 2, 4, 6.
    MainWindowControls& startRound()
    {
        MainWindowControls& window = createWindow();
        window.Button1->click();
        random->script({6, 4, 0, 0, 0, 1, 1, 2, 2});
        window.Button5->click();
        return window;
    }

    // Every text a screen reader can reach in the window, in the order of its controls.
    QStringList textsRead() const
    {
        QStringList texts;
        collectTexts(accessibleOf(mainWindow.get()), texts);
        return texts;
    }

    void usePackWith(int line, const std::string& text)
    {
        const std::string file = folder.filePath("pack.lng").toStdString();
        std::ofstream out(file, std::ios::binary);
        for (int index = 0; index < pack->Count(); ++index)
            out << (index == line ? text : pack->Get(index)) << "\r\n";
        out.close();
        pack->Load(file);
    }

    QTemporaryDir folder;

private:
    static void collectTexts(QAccessibleInterface* parent, QStringList& texts)
    {
        for (int index = 0; index < parent->childCount(); ++index) {
            QAccessibleInterface* child = parent->child(index);
            if (child->state().invisible)
                continue;
            if (!child->text(QAccessible::Name).isEmpty())
                texts << child->text(QAccessible::Name);
            collectTexts(child, texts);
        }
    }
};

TEST_F(MainWindowScreenReader, EveryControlIsNamedAsAListenerUnderstandsIt)
{
    MainWindowControls& window = startRound();
    const std::pair<QObject*, QString> names[] = {
        {window.Button8, "1: 12"}, {window.Button9, "2: 2"}, {window.Button10, "3: 4"}, {window.Button11, "4: 6"},
        {window.Button12, "Next"}, {window.Button13, "Back"}, {window.Label1, "7 + 5 = ?"},
        {window.Label7, "www.tovik-software.example"}, {window.Button5, "Level 1"}, {window.Button2, "Subtraction (-)"},
        {window.BitBtn1, "Menu"},
    };
    for (const auto& [control, name] : names)
        EXPECT_EQ(accessibleName(control), name) << control->objectName().toStdString();
    EXPECT_EQ(accessibleOf(window.Label7)->role(), QAccessible::Link);

    // Read in the pack's own words, as soon as they are shown.
    usePackWith(19, "Weiter");
    usePackWith(18, "Zur\xC3\xBC" "ck");
    window.Button8->click();
    random->script({2, 2, 3, 0, 0, 1, 1, 3, 3});
    window.Button12->click();
    EXPECT_EQ(accessibleName(window.Button12), "Weiter");
    EXPECT_EQ(accessibleName(window.Button13), QString::fromUtf8("Zur\xC3\xBC" "ck"));
    EXPECT_EQ(accessibleName(window.Button11), "4: 6") << "the next question's choices";
}

TEST_F(MainWindowScreenReader, EachTextIsReadOnceAndTheShadowsNever)
{
    MainWindowControls& window = createWindow();
    window.Button1->click();
    EXPECT_EQ(textsRead().filter("Choose a level:").size(), 1) << "the level description";

    random->script({6, 4, 0, 0, 0, 1, 1, 2, 2});
    window.Button5->click();
    window.Button8->click();
    const QStringList texts = textsRead();
    EXPECT_EQ(texts.count("7 + 5 = 12"), 1) << texts.join(" | ").toStdString();
    EXPECT_EQ(texts.count("Correct!"), 1) << texts.join(" | ").toStdString();
    for (QLabel* shadow : {window.Label3, window.Label5, window.Label6}) {
        EXPECT_TRUE(accessibleOf(shadow)->state().invisible) << shadow->objectName().toStdString();
        EXPECT_TRUE(accessibleName(shadow).isEmpty()) << shadow->objectName().toStdString();
    }
}

TEST_F(MainWindowScreenReader, TheQuestionIsToldWhenItAppearsAndTheVerdictAtEveryPress)
{
    ScreenReaderProbe probe;
    MainWindowControls& window = startRound();
    EXPECT_EQ(probe.count(window.Label1, QAccessible::ObjectShow), 1) << "the first question";
    EXPECT_EQ(accessibleOf(window.Label1)->role(), QAccessible::Notification);
    EXPECT_EQ(accessibleOf(window.Label2)->role(), QAccessible::Notification) << "a live status";

    probe.clear();
    window.Button9->click();
    EXPECT_TRUE(window.Label2->isVisible()) << "shown, which tells screen readers by itself";
    window.Button10->click();
    EXPECT_EQ(probe.count(window.Label2, QAccessible::ObjectShow), 1) << "the same verdict again is told again";
    EXPECT_EQ(accessibleName(window.Label2), "Try again!");
    window.Button8->click();
    EXPECT_EQ(probe.count(window.Label2, QAccessible::ObjectShow), 2);
    EXPECT_EQ(accessibleName(window.Label2), "Correct!");
    EXPECT_EQ(probe.count(window.Label3, QAccessible::ObjectShow), 0) << "never the shadow";

    probe.clear();
    random->script({2, 2, 3, 0, 0, 1, 1, 3, 3});
    window.Button12->click();
    EXPECT_EQ(probe.count(window.Label1, QAccessible::ObjectShow), 1) << "the next question";
    EXPECT_EQ(accessibleName(window.Label1), "3 + 3 = ?");
}

TEST_F(MainWindowScreenReader, TheLinkCanBePressedByAScreenReader)
{
    MainWindowControls& window = createWindow();
    QAccessibleActionInterface* actions = accessibleOf(window.Label7)->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(shell->opened, std::vector<std::string>{"www.tovik-software.example"});
}

} // namespace
