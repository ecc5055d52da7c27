// The sample update server in updates/: its list offers files that are there, the German
// language pack fits every place the program shows its texts, and the offered background
// makes a seamless, quiet wallpaper.

#include "BitmapFile.h"
#include "DisplayText.h"
#include "LanguagePack.h"
#include "UpdateList.h"

#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QStringDecoder>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

const std::string kUpdates = CALCORA_UPDATES_DIR;
const std::string kMedia = CALCORA_MEDIA_DIR;

QByteArray contents(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    return file.readAll();
}

TEST(UpdateServerFiles, BothListAddressesOfferTheGermanPackAndASecondBackground)
{
    const QByteArray list = contents(kUpdates + "/update201");
    EXPECT_EQ(contents(kUpdates + "/update"), list);
    // Every character but ":" belongs to an item: a line break or space would be part of a name.
    EXPECT_FALSE(list.contains('\n') || list.contains('\r') || list.endsWith(' ') || list.endsWith(':'));

    // Read by the update checker's own rules, where case counts and where it does not, every
    // item is an update that the program offers and installs.
    for (const bool ignoreCase : {false, true}) {
        const auto offered = arrangeUpdates(list.toStdString(), ignoreCase, [](const auto&, const auto&) { return false; });
        ASSERT_EQ(offered.size(), static_cast<std::size_t>(list.count(':') + 1));
        EXPECT_EQ(offered[0].kind, UpdateKind::LanguagePack);
        EXPECT_EQ(offered[1].kind, UpdateKind::Background);
        EXPECT_TRUE(isUsableLanguagePack(contents(kUpdates + "/" + offered[0].file).toStdString()));
        QImage picture;
        EXPECT_NO_THROW(loadBitmapFile(picture, kUpdates + "/" + offered[1].file));
    }
}

std::vector<QString> packLines(const std::string& path)
{
    LanguagePack pack;
    pack.Load(path);
    std::vector<QString> lines;
    for (int i = 0; i < pack.Count(); ++i)
        lines.push_back(displayText(pack.Get(i)));
    return lines;
}

// How a text ends tells its kind: a heading ends in ":", a caption that opens a dialog in
// "...", a verdict in "!", a sentence in ".". A line out of place shows as a changed ending.
QString ending(const QString& text)
{
    for (const char* mark : {"...", ":", "!", ".", "?"})
        if (text.endsWith(mark))
            return mark;
    return {};
}

TEST(UpdateServerFiles, TheGermanPackHasEveryLineInItsPlace)
{
    const QByteArray bytes = contents(kUpdates + "/deutsch.lng");
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    EXPECT_FALSE(utf8.hasError());
    EXPECT_TRUE(text.contains(QString::fromUtf8("Zurück")));
    EXPECT_EQ(bytes.count("\r\n"), kPackLinesKnown);
    EXPECT_TRUE(bytes.endsWith("\r\n"));

    const std::vector<QString> german = packLines(kUpdates + "/deutsch.lng");
    const std::vector<QString> english = packLines(kMedia + "/english.lng");
    ASSERT_EQ(german.size(), LanguagePack::kReadLines);
    ASSERT_EQ(english.size(), german.size());
    for (std::size_t line = 0; line < german.size(); ++line) {
        SCOPED_TRACE(testing::Message() << "line " << line << ": " << german[line].toStdString());
        EXPECT_FALSE(german[line].trimmed().isEmpty());
        EXPECT_EQ(german[line], german[line].trimmed());
        EXPECT_EQ(ending(german[line]).toStdString(), ending(english[line]).toStdString());
    }
}

