#include "FileNameCase.h"

#include <utility>

namespace {

#ifdef _WIN32
bool namesIgnoreCase = true;
#else
bool namesIgnoreCase = false;
#endif

} // namespace

bool fileNamesIgnoreCase()
{
    return namesIgnoreCase;
}

bool setFileNamesIgnoreCase(bool ignoreCase)
{
    return std::exchange(namesIgnoreCase, ignoreCase);
}
