#include "about.h"

#include "CRPanel.h"
#include "ClickSpot.h"
#include "CreditsMarkup.h"
#include "ConfigNames.h"
#include "ConfigStore.h"
#include "DialogFrame.h"
#include "DisplayText.h"
#include "ErrorBox.h"
#include "PupilNames.h"
#include "ProgramDirectory.h"
#include "SoundPlayer.h"
#include "WindowValues.h"

#include <QApplication>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

using namespace config;

namespace {

constexpr int kClientWidth = 253;
constexpr int kClientHeight = 120;

// The credits, in the panel's markup; the totals are added below them when the window shows.
const QStringList& creditLines()
{
    static const QStringList lines = {
        "<b><nblue>Calcora 2.01</n></b>",
        " ",
        " ",
        "<b>Programming:</b>",
        "  Selin Arkwright",
        "  selin@tovik-software.example",
        " ",
        " ",
        "<b>Beta Testing:</b>",
        "  Jonas Brevik",
        "  jonas.brevik@example.org",
        " ",
        " ",
        "<b>Support:</b>",
        "  support@tovik-software.example",
        " ",
        " ",
        "<b>Tovik Software</b>",
        "     <u>www.tovik-software.example</u>",
        " ",
        " ",
        " ",
        " ",
        "<b>Made in Harrowmere</b>",
        " ",
        " ",
        " ",
        " ",
        " ",
    };
    return lines;
}

// The credits as a screen reader reads them: each line without its tags, the blank ones left
// out, the totals last.
QString readableCredits(const QStringList& lines)
{
    QStringList read;
    for (const QString& line : lines) {
        const QString text = QString::fromStdString(credits::StripTags(line.toStdString())).trimmed();
        if (!text.isEmpty())
            read << text;
    }
    return read.join('\n');
}

} // namespace

TForm6::TForm6(const Services& services, QWidget* parent)
    : QDialog(parent)
    , services_(services)
{
    setObjectName("Form6");
    frameDialog(*this, QSize(kClientWidth, kClientHeight));

    createControls();
    connectHandlers();
    guarded(services_.dialogs, [this] { FormCreate(); });
}

void TForm6::createControls()
{
    // Back to front: the frame beneath the icon, the click spot on top of it.
    Bevel1 = place(new QFrame(this), "Bevel1", {8, 8, 34, 34});
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Image1 = place(new QLabel(this), "Image1", {8, 8, 32, 32});
    Image2 = place(new ClickSpot(this), "Image2", {10, 20, 8, 5});

    CRPanel1 = place(new TCRPanel(this), "CRPanel1", {48, 8, 200, 73});
    CRPanel1->setInterval(1);
    CRPanel1->setUseGradient(false);
    CRPanel1->setDrawGlyph(false);
    CRPanel1->setGlyphDrawType(TCRPanel::dgStrech);
    CRPanel1->setBeginColor(Qt::black);
    CRPanel1->setEndColor(Qt::black);
    CRPanel1->setColor(Qt::black);
    CRPanel1->setStrings(creditLines());
    CRPanel1->setActive(true);

    BitBtn1 = place(new QPushButton(this), "BitBtn1", {174, 88, 75, 25});
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn1->setDefault(true);
}

void TForm6::connectHandlers()
{
    connectGuarded(services_.dialogs, Image2, &ClickSpot::clicked, this, &TForm6::Image2Click);
    connectGuarded(services_.dialogs, CRPanel1, &TCRPanel::mousePressed, this, &TForm6::CRPanel1MouseDown);
    connectGuarded(services_.dialogs, CRPanel1, &TCRPanel::mouseReleased, this, &TForm6::CRPanel1MouseUp);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

void TForm6::FormCreate()
{
    setWindowTitle(packText(services_.pack, PackLine::AboutTitle));
    BitBtn1->setText("&" + packText(services_.pack, PackLine::Ok));
}

void TForm6::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    guarded(services_.dialogs, [this] { FormShow(); });
}

void TForm6::FormShow()
{
    Image1->setPixmap(QApplication::windowIcon().pixmap(Image1->size(), devicePixelRatioF()));
    CRPanel1->appendLine(TotalLine(PackLine::CorrectAnswers, kCorrect));
    CRPanel1->appendLine(TotalLine(PackLine::WrongAnswers, kWrong));
    CRPanel1->setAccessibleName(readableCredits(CRPanel1->Strings()));
    CRPanel1->setColor(palette().color(QPalette::Button));
}

QString TForm6::TotalLine(PackLine caption, const char* statsValue) const
{
    // A pupil who has not answered yet has no totals in the store.
    const TotalPlace place = totalPlace(services_.pupil, statsValue);
    const std::string count = services_.store.ReadString(place.section, place.name, services_.pupil.empty() ? "" : "0");
    return packText(services_.pack, caption) + ": <b>" + displayText(count) + "</b>";
}

void TForm6::Image2Click()
{
    services_.sounds.Play(programFile("nose.wav"));
}

void TForm6::CRPanel1MouseDown()
{
    CRPanel1->setInterval(0);
}

void TForm6::CRPanel1MouseUp()
{
    CRPanel1->setInterval(1);
}
