// The settings window's controls at their design places, their stacking and tab order, and
// the handlers behind them.

#include "settings.h"

#include "ColorSwatch.h"
#include "DialogFrame.h"
#include "ErrorBox.h"
#include "OvoWallPaperBMP.h"
#include "PathBox.h"
#include "PlayButton.h"
#include "WindowValues.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>

#include <tuple>

namespace {

constexpr int kSoundLabelTops[] = {128, 152, 176, 200, 224, 246};
constexpr int kSoundRowTops[] = {124, 147, 170, 193, 216, 239};

QString numbered(const char* kind, int number)
{
    return QString("%1%2").arg(kind).arg(number);
}

// What the preview shows until it takes a picture: a quiet grey check.
QImage designPreview()
{
    QImage tile(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            tile.setPixel(x, y, (x < 8) == (y < 8) ? qRgb(160, 160, 160) : qRgb(128, 128, 128));
    return tile;
}

} // namespace

void TForm4::createControls()
{
    // Created back to front: the preview lies beneath the colour sample, which lies beneath
    // the swatches.
    const auto label = [this](const QString& name, QPoint at) { return createLabel(this, name, at); };
    const auto button = [this](const QString& name, QRect geometry) {
        return place(new QPushButton(this), name, geometry);
    };
    const auto pathBox = [this](const QString& name, QRect geometry) {
        return place(new PathBox(this), name, geometry);
    };
    // A borderless strip holding the two choices of a switch; each strip is its own group.
    const auto switchPanel = [this](const QString& name, QRect geometry) {
        auto* panel = place(new QFrame(this), name, geometry);
        panel->setFrameStyle(QFrame::NoFrame);
        return panel;
    };
    const auto choice = [](QFrame* panel, const QString& name, QRect geometry) {
        return place(new QRadioButton(panel), name, geometry);
    };
    const auto playButton = [this](const QString& name, QRect geometry) {
        return place(new PlayButton(this), name, geometry);
    };
    const auto soundRow = [&](int number) {
        const int labelTop = kSoundLabelTops[number - 1];
        const int top = kSoundRowTops[number - 1];
        return std::tuple{label(numbered("Label", 4 + number), {8, labelTop}),
                          playButton(numbered("SpeedButton", number), {96, top, 20, 20}),
                          pathBox(numbered("Edit", 3 + number), {120, top, 121, 21}),
                          button(numbered("Button", 2 + number), {244, top, 60, 20})};
    };

    Label4 = label("Label4", {8, 8});
    Edit1 = place(new QLineEdit(this), "Edit1", {120, 6, 185, 21});

    Label1 = label("Label1", {8, 32});
    Panel1 = switchPanel("Panel1", {120, 32, 185, 17});
    RadioButton1 = choice(Panel1, "RadioButton1", {0, 0, 49, 17});
    RadioButton2 = choice(Panel1, "RadioButton2", {48, 0, 49, 17});

    Label2 = label("Label2", {8, 56});
    Edit2 = pathBox("Edit2", {120, 54, 121, 21});
    Button1 = button("Button1", {244, 54, 60, 20});

    Label3 = label("Label3", {8, 80});
    Edit3 = pathBox("Edit3", {120, 77, 121, 21});
    Button2 = button("Button2", {244, 77, 60, 20});

    Label11 = label("Label11", {8, 105});
    Panel2 = switchPanel("Panel2", {120, 104, 185, 17});
    RadioButton3 = choice(Panel2, "RadioButton3", {0, 0, 49, 17});
    RadioButton4 = choice(Panel2, "RadioButton4", {48, 0, 49, 17});

    std::tie(Label5, SpeedButton1, Edit4, Button3) = soundRow(1);
    std::tie(Label6, SpeedButton2, Edit5, Button4) = soundRow(2);
    std::tie(Label7, SpeedButton3, Edit6, Button5) = soundRow(3);
    std::tie(Label8, SpeedButton4, Edit7, Button6) = soundRow(4);
    std::tie(Label9, SpeedButton5, Edit8, Button7) = soundRow(5);
    std::tie(Label10, SpeedButton6, Edit9, Button8) = soundRow(6);

    Label12 = label("Label12", {8, 272});
    // The preview fills its parent, so it gets a holder of the strip's size.
    auto* previewStrip = place(new QWidget(this), "PreviewStrip", {120, 264, 184, 40});
    OvoWallPaperBMP1 = new TOvoWallPaperBMP(previewStrip);
    OvoWallPaperBMP1->setObjectName("OvoWallPaperBMP1");
    const QImage preview = designPreview();
    OvoWallPaperBMP1->setBitmap(&preview);

    QFont bold = font();
    bold.setBold(true);
    Label14 = createLabel(this, "Label14", {122, 291}, LabelReading::Shadow);
    Label13 = label("Label13", {121, 289});
    Label14->setFont(bold);
    Label13->setFont(bold);

    // Each background swatch lies partly under its foreground swatch.
    const auto swatch = [this](const QString& name, QPoint at) {
        return place(new ColorSwatch(this), name, {at, QSize(17, 17)});
    };
    Panel4 = swatch("Panel4", {128, 272});
    Panel3 = swatch("Panel3", {121, 265});
    Panel6 = swatch("Panel6", {192, 272});
    Panel5 = swatch("Panel5", {185, 265});
    Panel8 = swatch("Panel8", {256, 272});
    Panel7 = swatch("Panel7", {249, 265});

    Button9 = button("Button9", {45, 310, 100, 25});
    BitBtn1 = button("BitBtn1", {150, 310, 75, 25});
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn1->setDefault(true);
    BitBtn2 = button("BitBtn2", {230, 310, 75, 25});
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));

    // Each sound row's play button comes before its file box; the swatches come last.
    QWidget* const tabOrder[] = {Edit1, RadioButton1, RadioButton2, Edit2, Button1, Edit3, Button2,
        RadioButton3, RadioButton4, SpeedButton1, Edit4, Button3, SpeedButton2, Edit5, Button4,
        SpeedButton3, Edit6, Button5, SpeedButton4, Edit7, Button6, SpeedButton5, Edit8, Button7,
        SpeedButton6, Edit9, Button8, Button9, BitBtn1, BitBtn2, Panel3, Panel4, Panel5, Panel6,
        Panel7, Panel8};
    for (std::size_t next = 1; next < std::size(tabOrder); ++next)
        setTabOrder(tabOrder[next - 1], tabOrder[next]);

    // A screen reader names each box and switch by the label of its row.
    const std::pair<QLabel*, QWidget*> rows[] = {{Label4, Edit1}, {Label1, Panel1}, {Label2, Edit2},
        {Label3, Edit3}, {Label11, Panel2}, {Label5, Edit4}, {Label6, Edit5}, {Label7, Edit6},
        {Label8, Edit7}, {Label9, Edit8}, {Label10, Edit9}};
    for (const auto& [label, control] : rows)
        label->setBuddy(control);
}

