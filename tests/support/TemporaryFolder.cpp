#include "TemporaryFolder.h"

#include "ProgramPaths.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

namespace {

std::string utf8Path(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace

TemporaryFolder::TemporaryFolder()
{
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = "Calcora T\xC3\xABst " + std::to_string(random() % 1000000);
        const std::filesystem::path folder = base / fileSystemPath(name);
        if (std::filesystem::create_directory(folder)) {
            path_ = utf8Path(folder);
            return;
        }
    }
    throw std::runtime_error("no new folder could be made in " + utf8Path(base));
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(fileSystemPath(path_), ignored);
}

std::string TemporaryFolder::filePath(const std::string& name) const
{
    return joinProgramPath(path_, name);
}

std::string TemporaryFolder::write(const std::string& name, const std::string& bytes) const
{
    const std::string path = filePath(name);
    std::ofstream file(fileSystemPath(path), std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file.flush())
        throw std::runtime_error("the test cannot write " + path);
    return path;
}
