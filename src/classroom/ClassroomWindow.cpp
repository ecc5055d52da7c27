#include "ClassroomWindow.h"

#include "ClassConnection.h"
#include "ConfigNames.h"
#include "ConfigStore.h"
#include "DialogFrame.h"
#include "DisplayText.h"
#include "ErrorBox.h"
#include "LanguagePack.h"
#include "PackDefaults.h"
#include "ScreenScale.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace config;

namespace {

constexpr QSize kWindowSize(360, 200);

} // namespace

ClassroomWindow::ClassroomWindow(const Services& services, QWidget* parent) : QDialog(parent), services_(services)
{
    setObjectName("ClassroomWindow");
    frameDialog(*this, kWindowSize);
    createControls();
    connectGuarded(services_.dialogs, OkButton, &QPushButton::clicked, this, &ClassroomWindow::OkButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    createInSteps(services_.dialogs, {[this] { ShowStoredValues(); }});
}

QString ClassroomWindow::text(PackLine line) const
{
    return displayText(packLineOrEnglish(services_.pack, line));
}

void ClassroomWindow::createControls()
{
    setWindowTitle(text(PackLine::Classroom));
    PupilsBox = place(new QCheckBox("&" + text(PackLine::PupilsSetting), this), "PupilsBox", {10, 10, 340, 20});

    auto* sizeLabel = place(new QLabel("&" + text(PackLine::SizeSetting) + ":", this), "SizeLabel", {10, 42, 120, 17});
    SizeChoice = place(new QComboBox(this), "SizeChoice", {135, 38, 215, 23});
    SizeChoice->addItems({text(PackLine::SizeAsDesigned), "150 %", "200 %", text(PackLine::SizeFillScreen)});
    sizeLabel->setBuddy(SizeChoice);
    SizeNote = place(new QLabel(text(PackLine::SizeTakesEffect), this), "SizeNote", {135, 64, 215, 30});
    SizeNote->setWordWrap(true);
    SizeNote->setEnabled(false);

    auto* databaseLabel = place(new QLabel("&" + text(PackLine::ClassDatabaseWord) + ":", this), "ClassDatabaseLabel",
                                {10, 106, 120, 17});
    ClassDatabaseBox = place(new QLineEdit(this), "ClassDatabaseBox", {135, 102, 215, 23});
    ClassDatabaseBox->setPlaceholderText("service=calcora");
    databaseLabel->setBuddy(ClassDatabaseBox);

    OkButton = place(new QPushButton(text(PackLine::Ok), this), "OkButton", {190, 165, 75, 25});
    OkButton->setDefault(true);
    CancelButton = place(new QPushButton(text(PackLine::Cancel), this), "CancelButton", {275, 165, 75, 25});
    CancelButton->setAutoDefault(false);
}

void ClassroomWindow::ShowStoredValues()
{
    ConfigStore& store = services_.store;
    PupilsBox->setChecked(store.ReadString(kInterface, kPupils, kNo) == kYes);
    const std::string size = store.ReadString(kInterface, kSize, kSizeValues[0]);
    SizeChoice->setCurrentIndex(0);
    for (int index = 0; index < SizeChoice->count(); ++index) {
        if (size == kSizeValues[index])
            SizeChoice->setCurrentIndex(index);
    }
    ClassDatabaseBox->setText(displayText(store.ReadString(kInterface, kClassDatabase, "")));
}

void ClassroomWindow::OkButtonClick()
{
    const std::string connection = ClassDatabaseBox->text().trimmed().toStdString();
    if (const auto problem = connection.empty() ? std::nullopt : connectionTextProblem(connection)) {
        showErrorBox(services_.dialogs, *problem);
        ClassDatabaseBox->setFocus();
        return;
    }
    // Only what the teacher changed is written: a value never set keeps its default unwritten.
    ConfigStore& store = services_.store;
    const StoreValue shown[] = {
        {kInterface, kPupils, PupilsBox->isChecked() ? kYes : kNo},
        {kInterface, kSize, kSizeValues[SizeChoice->currentIndex()]},
        {kInterface, kClassDatabase, connection},
    };
    const std::string defaults[] = {kNo, kSizeValues[0], ""};
    std::vector<StoreValue> changed;
    for (std::size_t index = 0; index < std::size(shown); ++index) {
        const StoreValue& value = shown[index];
        if (store.ReadString(value.section, value.name, defaults[index]) != value.text)
            changed.push_back(value);
    }
    if (!changed.empty())
        store.WriteStrings(changed);
    accept();
}
