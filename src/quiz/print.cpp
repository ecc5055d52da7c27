#include "print.h"

#include "AppError.h"
#include "ButtonPictures.h"
#include "ConfigNames.h"
#include "ConfigStore.h"
#include "DialogFrame.h"
#include "DisplayText.h"
#include "DocumentFile.h"
#include "ErrorBox.h"
#include "LanguagePack.h"
#include "PackDefaults.h"
#include "QtColor.h"
#include "QuizDocument.h"
#include "QuizPrinting.h"
#include "ScreenCentre.h"
#include "WindowValues.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextBlock>
#include <QVBoxLayout>

namespace {

constexpr QSize kWindowSize(211, 377); // the outer size, frame included
// The panel: the two check boxes in rows at its top, then the buttons in two rows, each at the
// same distance from the panel's bottom edge as in a panel of buttons alone.
constexpr int kCheckBoxRows = 40;
constexpr int kPanelHeight = kCheckBoxRows + 63;
constexpr QSize kButtonSize(95, 26);
constexpr QSize kCheckBoxSize(196, 17);

} // namespace

TForm3::TForm3(const Services& services, QWidget* parent)
    : QDialog(parent)
    , services_(services)
{
    setObjectName("Form3");
    frameDialog(*this, kWindowSize, DialogSizing::Resizable);
    createControls();
    FormCreate();
}

void TForm3::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (sizedWithFrame_)
        return;
    sizedWithFrame_ = true;
    // The frame is known only once the window is on screen; until then it is taken as none.
    resize(kWindowSize - (frameGeometry().size() - size()));
    centreOnScreen(*this);
}

void TForm3::createControls()
{
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Tab moves on to the buttons, as the platform's edit box does; Ctrl+Tab types a tab.
    Memo1->setTabChangesFocus(true);
    Memo1->installEventFilter(this);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setFont(QFont("MS Sans Serif", 10));

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameShape(QFrame::NoFrame);
    Panel1->setFixedHeight(kPanelHeight);
    const auto button = [this](const char* name, QPoint place) {
        auto* created = new QPushButton(Panel1);
        created->setObjectName(name);
        created->setGeometry(QRect(place, kButtonSize));
        return created;
    };
    BitBtn1 = button("BitBtn1", {4, kCheckBoxRows + 4});
    BitBtn2 = button("BitBtn2", {105, kCheckBoxRows + 4});
    BitBtn3 = button("BitBtn3", {4, kCheckBoxRows + 34});
    BitBtn4 = button("BitBtn4", {105, kCheckBoxRows + 34});
    BitBtn3->setIcon(printerPicture());
    BitBtn4->setIcon(diskPicture());
    // Made after the buttons, they come after them in the Tab order too: from the document
    // Tab still reaches the Font button first.
    const auto checkBox = [this](const char* name, QPoint place) {
        auto* created = new QCheckBox(Panel1);
        created->setObjectName(name);
        created->setGeometry(QRect(place, kCheckBoxSize));
        return created;
    };
    CheckBox1 = checkBox("CheckBox1", {4, 4});
    CheckBox2 = checkBox("CheckBox2", {4, 24});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Memo1);
    layout->addWidget(Panel1);

    connectGuarded(services_.dialogs, BitBtn1, &QPushButton::clicked, this, &TForm3::BitBtn1Click);
    connectGuarded(services_.dialogs, BitBtn2, &QPushButton::clicked, this, &TForm3::BitBtn2Click);
    connectGuarded(services_.dialogs, BitBtn3, &QPushButton::clicked, this, &TForm3::BitBtn3Click);
    connectGuarded(services_.dialogs, BitBtn4, &QPushButton::clicked, this, &TForm3::BitBtn4Click);
}

void TForm3::FormCreate()
{
    SetDocumentFont({Memo1->font(), Qt::black});
    SaveDialog1.defaultSuffix = "htm";
    createInSteps(services_.dialogs, {
        [this] {
            setWindowTitle(text(PackLine::Quiz));
            Memo1->setAccessibleName(windowTitle());
            BitBtn1->setText(text(PackLine::Font));
            BitBtn2->setText(text(PackLine::Copy));
            BitBtn3->setText(text(PackLine::Print));
            BitBtn4->setText(text(PackLine::Save));
            CheckBox1->setText(laterText(PackLine::AnswerKey));
            CheckBox2->setText(laterText(PackLine::WorksheetLayout));
        },
        [this] {
            // One text after the other, so that a short pack fails at the first line it lacks.
            QString filter = text(PackLine::WebPage) + " (*.htm)|*.htm|";
            filter += text(PackLine::TextFile) + " (*.txt)|*.txt";
            SaveDialog1.filter = filter;
        },
    });
}

