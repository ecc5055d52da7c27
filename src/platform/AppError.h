#pragma once

#include <stdexcept>
#include <string>
#include <utility>

// The one failure type of the program. Its message is shown to the user as it stands
// (see ErrorBox.h), so it carries the exact wording of the failure, never a code.
class AppError : public std::runtime_error {
public:
    explicit AppError(const std::string& message) : std::runtime_error(message), message_(message) {}

    // The whole message, every byte of it: what() ends at the first NUL that a message quoting
    // a stored text may hold.
    const std::string& message() const { return message_; }

private:
    std::string message_;
};
