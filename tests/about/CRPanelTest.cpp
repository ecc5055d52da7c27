#include "CRPanel.h"
#include "CreditsFrames.h"

#include "QtColor.h"
#include "WindowValues.h"

#include <QFontMetrics>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 73;

QFont elevenPixelFont()
{
    QFont font("MS Sans Serif");
    font.setPixelSize(11);
    return font;
}

// Light text on black, frames only when a test runs one.
class CreditsPanel : public testing::Test {
protected:
    CreditsPanel()
    {
        panel.setFont(elevenPixelFont());
        setTextColor(&panel, Qt::white);
        panel.setInterval(0);
        panel.resize(kWidth, kHeight);
        panel.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&panel));
    }

    void start(const QStringList& lines)
    {
        panel.setStrings(lines);
        panel.setActive(true);
    }

    // The frame with the first line's top at `offset`, from a fresh start.
    QImage frameAt(const QStringList& lines, int offset = 0)
    {
        start(lines);
        scrollTo(panel, 0, offset);
        return panel.FrameBuffer().copy();
    }

    QImage frameNow() const { return panel.FrameBuffer().copy(); }

    int lineHeight() const { return panel.Scroll().LineHeight; }
    // Where row `index` lies while the first row is at the top edge.
    QRect row(int index) const { return {0, index * lineHeight(), kWidth, lineHeight()}; }
    Ink ink(const QImage& frame, const QRect& area) const { return inkIn(frame, area, panel.Color()); }
    Ink ink(const QImage& frame) const { return ink(frame, frame.rect()); }

    QImage plainFrame(const QColor& color) const
    {
        QImage plain(kWidth, kHeight, QImage::Format_RGB32);
        plain.fill(color);
        return plain;
    }

    QColor gradientAt(int position) const
    {
        return toQColor(credits::GradientColor(fromQColor(panel.BeginColor()), fromQColor(panel.EndColor()),
                                               position, panel.Scroll().RowCount));
    }

    TCRPanel panel;
};

TEST_F(CreditsPanel, StartsWithTheValuesOfItsDesign)
{
    TCRPanel fresh;
    const std::vector<std::pair<const char*, QVariant>> values = {
        {"Strings", QStringList()},
        {"Active", false},
        {"BeginColor", QColor(0x71, 0x71, 0xFF)},
        {"EndColor", QColor(0xFF, 0xFF, 0x80)},
        {"UseGradient", false},
        {"Interval", 1},
        {"Glyph", QImage()},
        {"DrawGlyph", false},
        {"GlyphDrawType", QVariant::fromValue(TCRPanel::dgStrech)},
        {"Alignment", QVariant::fromValue(Qt::Alignment(Qt::AlignHCenter))},
        {"Color", QColor(Qt::black)},
        {"Font", fresh.font()},
    };
    for (const auto& [name, value] : values)
        EXPECT_EQ(fresh.property(name), value) << name;
    EXPECT_EQ(TCRPanel::dgStrech, 0);
    EXPECT_EQ(TCRPanel::dgTile, 1);

    const auto* timer = fresh.findChild<QTimer*>("ScrollTimer");
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(timer->interval(), 10) << "a 1 ms window timer ticks every 10 ms";
}

TEST_F(CreditsPanel, ShowsOnlyItsColourWhileInactiveOrWithoutLines)
{
    panel.setStrings({"EEE", "EEE"});
    panel.setColor(QColor(20, 40, 60));
    EXPECT_EQ(frameNow(), plainFrame(QColor(20, 40, 60))) << "inactive";
    panel.ScrollTimerTimer();
    EXPECT_EQ(panel.Scroll().ScrollOffset, kHeight) << "nothing moves while inactive";

    panel.setStrings({});
    panel.setActive(true);
    panel.ScrollTimerTimer();
    EXPECT_EQ(frameNow(), plainFrame(QColor(20, 40, 60))) << "active without lines";
    EXPECT_EQ(panel.Scroll().ScrollOffset, kHeight);

    panel.setStrings({"EEE"});
    panel.setActive(false);
    panel.setGlyph(QImage(4, 4, QImage::Format_RGB32));
    panel.setDrawGlyph(true);
    EXPECT_EQ(frameNow(), plainFrame(QColor(20, 40, 60))) << "no picture either while inactive";
}