bool TForm3::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Memo1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::ControlModifier) {
            Memo1->insertPlainText("\t");
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TForm3::SetLines(const std::vector<std::string>& lines)
{
    Memo1->setPlainText(displayText(documentText(lines)).replace("\r\n", "\n"));
}

std::string TForm3::DocumentText() const
{
    // Block by block rather than toPlainText(), which turns no-break spaces into blanks.
    QString text;
    for (QTextBlock block = Memo1->document()->begin(); block.isValid(); block = block.next()) {
        if (block != Memo1->document()->begin())
            text += "\r\n";
        text += block.text().replace(QChar::LineSeparator, "\r\n");
    }
    return text.toStdString();
}

std::vector<std::string> TForm3::DocumentLines() const
{
    return documentLines(DocumentText());
}

FontChoice TForm3::DocumentFont() const
{
    return {Memo1->font(), Memo1->palette().color(QPalette::Text)};
}

void TForm3::SetDocumentFont(const FontChoice& choice)
{
    Memo1->setFont(choice.font);
    QPalette palette = Memo1->palette();
    palette.setColor(QPalette::Text, choice.color);
    Memo1->setPalette(palette);
}

HtmlFont TForm3::DocumentHtmlFont() const
{
    const FontChoice document = DocumentFont();
    const QFont& font = document.font;
    return {font.family().toStdString(), font.pointSize(), font.bold(), font.italic(),
            font.underline(), font.strikeOut(), fromQColor(document.color)};
}

void TForm3::BitBtn1Click()
{
    if (const auto chosen = services_.dialogs.getFont(this, DocumentFont()))
        SetDocumentFont(*chosen);
}

void TForm3::BitBtn2Click()
{
    Memo1->selectAll();
    Memo1->copy();
}

QString TForm3::text(PackLine line) const
{
    return packText(services_.pack, line);
}

QString TForm3::laterText(PackLine line) const
{
    return displayText(packLineOrEnglish(services_.pack, line));
}

WorksheetChoices TForm3::Choices() const
{
    return {CheckBox1->isChecked(), CheckBox2->isChecked()};
}

WorksheetWords TForm3::Words() const
{
    // In the document's encoding, UTF-8, as the screen shows them.
    return {text(PackLine::Quiz).toStdString(), laterText(PackLine::NameField).toStdString(),
            laterText(PackLine::DateField).toStdString(), laterText(PackLine::KeyHeading).toStdString()};
}

std::vector<std::string> TForm3::SheetLines() const
{
    const WorksheetChoices choices = Choices();
    if (!choices.answerKey && !choices.layout)
        return DocumentLines();
    return worksheetLines(DocumentLines(), choices, Words());
}

QString TForm3::SaveFolder() const
{
    const QString saved = qtFilePath(services_.store.ReadString(config::kQuiz, config::kSaveFolder, ""));
    if (!saved.isEmpty() && QDir(saved).exists())
        return saved;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void TForm3::BitBtn3Click()
{
    try {
        QPrinter printer(QPrinter::HighResolution);
        if (!services_.dialogs.setUpPrinter(this, printer))
            return;
        printer.setDocName(QString());
        const FontChoice font = DocumentFont();
        const std::vector<std::string> lines = SheetLines();
        PageSetup setup;
        if (Choices().layout)
            setup = {kWorksheetMarginMillimetres, questionsWithChoices(lines)};
        printDocument(printer, lines, font.font, font.color, setup);
    } catch (...) {
        // The user learns that printing failed, not the printer's own reason.
        showErrorBox(services_.dialogs, services_.pack.Get(PackLine::PrintFailed));
    }
}

void TForm3::BitBtn4Click()
{
    SaveDialog1.folder = SaveFolder();
    const auto chosen = services_.dialogs.getSaveFileName(this, SaveDialog1);
    if (!chosen)
        return;
    const std::string path = nativeFilePath(*chosen);
    const WorksheetChoices choices = Choices();
    const bool asIs = !choices.answerKey && !choices.layout;
    if (isHtmlFileName(path))
        writeDocumentFile(path, htmlFileText(SheetLines(), DocumentHtmlFont(), choices.layout));
    else
        writeDocumentFile(path, asIs ? DocumentText() : documentText(SheetLines()));
    services_.store.WriteString(config::kQuiz, config::kSaveFolder,
                                nativeFilePath(QFileInfo(*chosen).absolutePath()));
}