void TForm4::connectHandlers()
{
    connectGuarded(services_.dialogs, Edit1, &QLineEdit::textChanged, this, &TForm4::Edit1Change);

    const std::pair<QToolButton*, void (TForm4::*)()> plays[] = {
        {SpeedButton1, &TForm4::SpeedButton1Click}, {SpeedButton2, &TForm4::SpeedButton2Click},
        {SpeedButton3, &TForm4::SpeedButton3Click}, {SpeedButton4, &TForm4::SpeedButton4Click},
        {SpeedButton5, &TForm4::SpeedButton5Click}, {SpeedButton6, &TForm4::SpeedButton6Click},
    };
    for (const auto& [play, handler] : plays)
        connectGuarded(services_.dialogs, play, &QToolButton::clicked, this, handler);

    const std::pair<QPushButton*, void (TForm4::*)()> clicks[] = {
        {Button1, &TForm4::Button1Click}, {Button2, &TForm4::Button2Click},
        {Button3, &TForm4::Button3Click}, {Button4, &TForm4::Button4Click},
        {Button5, &TForm4::Button5Click}, {Button6, &TForm4::Button6Click},
        {Button7, &TForm4::Button7Click}, {Button8, &TForm4::Button8Click},
        {Button9, &TForm4::Button9Click}, {BitBtn1, &TForm4::BitBtn1Click},
    };
    for (const auto& [button, handler] : clicks)
        connectGuarded(services_.dialogs, button, &QPushButton::clicked, this, handler);
    // OK closes the window after its handler, however far the handler got.
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    // A change of the selection, by a click or from code, runs the handler.
    connectGuarded(services_.dialogs, RadioButton3, &QRadioButton::toggled, this, &TForm4::RadioButton3Click);
    connectGuarded(services_.dialogs, RadioButton4, &QRadioButton::toggled, this, &TForm4::RadioButton4Click);

    const std::pair<ColorSwatch*, void (TForm4::*)()> picks[] = {
        {Panel3, &TForm4::Panel3Click}, {Panel4, &TForm4::Panel4Click},
        {Panel5, &TForm4::Panel5Click}, {Panel6, &TForm4::Panel6Click},
        {Panel7, &TForm4::Panel7Click}, {Panel8, &TForm4::Panel8Click},
    };
    for (const auto& [swatch, handler] : picks)
        connectGuarded(services_.dialogs, swatch, &ColorSwatch::clicked, this, handler);
}