TEST_F(CreditsPanel, RisesOnePixelPerFrameFromBelowTheBottomEdge)
{
    start({"EEE", "EEE", "EEE"});
    EXPECT_EQ(lineHeight(), QFontMetrics(panel.font()).height());
    EXPECT_EQ(panel.Scroll().RowCount, kHeight / (lineHeight() + 3) + 5);
    EXPECT_EQ(panel.Scroll().ScrollOffset, kHeight);
    EXPECT_EQ(ink(frameNow()).count, 0) << "the first line waits just below the edge";
    panel.ScrollTimerTimer();
    EXPECT_EQ(panel.Scroll().ScrollOffset, kHeight - 1);

    for (int frame = 0; frame < lineHeight() && ink(frameNow()).count == 0; ++frame)
        panel.ScrollTimerTimer();
    ASSERT_GT(ink(frameNow()).count, 0) << "the text comes into view within a line height";
    for (int frame = 0; frame < 30; ++frame) {
        const QImage before = frameNow();
        panel.ScrollTimerTimer();
        ASSERT_EQ(frameNow().copy(0, 0, kWidth, kHeight - 1), before.copy(0, 1, kWidth, kHeight - 1))
            << "frame " << frame << " is not the one before moved up by one pixel";
    }
}

TEST_F(CreditsPanel, DrawsTheNextLineAtTheTopEdgeInTwoFramesInARow)
{
    start({"Line A", "Line B", "Line C"});
    scrollTo(panel, 0, -lineHeight());
    const QImage lastOfFirstLine = frameNow();
    EXPECT_GT(ink(lastOfFirstLine, row(0)).count, 0);
    panel.ScrollTimerTimer();
    EXPECT_EQ(panel.Scroll().TopLine, 1u);
    EXPECT_EQ(panel.Scroll().ScrollOffset, 0);
    EXPECT_EQ(frameNow(), lastOfFirstLine);
    panel.ScrollTimerTimer();
    EXPECT_NE(frameNow(), lastOfFirstLine);
}

TEST_F(CreditsPanel, StartsAgainFromBelowOnceTheLastLineHasGone)
{
    const QImage firstPass = frameAt({"EEE", "Last"}, 40);
    scrollTo(panel, 1, -lineHeight());
    panel.ScrollTimerTimer();
    EXPECT_EQ(panel.Scroll().TopLine, 0u);
    EXPECT_EQ(panel.Scroll().ScrollOffset, kHeight);
    EXPECT_EQ(frameNow(), plainFrame(Qt::black)) << "the panel is empty for a moment";
    scrollTo(panel, 0, 40);
    EXPECT_EQ(frameNow(), firstPass) << "the second pass looks as the first";
}

TEST_F(CreditsPanel, PaintingShowsTheFrameWithoutMovingTheText)
{
    start({"EEE", "EEE"});
    scrollTo(panel, 0, 30);
    const QImage shown = frameNow();
    for (int paint = 0; paint < 3; ++paint)
        panel.repaint();
    QApplication::processEvents();
    EXPECT_EQ(panel.Scroll().ScrollOffset, 30);
    EXPECT_EQ(frameNow(), shown);
    EXPECT_EQ(panel.grab().toImage().convertToFormat(QImage::Format_RGB32), shown) << "the panel shows its frame";
}

