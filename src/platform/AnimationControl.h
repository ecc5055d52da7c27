#pragma once

#include <QWidget>

#include <string>

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
};
