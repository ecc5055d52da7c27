#pragma once

#include <memory>
#include <string>

// Opens a document or a web address with the desktop's own program for it.
// Whether that works is not reported: the program has nothing to add if it does not.
class Shell {
public:
    virtual ~Shell() = default;

    virtual void Open(const std::string& address) = 0;
};

// The desktop's own programs, through Qt.
std::unique_ptr<Shell> createDesktopShell();
