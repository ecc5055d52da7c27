#include "AnimationControl.h"
#include "AviFile.h"
#include "DisplayText.h"
#include "Screenshots.h"
#include "TestAvi.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>

namespace {

const std::string kShippedAnimation = CALCORA_MEDIA_DIR "/update.avi";

// The shipped movie's frames as the decoder gives them, to compare with what the control shows.
std::vector<QImage> shippedFrames()
{
    std::ifstream file(kShippedAnimation, std::ios::binary);
    const AviBytes bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const AviMovie movie = decodeAvi(bytes);
    std::vector<QImage> frames;
    for (const std::vector<std::uint32_t>& pixels : movie.frames) {
        QImage frame(movie.width, movie.height, QImage::Format_RGB32);
        std::memcpy(frame.bits(), pixels.data(), pixels.size() * sizeof(std::uint32_t));
        frames.push_back(frame);
    }
    return frames;
}

class AnimationControlTest : public testing::Test {
protected:
    AnimationControlTest() { control.resize(48, 48); }

    QTimer* frameTimer() const { return control.findChild<QTimer*>("frameTimer"); }

    // One tick of the control's own timer, as its event loop would deliver it.
    void tick(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QMetaObject::invokeMethod(frameTimer(), "timeout", Qt::DirectConnection);
    }

