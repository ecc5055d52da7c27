#pragma once

#include "PackLines.h"

#include <QDialog>

class ConfigStore;
class Dialogs;
class LanguagePack;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The classroom's settings: pupils on or off, the size of every window, and the class database
// (a libpq connection string, such as "service=calcora"). OK writes what changed in one go; a
// connection string that holds a password is refused, since the store is no place for one. A
// new size takes effect at the next start, as the window says.
class ClassroomWindow : public QDialog {
    Q_OBJECT

public:
    struct Services {
        ConfigStore& store;
        LanguagePack& pack;
        Dialogs& dialogs;
    };

    explicit ClassroomWindow(const Services& services, QWidget* parent = nullptr);

private:
    void createControls();
    void ShowStoredValues();
    void OkButtonClick();
    QString text(PackLine line) const;

    Services services_;
    QCheckBox* PupilsBox;
    QComboBox* SizeChoice;
    QLabel* SizeNote;
    QLineEdit* ClassDatabaseBox;
    QPushButton* OkButton;
    QPushButton* CancelButton;
};
