#include "PupilChooser.h"

#include "AccessKeys.h"
#include "DialogFrame.h"
#include "Dialogs.h"
#include "DisplayText.h"
#include "ErrorBox.h"
#include "LanguagePack.h"
#include "PackDefaults.h"
#include "PupilNames.h"
#include "Pupils.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

constexpr QSize kSize(330, 290);

} // namespace

PupilChooser::PupilChooser(const Services& services, QWidget* parent) : QDialog(parent), services_(services)
{
    setObjectName("PupilChooser");
    frameDialog(*this, kSize);
    createControls();
    connectHandlers();
    ShowNames(services_.pupils.current());
}

QString PupilChooser::text(PackLine line) const
{
    return displayText(packLineOrEnglish(services_.pack, line));
}

void PupilChooser::createControls()
{
    setWindowTitle(text(PackLine::ChangePupil));
    const auto button = [this](const char* name, PackLine caption, QRect geometry) {
        auto* created = place(new QPushButton(text(caption), this), name, geometry);
        created->setAutoDefault(false);
        return created;
    };
    Prompt = place(new QLabel(text(PackLine::WhoIsPractising), this), "Prompt", {10, 8, 310, 17});
    PupilList = place(new QListWidget(this), "PupilList", {10, 28, 215, 160});
    Prompt->setBuddy(PupilList);
    AddButton = button("AddButton", PackLine::AddPupil, {235, 28, 85, 25});
    RenameButton = button("RenameButton", PackLine::RenamePupil, {235, 58, 85, 25});
    RemoveButton = button("RemoveButton", PackLine::RemovePupil, {235, 88, 85, 25});
    // Each button gets a letter of its own: "Rename" and "Remove" start alike.
    const std::vector<QPushButton*> editing = {AddButton, RenameButton, RemoveButton};
    std::vector<std::u32string> captions;
    for (const QPushButton* editor : editing)
        captions.push_back(editor->text().toStdU32String());
    const auto keyed = withAccessKeys(captions);
    for (std::size_t index = 0; index < editing.size(); ++index)
        editing[index]->setText(QString::fromStdU32String(keyed[index]));
    PupilName = place(new QLineEdit(this), "PupilName", {10, 195, 215, 23});
    PupilName->setMaxLength(static_cast<int>(kLongestPupilName));
    PupilName->setAccessibleName(text(PackLine::PupilWord));
    PupilName->installEventFilter(this);
    NameRule = place(new QLabel(text(PackLine::PupilNameRule), this), "NameRule", {10, 221, 310, 30});
    NameRule->setWordWrap(true);
    NameRule->hide();
    OkButton = place(new QPushButton(text(PackLine::Ok), this), "OkButton", {160, 256, 75, 25});
    OkButton->setDefault(true);
    CancelButton = place(new QPushButton(text(PackLine::Cancel), this), "CancelButton", {245, 256, 75, 25});
    CancelButton->setAutoDefault(false);

    const bool locked = services_.pupils.locked();
    for (QWidget* editing : std::initializer_list<QWidget*>{PupilName, AddButton, RenameButton, RemoveButton})
        editing->setVisible(!locked);
    setTabOrder(PupilList, PupilName);
    setTabOrder(PupilName, AddButton);
    setTabOrder(AddButton, RenameButton);
    setTabOrder(RenameButton, RemoveButton);
    setTabOrder(RemoveButton, OkButton);
    setTabOrder(OkButton, CancelButton);
}

void PupilChooser::connectHandlers()
{
    Dialogs& dialogs = services_.dialogs;
    connectGuarded(dialogs, PupilList, &QListWidget::currentRowChanged, this, &PupilChooser::PupilListChange);
    connectGuarded(dialogs, PupilList, &QListWidget::itemActivated, this, &PupilChooser::OkButtonClick);
    connectGuarded(dialogs, AddButton, &QPushButton::clicked, this, &PupilChooser::AddButtonClick);
    connectGuarded(dialogs, RenameButton, &QPushButton::clicked, this, &PupilChooser::RenameButtonClick);
    connectGuarded(dialogs, RemoveButton, &QPushButton::clicked, this, &PupilChooser::RemoveButtonClick);
    connectGuarded(dialogs, OkButton, &QPushButton::clicked, this, &PupilChooser::OkButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    // The class's list may arrive while the window is open.
    connect(&services_.pupils, &Pupils::namesChanged, this, [this] { ShowNames(chosenName()); });
}

bool PupilChooser::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in the name box adds the name typed, rather than closing the window.
    if (watched == PupilName && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            guarded(services_.dialogs, [this] { AddButtonClick(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void PupilChooser::ShowNames(const std::string& chosen)
{
    const QSignalBlocker quiet(PupilList);
    PupilList->clear();
    int chosenRow = 0;
    for (const std::string& name : services_.pupils.names()) {
        if (name == chosen)
            chosenRow = PupilList->count();
        // A name typed by hand into the store need not be UTF-8: the item keeps its bytes.
        auto* item = new QListWidgetItem(displayText(name), PupilList);
        item->setData(Qt::UserRole, QByteArray::fromStdString(name));
    }
    PupilList->setCurrentRow(chosenRow);
    PupilListChange();
}

void PupilChooser::PupilListChange()
{
    const bool chosen = PupilList->currentItem() != nullptr;
    OkButton->setEnabled(chosen);
    RenameButton->setEnabled(chosen);
    RemoveButton->setEnabled(chosen);
    PupilName->setText(displayText(chosenName()));
    NameRule->hide();
}

std::string PupilChooser::chosenName() const
{
    const QListWidgetItem* item = PupilList->currentItem();
    return item ? item->data(Qt::UserRole).toByteArray().toStdString() : std::string();
}

void PupilChooser::AddButtonClick()
{
    const std::string name = PupilName->text().trimmed().toStdString();
    if (!services_.pupils.add(name))
        return RefuseName();
    ShowNames(name);
    PupilList->setFocus();
}

void PupilChooser::RenameButtonClick()
{
    const std::string name = PupilName->text().trimmed().toStdString();
    if (name == chosenName())
        return;
    if (!services_.pupils.rename(chosenName(), name))
        return RefuseName();
    ShowNames(name);
    PupilList->setFocus();
}

void PupilChooser::RemoveButtonClick()
{
    const std::string name = chosenName();
    if (!services_.dialogs.askYesNo(this, displayText(name), text(PackLine::RemovePupilQuestion)))
        return;
    const int row = PupilList->currentRow();
    services_.pupils.remove(name);
    ShowNames({});
    PupilList->setCurrentRow(std::min(row, PupilList->count() - 1));
}

void PupilChooser::RefuseName()
{
    NameRule->show();
    PupilName->setFocus();
    PupilName->selectAll();
}

void PupilChooser::OkButtonClick()
{
    if (PupilList->currentItem() == nullptr)
        return;
    services_.pupils.choose(chosenName());
    accept();
}
