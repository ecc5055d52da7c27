#include "LanguagePack.h"

#include "AppError.h"
#include "ConfigNames.h"
#include "ConfigStore.h"
#include "ProgramPaths.h"

#include <fstream>
#include <sstream>

std::vector<std::string> readPackLines(std::istream& in, std::size_t maxLines)
{
    std::vector<std::string> lines;
    std::string line;
    bool lineOpen = false;
    std::streambuf& bytes = *in.rdbuf();
    using Traits = std::streambuf::traits_type;
    for (int c = bytes.sbumpc(); c != Traits::eof() && c != '\0' && lines.size() < maxLines;
         c = bytes.sbumpc()) {
        if (c != '\r' && c != '\n') {
            line += Traits::to_char_type(c);
            lineOpen = true;
            continue;
        }
        if (c == '\r' && bytes.sgetc() == '\n')
            bytes.sbumpc();
        lines.push_back(std::move(line));
        line.clear();
        lineOpen = false;
    }
    if (lineOpen && lines.size() < maxLines)
        lines.push_back(std::move(line));
    return lines;
}

bool isUsableLanguagePack(std::string_view bytes)
{
    if (bytes.find('\0') != std::string_view::npos)
        return false;
    std::istringstream text{std::string(bytes)};
    return readPackLines(text, LanguagePack::kUsedLines).size() == LanguagePack::kUsedLines;
}

void LanguagePack::Load(const std::string& path)
{
    // Only a plain file: a folder is no pack, and a named pipe or a device could block.
    std::ifstream file;
    if (fileExists(path))
        file.open(fileSystemPath(path), std::ios::binary);
    if (!file.is_open())
        throw AppError("Cannot open file " + path);
    std::string start(kLargestPackRead, '\0');
    file.read(start.data(), static_cast<std::streamsize>(start.size()));
    start.resize(static_cast<std::size_t>(file.gcount()));
    std::istringstream text(std::move(start));
    lines_ = readPackLines(text, kReadLines);
}

void LanguagePack::Reload(ConfigStore& store)
{
    Clear();
    Load(store.ReadString(config::kInterface, config::kLanguagePack, ""));
}

void LanguagePack::Clear()
{
    lines_.clear();
}

const std::string& LanguagePack::Get(int index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= lines_.size())
        throw AppError("List index out of bounds (" + std::to_string(index) + ")");
    return lines_[static_cast<std::size_t>(index)];
}

int LanguagePack::Count() const
{
    return static_cast<int>(lines_.size());
}
