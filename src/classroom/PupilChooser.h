#pragma once

#include "PackLines.h"

#include <QDialog>

#include <string>

class Dialogs;
class LanguagePack;
class Pupils;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// Who is practising: the pupils' names in a list, the one practising now chosen. OK (or Enter,
// or a double click on a name) makes the chosen pupil the one practising. Below the list a name
// is typed to add a pupil or to rename the chosen one; Remove asks first. A locked list shows
// neither the name box nor its buttons.
class PupilChooser : public QDialog {
    Q_OBJECT

public:
    struct Services {
        Pupils& pupils;
        LanguagePack& pack;
        Dialogs& dialogs;
    };

    explicit PupilChooser(const Services& services, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void connectHandlers();
    // The list as the pupils give it, `chosen` chosen (the first when none is).
    void ShowNames(const std::string& chosen);
    void PupilListChange();
    void AddButtonClick();
    void RenameButtonClick();
    void RemoveButtonClick();
    void OkButtonClick();
    // After a name that breaks a rule: the rule, and the name box ready to be typed again.
    void RefuseName();
    // The chosen pupil's name as the store keeps it; empty when none is chosen.
    std::string chosenName() const;
    QString text(PackLine line) const;

    Services services_;
    QLabel* Prompt;
    QListWidget* PupilList;
    QLineEdit* PupilName;
    QPushButton* AddButton;
    QPushButton* RenameButton;
    QPushButton* RemoveButton;
    QLabel* NameRule;
    QPushButton* OkButton;
    QPushButton* CancelButton;
};
