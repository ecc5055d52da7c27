#include "AnimationControl.h"

#include "AviFile.h"
#include "DisplayText.h"
#include "WindowTimer.h"

#include <QFile>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <cstring>
#include <span>

namespace {

// The whole file, or nothing when it cannot be read or is too large to be a movie.
QByteArray fileContents(const std::string& path)
{
    QFile file(qtFilePath(path));
    if (path.empty() || !file.open(QIODevice::ReadOnly) || file.size() > qint64{kAviLargestFile})
        return {};
    return file.readAll();
}

std::vector<QImage> framePictures(const AviMovie& movie)
{
    std::vector<QImage> pictures;
    pictures.reserve(movie.frames.size());
    const std::size_t rowBytes = static_cast<std::size_t>(movie.width) * sizeof(std::uint32_t);
    for (const std::vector<std::uint32_t>& frame : movie.frames) {
        QImage picture(movie.width, movie.height, QImage::Format_RGB32);
        if (picture.isNull())
            return {};
        for (int y = 0; y < movie.height; ++y)
            std::memcpy(picture.scanLine(y), frame.data() + static_cast<std::size_t>(y) * movie.width, rowBytes);
        pictures.push_back(std::move(picture));
    }
    return pictures;
}

int timerMilliseconds(std::uint32_t microseconds)
{
    return static_cast<int>(std::max<std::uint64_t>((std::uint64_t{microseconds} + 500) / 1000, 1));
}

} // namespace

AnimationControl::AnimationControl(QWidget* parent)
    : QWidget(parent), stopFrame_(INT_MAX), frameTimer_(new QTimer(this))
{
    frameTimer_->setObjectName("frameTimer");
    connect(frameTimer_, &QTimer::timeout, this, &AnimationControl::showNextFrame);
}

AnimationControl::~AnimationControl() = default;

void AnimationControl::setFileName(const std::string& path)
{
    const QByteArray bytes = fileContents(path);
    const AviMovie movie = decodeAvi(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                               static_cast<std::size_t>(bytes.size())));
    frames_ = framePictures(movie);
    if (!frames_.empty())
        setWindowTimerInterval(*frameTimer_, timerMilliseconds(movie.microsecondsPerFrame));
    restart();
}

void AnimationControl::setStopFrame(int frame)
{
    stopFrame_ = std::max(frame, 0);
    restart();
}

void AnimationControl::setActive(bool active)
{
    if (active == active_)
        return;
    active_ = active;
    restart();
}

bool AnimationControl::isActive() const
{
    return active_;
}

int AnimationControl::frameCount() const
{
    return static_cast<int>(frames_.size());
}

int AnimationControl::currentFrame() const
{
    return currentFrame_;
}

QSize AnimationControl::sizeHint() const
{
    return frames_.empty() ? QSize(0, 0) : frames_.front().size();
}

void AnimationControl::paintEvent(QPaintEvent*)
{
    if (frames_.empty())
        return;
    const QImage& frame = frames_[static_cast<std::size_t>(currentFrame_)];
    QPainter painter(this);
    painter.drawImage(QPoint((width() - frame.width()) / 2, (height() - frame.height()) / 2), frame);
}

void AnimationControl::showNextFrame()
{
    currentFrame_ = currentFrame_ >= lastPlayedFrame() ? 0 : currentFrame_ + 1;
    update();
}

int AnimationControl::lastPlayedFrame() const
{
    return std::min(stopFrame_, frameCount() - 1);
}

// Back to the first frame, with the timer running only when there is something to play.
void AnimationControl::restart()
{
    currentFrame_ = 0;
    if (active_ && lastPlayedFrame() > 0)
        frameTimer_->start();
    else
        frameTimer_->stop();
    update();
}
