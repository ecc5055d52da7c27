#pragma once

#include <stdexcept>
#include <string>

// The one failure type of the program. Its message is shown to the user as it stands
// (see ErrorBox.h), so it carries the exact wording of the failure, never a code.
class AppError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
