#pragma once

#include "PackLines.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class ClassView;
class Clock;
class ConfigStore;
class Dialogs;
class FactGridModel;
class History;
class HistoryDatabase;
class LanguagePack;
class QChartView;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTabBar;
class QTableView;
class QTableWidget;
class RandomSource;

// What a teacher or a parent reads of a pupil's answers at a glance (with pupils on, of the
// pupil chosen at the top): for each operation a grid
// of its level-1 facts coloured and marked by how far each is mastered, the figures of every
// operation and level, a chart of the answers of the last 30 days, and the wrong answers chosen
// most. From here the practice is set (at random, or bringing weak facts back, and the fluency
// mark), a worksheet of the weakest facts made, the answers exported as CSV, and the history
// forgotten. With a class database, the teacher switches to the class's own view (ClassView),
// and a line tells how this computer's sending goes.
class ProgressWindow : public QDialog {
    Q_OBJECT

public:
    // What the progress window works with. `openQuizDocument` shows quiz lines in a quiz
    // document window, as the quiz composer does.
    struct Services {
        ConfigStore& store;
        LanguagePack& pack;
        Dialogs& dialogs;
        RandomSource& random;
        History& history;
        Clock& clock;
        // With pupils on, their names and whose answers are shown first; with pupils off, no
        // names and the computer's one pupil, who has no name.
        std::vector<std::string> pupils;
        std::string pupil;
        // The class database's connection (empty without one) and how its sending goes.
        std::string classConnection;
        std::function<QString()> classStatus;
        std::function<void(const std::vector<std::string>& quizLines)> openQuizDocument;
    };

    explicit ProgressWindow(Services services, QWidget* parent = nullptr);
    ~ProgressWindow() override;

private:
    void createControls();
    void connectHandlers();
    // Reads the history afresh and shows it.
    void ShowHistory();
    void ShowOperation();
    void PupilChoiceChange();
    // This computer's answers, or the class's from the class database.
    void ViewChoiceChange();
    bool showingClass() const;
    void ShowClassStatus();
    void ShowPracticeSettings();
    void PracticeChoiceChange();
    void MarkChoiceChange();
    void WorksheetButtonClick();
    void ExportButtonClick();
    void ForgetButtonClick();
    QString text(PackLine line) const;
    int operation() const;

    Services services_;
    std::unique_ptr<HistoryDatabase> reader_; // null while there is no history to read
    QComboBox* PupilChoice;
    QComboBox* ViewChoice;
    QLabel* ClassStatusLine;
    QStackedWidget* ViewPages;
    ClassView* classView_ = nullptr; // made when the class is first shown
    QTabBar* OperationTabs;
    QTableView* FactGrid;
    FactGridModel* factGridModel_;
    QLabel* Legend;
    QTableWidget* LevelFigures;
    QListWidget* ChosenWrong;
    QChartView* DayChart;
    QComboBox* PracticeChoice;
    QComboBox* MarkChoice;
    QPushButton* WorksheetButton;
    QPushButton* ExportButton;
    QPushButton* ForgetButton;
    QPushButton* CloseButton;
};
