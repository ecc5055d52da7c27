#pragma once

#include "MainWindowFixture.h"
#include "update.h"

#include <QStringList>

#include <memory>
#include <string>
#include <vector>

// The main window on a first-run store, with the update checker opened over it. The checker
// is shown without waiting for it, so a test can click it and read it.
class UpdateWindowFixture : public MainWindowFixture {
protected:
    ~UpdateWindowFixture() override;

    // Creates the main window first unless a test has already done so.
    TForm5& openUpdates();

    // The names in the check list, and whether each is checked.
    QStringList offeredNames() const;
    std::vector<bool> checkedStates() const;

    // Waits until the wizard reaches the step, or fails the test after a generous limit.
    void waitForStep(int step);

    std::string programFolderFile(const std::string& name) const;
    std::string downloadedFile(const std::string& name) const;
    // Files a test puts into the program folder or has installed there, removed at the end.
    void forgetAtEnd(const std::string& name);

    // Destroyed before the main window it belongs to.
    std::unique_ptr<TForm5> updates;

private:
    std::vector<std::string> programFiles_;
};