    QImage shown() { return control.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    bool timerRuns() const { return frameTimer() != nullptr && frameTimer()->isActive(); }

    std::string writeFile(const char* name, const QByteArray& bytes)
    {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return nativeFilePath(file.fileName());
    }

    QTemporaryDir folder;
    AnimationControl control;
};

TEST_F(AnimationControlTest, PlaysFromTheFirstFrameToTheStopFrameAndStartsAgain)
{
    const std::vector<QImage> frames = shippedFrames();
    ASSERT_EQ(frames.size(), 48u);
    control.setFileName(kShippedAnimation);
    control.setStopFrame(45);
    control.setActive(true);
    ASSERT_TRUE(timerRuns());
    EXPECT_EQ(frameTimer()->interval(), 83); // 12 frames a second

    struct Step {
        int ticks;         // since the last step
        int expectedFrame; // then on show
    };
    int ticks = 0;
    for (const Step& step : {Step{0, 0}, Step{1, 1}, Step{43, 44}, Step{1, 45}, Step{1, 0}, Step{1, 1}, Step{45, 0}}) {
        tick(step.ticks);
        ticks += step.ticks;
        SCOPED_TRACE(testing::Message() << "after " << ticks << " ticks");
        EXPECT_EQ(control.currentFrame(), step.expectedFrame);
        EXPECT_EQ(shown(), frames[static_cast<std::size_t>(step.expectedFrame)]);
        EXPECT_TRUE(timerRuns());
    }
}

TEST_F(AnimationControlTest, InactiveItShowsTheFirstFrameAndRunsNoTimer)
{
    const std::vector<QImage> frames = shippedFrames();
    control.setFileName(kShippedAnimation);
    EXPECT_FALSE(control.isActive());
    EXPECT_FALSE(timerRuns());
    EXPECT_EQ(shown(), frames[0]);

    control.setActive(true);
    tick(10);
    ASSERT_EQ(shown(), frames[10]);
    control.setActive(false);
    EXPECT_FALSE(control.isActive());
    EXPECT_FALSE(timerRuns());
    EXPECT_EQ(control.currentFrame(), 0);
    EXPECT_EQ(shown(), frames[0]);

    control.setActive(true);
    EXPECT_TRUE(timerRuns());
    EXPECT_EQ(control.currentFrame(), 0);
}

TEST_F(AnimationControlTest, PlaysNoFurtherThanTheMovieHasFrames)
{
    struct Case {
        int stopFrame, ticks, expectedFrame;
        bool timerRuns;
    };
    control.setFileName(kShippedAnimation);
    control.setActive(true);
    for (const Case& c : {Case{47, 47, 47, true}, Case{47, 48, 0, true}, Case{100, 47, 47, true},
                          Case{100, 48, 0, true}, Case{1, 3, 1, true}, Case{0, 0, 0, false}}) {
        SCOPED_TRACE(testing::Message() << "stop frame " << c.stopFrame << ", " << c.ticks << " ticks");
        control.setStopFrame(c.stopFrame);
        EXPECT_EQ(control.currentFrame(), 0);
        tick(c.ticks);
        EXPECT_EQ(control.currentFrame(), c.expectedFrame);
        EXPECT_EQ(timerRuns(), c.timerRuns);
    }
}

TEST_F(AnimationControlTest, FollowsTheFileFrameRateAsAWindowTimer)
{
    struct Case {
        std::uint32_t microsecondsPerFrame;
        int interval;
    };
    for (const Case& c : {Case{83'333, 83}, Case{250'000, 250}, Case{66'667, 67}, Case{1'000, 10}, Case{1, 10}}) {
        SCOPED_TRACE(c.microsecondsPerFrame);
        const AviBytes frame = storedPixels({0x336699, 0x996633}, 2, 1, 24);
        const AviBytes movie = aviBytes({.width = 2, .height = 1, .microsecondsPerFrame = c.microsecondsPerFrame,
                                         .frames = {frame, frame}});
        control.setFileName(writeFile("rate.avi", QByteArray(reinterpret_cast<const char*>(movie.data()),
                                                             static_cast<qsizetype>(movie.size()))));
        control.setActive(true);
        ASSERT_EQ(control.frameCount(), 2);
        EXPECT_EQ(frameTimer()->interval(), c.interval);
        control.setActive(false);
    }
}

TEST_F(AnimationControlTest, AFileItCannotReadLeavesItBlankWithoutAnError)
{
    QFile shipped(QString::fromStdString(kShippedAnimation));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray movie = shipped.readAll();

    const std::vector<std::pair<const char*, std::string>> unreadable = {
        {"no name", ""},
        {"a missing file", nativeFilePath(folder.filePath("missing.avi"))},
        {"a folder", nativeFilePath(folder.path())},
        {"an empty file", writeFile("empty.avi", {})},
        {"a text file", writeFile("text.avi", "RIFF is how a movie starts, but this is text.\n")},
        {"a movie cut short", writeFile("cut.avi", movie.left(movie.size() / 2))},
    };
    // Whatever lies behind the control shows through where it draws nothing.
    control.setAutoFillBackground(true);
    control.setPalette(QPalette(Qt::magenta));
    QImage blank(48, 48, QImage::Format_RGB32);
    blank.fill(Qt::magenta);
    for (const auto& [name, path] : unreadable) {
        SCOPED_TRACE(name);
        control.setFileName(kShippedAnimation);
        control.setActive(true);
        ASSERT_EQ(control.frameCount(), 48);
        control.setFileName(path);
        EXPECT_EQ(control.frameCount(), 0);
        EXPECT_FALSE(timerRuns());
        EXPECT_EQ(shown(), blank);
        control.setActive(false);
    }
}

// Pictures of the control in a window, a third of the way through the movie each, for a
// person to look at.
TEST_F(AnimationControlTest, Screenshots)
{
    QWidget window;
    window.resize(66, 66);
    AnimationControl* animation = new AnimationControl(&window);
    animation->setGeometry(9, 9, 48, 48);
    animation->setFileName(kShippedAnimation);
    animation->setActive(true);
    QTimer* timer = animation->findChild<QTimer*>("frameTimer");
    for (int frame : {0, 16, 32}) {
        for (int ticks = 0; animation->currentFrame() < frame && ticks < 48; ++ticks)
            QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
        EXPECT_EQ(animation->currentFrame(), frame);
        EXPECT_TRUE(saveScreenshot(window, QString("animation-frame-%1").arg(frame)));
    }
}

} // namespace
