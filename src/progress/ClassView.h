#pragma once

#include "ClassRules.h"
#include "ThreadHandOver.h"

#include <QString>
#include <QWidget>

#include <array>
#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <thread>

class ClassGridModel;
class QLabel;
class QListWidget;
class QTabBar;
class QTableView;

// What a teacher reads of the whole class from the class database, one operation at a time:
// the pupils by the facts, coloured by mastery, the pupils who need help today, and the wrong
// answers the class chooses most. The server does the counting; a thread of the view's own
// asks it, so the window never waits, and a view that closes lets the thread go at once.
class ClassView : public QWidget {
    Q_OBJECT

public:
    // The words the view shows, in the pack's language.
    struct Words {
        std::array<QString, 4> operations;
        std::array<QString, 5> masteries;
        QString needsHelpToday;
        QString wrongChosenMost;
        QString reading;  // "Reading the class's answers..."
        QString chosen;   // "chosen", as in "7 x 8: 54 chosen 6 times"
        QString times;
        QString saved;    // "Answers saved:", followed by their number
    };

    ClassView(std::string connection, std::function<Day()> today, Words words, QWidget* parent = nullptr);
    ~ClassView() override;

    // Reads the class's figures of the operation chosen, anew.
    void refresh();
    // Saves every answer of the class as a CSV file, on the view's thread; the state line tells
    // how it went.
    void exportAnswers(const std::string& path);

private:
    // Runs `work` on the view's thread; it hands what it finds back with showOnWindow. Work
    // asked while other work runs follows it, the latest only.
    void inBackground(std::function<void()> work);
    void showOnWindow(std::function<void()> show);
    void ShowFigures(const ClassFigures& figures);
    void ShowState(const QString& line);

    const std::string connection_;
    const std::function<Day()> today_;
    const Words words_;
    std::atomic<bool> stopping_ = false;
    ThreadHandOver toWindow_{this};
    std::thread worker_;
    bool busy_ = false;                // the worker runs
    std::function<void()> next_;       // what runs after it
    QTabBar* ClassOperationTabs;
    QTableView* ClassGrid;
    ClassGridModel* gridModel_;
    QListWidget* NeedsHelp;
    QListWidget* ClassChosenWrong;
    QLabel* ClassState;
};