TEST_F(CreditsPanel, TheTimerMovesTheTextAndIntervalZeroHoldsIt)
{
    const auto* timer = panel.findChild<QTimer*>("ScrollTimer");
    start({"EEE", "EEE"});
    EXPECT_FALSE(timer->isActive()) << "interval 0";

    panel.setInterval(1);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 10);
    EXPECT_EQ(panel.Scroll().ScrollOffset, kHeight) << "a new interval moves on from where the text is";
    EXPECT_TRUE(QTest::qWaitFor([&] { return panel.Scroll().ScrollOffset < kHeight - 2; }, 20000));

    panel.setInterval(0);
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(panel.Interval(), 0);
    const int held = panel.Scroll().ScrollOffset;
    panel.setInterval(25);
    EXPECT_EQ(timer->interval(), 25);
    EXPECT_EQ(panel.Scroll().ScrollOffset, held);

    panel.setActive(false);
    EXPECT_FALSE(timer->isActive());
    panel.setInterval(0);
    panel.setActive(true);
    EXPECT_FALSE(timer->isActive()) << "active, but held";
}

TEST_F(CreditsPanel, BoldTagsInEitherCaseDrawTheWordInBold)
{
    const QImage lower = frameAt({"<b>Programming:</b>"});
    const QImage upper = frameAt({"<B>Programming:</B>"});
    const QImage plain = frameAt({"Programming:"});
    EXPECT_EQ(upper, lower);
    EXPECT_GT(ink(lower).count, ink(plain).count);
    EXPECT_GT(ink(lower).box.width(), ink(plain).box.width());
}

TEST_F(CreditsPanel, TheProductNameIsBoldAndBlueAndTheNextLinePlainInTheFontColour)
{
    const QImage frame = frameAt({"<b><nblue>Calcora 2.01</n></b>", "Calcora 2.01"});
    const QImage boldWhite = frameAt({"<b>Calcora 2.01</b>"});
    const QImage plainWhite = frameAt({"Calcora 2.01"});

    const Ink name = ink(frame, row(0));
    EXPECT_TRUE(name.onlyChannelsOf(Qt::blue));
    EXPECT_TRUE(nearlySameColor(name.strongest, Qt::blue)) << name.strongest.name().toStdString();
    // The same strokes as the bold word in white, in the blue channel alone.
    bool boldShape = true;
    for (int y = 0; y < lineHeight(); ++y)
        for (int x = 0; x < kWidth; ++x)
            boldShape = boldShape && qBlue(frame.pixel(x, y)) == qRed(boldWhite.pixel(x, y));
    EXPECT_TRUE(boldShape);
    EXPECT_GT(ink(boldWhite, row(0)).count, ink(plainWhite, row(0)).count);

    EXPECT_EQ(frame.copy(row(1)), plainWhite.copy(row(0))) << "plain and in the font colour again";
}

TEST_F(CreditsPanel, AWordBeginningWithBTurnsBoldOnAndShowsTheRestAfterItsSecondLetter)
{
    panel.setAlignment(Qt::AlignLeft);
    const QImage word = frameAt({"<bold>face"});
    EXPECT_EQ(word, frameAt({"<b>ld>face"}));
    EXPECT_NE(word, frameAt({"ld>face"}));
}

TEST_F(CreditsPanel, TwoLessThanSignsDrawOneInMidLine)
{
    panel.setAlignment(Qt::AlignLeft);
    const int sign = ink(frameAt({"<<"})).count;
    const int letter = ink(frameAt({"H"})).count;
    ASSERT_GT(sign, 0);
    EXPECT_EQ(ink(frameAt({"H<<H"})).count, letter + sign + letter);
    EXPECT_EQ(ink(frameAt({"H<<<<H"})).count, letter + 2 * sign + letter);
}

