#include "UpdateWindowFixture.h"

#include "DownloadFolder.h"
#include "ProgramDirectory.h"

#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

UpdateWindowFixture::~UpdateWindowFixture()
{
    updates.reset();
    for (const std::string& name : programFiles_)
        QFile::remove(QString::fromStdString(programFolderFile(name)));
}

TForm5& UpdateWindowFixture::openUpdates()
{
    if (!form)
        createWindow();
    updates = std::make_unique<TForm5>(*form);
    updates->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(updates.get()));
    return *updates;
}

QStringList UpdateWindowFixture::offeredNames() const
{
    QStringList names;
    for (int entry = 0; entry < updates->CheckListBox1->count(); ++entry)
        names.append(updates->CheckListBox1->item(entry)->text());
    return names;
}

std::vector<bool> UpdateWindowFixture::checkedStates() const
{
    std::vector<bool> states;
    for (int entry = 0; entry < updates->CheckListBox1->count(); ++entry)
        states.push_back(updates->CheckListBox1->item(entry)->checkState() == Qt::Checked);
    return states;
}

void UpdateWindowFixture::waitForStep(int step)
{
    EXPECT_TRUE(QTest::qWaitFor([&] { return updates->UpdateStep == step && updates->Button2->isEnabled(); }, 30000))
        << "step " << step << " not reached; at step " << updates->UpdateStep;
}

std::string UpdateWindowFixture::programFolderFile(const std::string& name) const
{
    return programFile(name);
}

std::string UpdateWindowFixture::downloadedFile(const std::string& name) const
{
    return downloadFolder() + name;
}

void UpdateWindowFixture::forgetAtEnd(const std::string& name)
{
    programFiles_.push_back(name);
}
