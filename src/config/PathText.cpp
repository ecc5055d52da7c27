#include "PathText.h"

std::string lowerCaseLetters(std::string text)
{
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

std::string fileNamePart(const std::string& path, char separator)
{
    const auto last = path.rfind(separator);
    return last == std::string::npos ? path : path.substr(last + 1);
}