TEST_F(CreditsPanel, ColourTagsNameTheColourOrGiveItBlueFirst)
{
    const std::vector<std::pair<QString, QColor>> table = {
        {"<cFF0000>EEE", QColor(0, 0, 255)},
        {"<c0000ff>EEE", QColor(255, 0, 0)},
        {"<C800000>EEE", QColor(0, 0, 128)},
        {"<nblue>EEE", QColor(0, 0, 255)},
        {"<NFuchsia>EEE", QColor(255, 0, 255)},
        {"<nNoSuchColour>EEE", QColor(255, 255, 255)},
        {"<cXYZ>EEE", QColor(255, 255, 255)},
        {"<cFF0000>EEE</c>EEE", QColor(255, 255, 255)},
    };
    for (const auto& [line, color] : table) {
        SCOPED_TRACE(line.toStdString());
        panel.setAlignment(Qt::AlignRight); // the last piece is at the right edge
        const QImage frame = frameAt({line});
        const QRect lastWord(kWidth - 30, 0, 30, lineHeight());
        const Ink text = ink(frame, lastWord);
        EXPECT_TRUE(text.onlyChannelsOf(color));
        EXPECT_TRUE(nearlySameColor(text.strongest, color)) << text.strongest.name().toStdString();
    }
}

TEST_F(CreditsPanel, ANamedColourOverTheGradientColoursOnlyTheRestOfItsLine)
{
    panel.setUseGradient(true);
    const QImage frame = frameAt({"EEE", "<nred>EEE", "EEE"});
    EXPECT_TRUE(nearlySameColor(ink(frame, row(0)).strongest, gradientAt(0)));
    EXPECT_TRUE(nearlySameColor(ink(frame, row(1)).strongest, Qt::red));
    EXPECT_TRUE(nearlySameColor(ink(frame, row(2)).strongest, gradientAt(2)));
    EXPECT_FALSE(nearlySameColor(gradientAt(0), gradientAt(2)));

    // The gradient follows the rows as they rise: a line height up, a step back.
    scrollTo(panel, 1, 0);
    EXPECT_TRUE(nearlySameColor(ink(frameNow(), row(1)).strongest, gradientAt(1)));
}

TEST_F(CreditsPanel, WithoutTheGradientANamedColourStaysUntilItIsClosed)
{
    const std::vector<std::tuple<QStringList, std::vector<QColor>>> table = {
        // The colour comes round to the first line again in the next frames.
        {{"EEE", "<nred>EEE", "EEE"}, {Qt::red, Qt::red, Qt::red}},
        {{"EEE", "<nred>EEE", "</n>EEE"}, {Qt::white, Qt::red, Qt::white}},
        {{"EEE", "<nred>EEE", "</c>EEE"}, {Qt::white, Qt::red, Qt::white}},
        {{"<nred>EEE", "EEE", "EEE"}, {Qt::red, Qt::red, Qt::red}},
    };
    for (const auto& [lines, colors] : table) {
        SCOPED_TRACE(lines.join(" | ").toStdString());
        for (int frames = 0; frames < 2; ++frames) {
            const QImage frame = frames == 0 ? frameAt(lines) : frameNow();
            for (int index = 0; index < 3; ++index)
                EXPECT_TRUE(nearlySameColor(ink(frame, row(index)).strongest, colors[index])) << "row " << index;
            panel.ScrollTimerTimer();
        }
    }
}

TEST_F(CreditsPanel, PlacesLinesByTheirWidthWithoutTags)
{
    const std::vector<std::pair<Qt::Alignment, const char*>> alignments = {
        {Qt::AlignLeft, "left"}, {Qt::AlignRight, "right"}, {Qt::AlignHCenter, "centre"}};
    for (const auto& [alignment, name] : alignments) {
        SCOPED_TRACE(name);
        panel.setAlignment(alignment);
        const QImage plain = frameAt({"Word"});
        EXPECT_EQ(frameAt({"<u></u>Word<i></i>"}), plain) << "tags take no room";
        const QRect box = ink(plain).box;
        const int leftMargin = box.left();
        const int rightMargin = kWidth - 1 - box.right();
        if (alignment == Qt::AlignLeft) {
            EXPECT_LE(leftMargin, 2);
        } else if (alignment == Qt::AlignRight) {
            EXPECT_LE(rightMargin, 2);
        } else {
            EXPECT_LE(std::abs(leftMargin - rightMargin), 2);
        }
    }

    // A bold word is centred by its plain width: it starts where the plain word starts.
    panel.setAlignment(Qt::AlignHCenter);
    const QRect plain = ink(frameAt({"Programming:"})).box;
    const QRect bold = ink(frameAt({"<b>Programming:</b>"})).box;
    EXPECT_LE(std::abs(bold.left() - plain.left()), 1);
    EXPECT_GT(bold.right(), plain.right() + 3);
}

