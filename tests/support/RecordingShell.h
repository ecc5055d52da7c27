#pragma once

#include "Shell.h"

#include <string>
#include <vector>

// Opens nothing; remembers which addresses were asked for.
class RecordingShell final : public Shell {
public:
    void Open(const std::string& address) override { opened.push_back(address); }

    std::vector<std::string> opened;
};