QFont pixelFont(int pixels, bool bold = false)
{
    QFont font("MS Sans Serif");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// Where a text is shown on one line, and the room it has there.
struct Place {
    const char* where;
    int line;
    const char* before;
    const char* after;
    QFont font;
    int room; // pixels: a button's width less its frame and picture, or a label's space
};

TEST(UpdateServerFiles, GermanTextsFitWhereTheyAreShown)
{
    const std::vector<QString> german = packLines(kUpdates + "/deutsch.lng");
    const std::vector<QString> english = packLines(kMedia + "/english.lng");
    ASSERT_EQ(german.size(), english.size());

    const QFont window = pixelFont(11);
    const QFont settings("MS Sans Serif", 8);
    const QFont verdict = pixelFont(32);
    const std::vector<Place> places = {
        {"operation button", 4, "", " (+)", window, 98},
        {"operation button", 5, "", " (-)", window, 98},
        {"operation button", 6, "", " (x)", window, 98},
        {"operation button", 7, "", " (:)", window, 98},
        {"menu button", 8, "", "", window, 78},
        {"level button", 13, "", " 3", window, 98},
        {"back button", 18, "<<< ", "", window, 68},
        {"next button", 19, "", " >>>", window, 68},
        {"verdict between back and next", 20, "", "", verdict, 188},
        {"verdict between back and next", 21, "", "", verdict, 188},
        {"quiz row", 6, "", " (x)", window, 96},
        {"quiz column", 13, "", " 3", window, 56},
        {"compose button", 22, "", "", window, 151},
        {"font button", 25, "", "", window, 93},
        {"copy button", 26, "", "", window, 93},
        {"print button", 27, "", "", window, 73},
        {"save button", 28, "", "", window, 73},
        {"settings OK", 0, "", "", settings, 53},
        {"settings Cancel", 1, "", "", settings, 53},
        {"on switch", 2, "", "", settings, 29},
        {"off switch", 3, "", "", settings, 29},
        {"settings label", 32, "", ":", settings, 108},
        {"settings label", 33, "", ":", settings, 108},
        {"settings label", 35, "", ":", settings, 108},
        {"settings label", 37, "", ":", settings, 108},
        {"settings label", 39, "", ":", settings, 108},
        {"settings label", 43, "", ":", settings, 108},
        {"sound row label", 41, "", " 6:", settings, 84},
        {"browse button", 34, "", "", settings, 58},
        {"defaults button", 48, "", "", settings, 98},
        {"colour sample", 47, "", "", pixelFont(11, true), 180},
        {"update cancel", 1, "", "", window, 63},
        {"update back", 50, "<<< ", "", window, 63},
        {"update start", 51, "", " >>>", window, 63},
        {"update next", 19, "", " >>>", window, 63},
        {"update close", 56, "", "", window, 63},
        {"update install", 57, "", "...", window, 63},
        {"update list heading", 54, "", "", window, 208},
        {"update list entry", 55, "", "", window, 185},
        {"level heading", 14, "", "", window, 225},
    };
    // Where even the English caption comes within two letters of filling its place in this
    // font, the German one may be a fifth wider: "Zurück" and "Weiter" have no shorter words.
    for (const Place& place : places) {
        const auto width = [&](std::size_t line, const std::vector<QString>& pack) {
            return QFontMetrics(place.font).horizontalAdvance(place.before + pack[line] + place.after);
        };
        const auto line = static_cast<std::size_t>(place.line);
        const int englishWidth = width(line, english);
        const double allowed = englishWidth > place.room - 12 ? std::max<double>(place.room, 1.2 * englishWidth) : place.room;
        EXPECT_LE(width(line, german), allowed) << place.where << ", line " << line << ": " << german[line].toStdString();
    }

    // The level panel shows one level a line, 225 pixels wide.
    const QFontMetrics panel(window);
    for (int level = 1; level <= 3; ++level) {
        const QString line = german[13] + QString(" %1: ").arg(level) + german[static_cast<std::size_t>(14 + level)];
        EXPECT_LE(panel.horizontalAdvance(line), 225) << line.toStdString();
    }
    // Download figures, with the largest file the server might send.
    EXPECT_LE(panel.horizontalAdvance(german[58] + ": 1234567 " + german[59] + ": 1234567"), 208);
    // The update checker's messages wrap at 208 pixels above the download figures at 72.
    const QString name = "Chalkboard background";
    for (const QString& message : {german[49], german[52], german[53], german[63], german[60] + ": " + name + "..."}) {
        const QRect wrapped = panel.boundingRect(QRect(0, 0, 208, 1000), Qt::TextWordWrap, message);
        EXPECT_LE(8 + wrapped.height(), 72) << message.toStdString();
    }
}

double relativeLuminance(QRgb colour)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) + 0.0722 * linear(qBlue(colour));
}

// Mean difference of neighbouring pixel columns: between column x and x + 1, wrapping round.
double columnStep(const QImage& tile, int x)
{
    double sum = 0;
    for (int y = 0; y < tile.height(); ++y) {
        const QRgb a = tile.pixel(x, y);
        const QRgb b = tile.pixel((x + 1) % tile.width(), y);
        sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
    }
    return sum / tile.height();
}

TEST(UpdateServerFiles, EveryWallpaperIsSeamlessAndDarkBehindWhiteText)
{
    for (const std::string& path : {kMedia + "/bg.bmp", kUpdates + "/chalkboard.bmp"}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(contents(path).at(28), 24) << "bits per pixel";
        QImage tile;
        loadBitmapFile(tile, path);
        ASSERT_GE(tile.width(), 32);
        for (const QImage& across : {tile, tile.transformed(QTransform().rotate(90))}) {
            double inside = 0;
            for (int x = 0; x + 1 < across.width(); ++x)
                inside += columnStep(across, x);
            inside /= across.width() - 1;
            EXPECT_LE(columnStep(across, across.width() - 1), 2 * inside) << "a seam where the tile repeats";
        }
        double lowestContrast = 21; // white on black
        for (int y = 0; y < tile.height(); ++y)
            for (int x = 0; x < tile.width(); ++x)
                lowestContrast = std::min(lowestContrast, 1.05 / (relativeLuminance(tile.pixel(x, y)) + 0.05));
        EXPECT_GE(lowestContrast, 7.0) << "contrast of white text";
    }

    QImage shipped, offered;
    loadBitmapFile(shipped, kMedia + "/bg.bmp");
    loadBitmapFile(offered, kUpdates + "/chalkboard.bmp");
    const auto mean = [](const QImage& tile) {
        const QImage one = tile.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return one.pixel(0, 0);
    };
    const QRgb a = mean(shipped), b = mean(offered);
    EXPECT_GE(std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)), 30)
        << "the offered background looks like the shipped one";
}

} // namespace