TEST_F(CreditsPanel, DrawsItsPictureStretchedOrTiledBeneathTheText)
{
    QImage tile(3, 2, QImage::Format_RGB32);
    const QRgb colors[] = {qRgb(200, 0, 0), qRgb(0, 200, 0), qRgb(0, 0, 200),
                           qRgb(200, 200, 0), qRgb(0, 200, 200), qRgb(200, 0, 200)};
    for (int index = 0; index < 6; ++index)
        tile.setPixel(index % 3, index / 3, colors[index]);
    panel.setGlyph(tile);
    panel.setDrawGlyph(true);
    panel.setGlyphDrawType(TCRPanel::dgTile);
    start({" "});
    const QImage tiled = frameNow();
    bool repeated = true;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            repeated = repeated && tiled.pixel(x, y) == tile.pixel(x % 3, y % 2);
    EXPECT_TRUE(repeated) << "repeated from the top left corner, cut at the edges";

    QImage halves(2, 1, QImage::Format_RGB32);
    halves.setPixel(0, 0, qRgb(255, 0, 0));
    halves.setPixel(1, 0, qRgb(0, 255, 0));
    panel.setGlyph(halves);
    panel.setGlyphDrawType(TCRPanel::dgStrech);
    const QImage stretched = frameNow();
    EXPECT_EQ(stretched.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(stretched.pixel(99, kHeight - 1), qRgb(255, 0, 0));
    EXPECT_EQ(stretched.pixel(100, 0), qRgb(0, 255, 0));
    EXPECT_EQ(stretched.pixel(kWidth - 1, kHeight - 1), qRgb(0, 255, 0));

    panel.setDrawGlyph(false);
    EXPECT_EQ(frameNow(), plainFrame(Qt::black));
}

TEST_F(CreditsPanel, AnEmptyPictureDrawsNothing)
{
    panel.setColor(QColor(1, 2, 3));
    panel.setDrawGlyph(true);
    start({" "});
    for (const auto type : {TCRPanel::dgTile, TCRPanel::dgStrech}) {
        for (const QImage& empty : {QImage(), QImage(0, 5, QImage::Format_RGB32), QImage(5, 0, QImage::Format_RGB32)}) {
            panel.setGlyphDrawType(type);
            panel.setGlyph(empty);
            panel.ScrollTimerTimer();
            EXPECT_EQ(frameNow(), plainFrame(QColor(1, 2, 3))) << type;
        }
    }
}

TEST_F(CreditsPanel, ChangesOfLinesColourFontPictureAndSizeStartAgainInPlainFontColour)
{
    // The twelfth line leaves bold red behind for the frames after it, until a restart.
    QStringList lines(11, "EEE");
    lines << "<b><nred>EEE" << "EEE" << "EEE";
    const Ink fresh = ink(frameAt(lines), row(0));

    struct Change {
        const char* name;
        std::function<void()> make;
        bool restarts;
        bool sameLook;
    };
    const std::vector<Change> changes = {
        {"Strings", [&] { panel.setStrings(lines); }, true, true},
        {"a line added", [&] { panel.appendLine("EEE"); }, true, true},
        {"Active", [&] { panel.setActive(true); }, true, true},
        {"Glyph", [&] { panel.setGlyph(QImage(2, 2, QImage::Format_RGB32)); }, true, true},
        {"Color", [&] { panel.setColor(QColor(0, 0, 64)); }, true, false},
        {"Font", [&] { QFont font = elevenPixelFont(); font.setPixelSize(12); panel.setFont(font); }, true, false},
        {"the font colour", [&] { setTextColor(&panel, Qt::yellow); }, true, false},
        {"the size", [&] { panel.resize(kWidth, kHeight + 7); }, true, false},
        {"BeginColor", [&] { panel.setBeginColor(Qt::green); }, false, true},
        {"EndColor", [&] { panel.setEndColor(Qt::green); }, false, true},
        {"UseGradient", [&] { panel.setUseGradient(false); }, false, true},
        {"Alignment", [&] { panel.setAlignment(Qt::AlignLeft); }, false, true},
        {"DrawGlyph", [&] { panel.setDrawGlyph(false); }, false, true},
        {"GlyphDrawType", [&] { panel.setGlyphDrawType(TCRPanel::dgTile); }, false, true},
        {"Interval", [&] { panel.setInterval(0); }, false, true},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.name);
        panel.setFont(elevenPixelFont());
        setTextColor(&panel, Qt::white);
        panel.setColor(Qt::black);
        panel.resize(kWidth, kHeight);
        start(lines);
        scrollTo(panel, 5, 0);
        ASSERT_TRUE(nearlySameColor(ink(frameNow(), row(0)).strongest, Qt::red));

        change.make();
        if (!change.restarts) {
            EXPECT_EQ(panel.Scroll().TopLine, 5u);
            EXPECT_EQ(panel.Scroll().ScrollOffset, 0);
            continue;
        }
        EXPECT_EQ(panel.Scroll().TopLine, 0u);
        EXPECT_EQ(panel.Scroll().ScrollOffset, panel.height());
        scrollTo(panel, 0, 0);
        const Ink first = ink(frameNow(), row(0));
        EXPECT_TRUE(nearlySameColor(first.strongest, panel.palette().color(QPalette::WindowText)))
            << first.strongest.name().toStdString();
        if (change.sameLook) {
            EXPECT_EQ(first.count, fresh.count) << "plain style again";
        }
    }
}

