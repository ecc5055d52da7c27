#pragma once

#include <QLineEdit>

#include <string>

// A read-only box on a silver ground that shows one file path, with the whole path as its
// tooltip. It keeps the path's bytes as given: a name that is no valid UTF-8 is shown with
// stand-in characters, but is saved again exactly as it was read.
class PathBox : public QLineEdit {
    Q_OBJECT

public:
    explicit PathBox(QWidget* parent);

    void setPath(const std::string& path);
    const std::string& path() const { return path_; }

private:
    std::string path_;
};
