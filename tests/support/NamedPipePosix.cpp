#include "NamedPipe.h"

#include <sys/stat.h>

bool makeNamedPipe(const std::string& path)
{
    return ::mkfifo(path.c_str(), 0600) == 0;
}