// Run by the suite with QT_SCALE_FACTOR=2 as well (see CMakeLists.txt).
TEST_F(CreditsPanel, IsDrawnAtTheScreensPixelDensity)
{
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
    if (scale <= 1.0)
        GTEST_SKIP() << "the screen has one device pixel per pixel";
    const qreal ratio = panel.devicePixelRatioF();
    ASSERT_EQ(ratio, scale);
    const QImage frame = frameAt({"EEE", "Calcora 2.01"}, 20);
    EXPECT_EQ(frame.size(), QSize(kWidth, kHeight) * ratio);
    EXPECT_EQ(panel.FrameBuffer().devicePixelRatio(), ratio);
    EXPECT_EQ(panel.Scroll().BufferHeight, kHeight) << "the text moves in logical pixels";

    // Sharp: not a picture of the low-density frame blown up, where each pixel fills a square.
    bool finerThanPixels = false;
    for (int y = 0; y + 1 < frame.height() && !finerThanPixels; y += 2)
        for (int x = 0; x + 1 < frame.width() && !finerThanPixels; x += 2)
            finerThanPixels = frame.pixel(x, y) != frame.pixel(x + 1, y) || frame.pixel(x, y) != frame.pixel(x, y + 1);
    EXPECT_TRUE(finerThanPixels);

    panel.ScrollTimerTimer();
    const int step = qRound(ratio);
    EXPECT_EQ(frameNow().copy(0, 0, frame.width(), frame.height() - step),
              frame.copy(0, step, frame.width(), frame.height() - step))
        << "one logical pixel per frame";
}

} // namespace
