#pragma once

#include <QImage>
#include <QWidget>

#include <string>
#include <vector>

class QTimer;

// A small movie player for a window's decoration: it shows the frames of an uncompressed AVI
// file and, while active, plays them from the first frame to the stop frame over and over at
// the file's own frame rate. While inactive it shows the first frame and runs no timer.
// A file that is missing or cannot be decoded leaves the control blank; that is not an error.
class AnimationControl : public QWidget {
    Q_OBJECT

public:
    explicit AnimationControl(QWidget* parent = nullptr);
    ~AnimationControl() override;

    void setFileName(const std::string& path);
    // The last frame played before the movie starts again (counted from 0).
    void setStopFrame(int frame);
    void setActive(bool active);
    bool isActive() const;

    // The frames of the file now set (none when it could not be read), and the one on show.
    int frameCount() const;
    int currentFrame() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showNextFrame();
    // The last frame played: the stop frame, or the movie's last frame when it has fewer.
    int lastPlayedFrame() const;
    void restart();

    std::vector<QImage> frames_;
    int stopFrame_;
    int currentFrame_ = 0;
    bool active_ = false;
    QTimer* frameTimer_;
};
