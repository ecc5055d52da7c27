// calcora_make_media: writes every file of the program's media folder into the first folder
// given, and the files of a sample update server into the second. The output depends on
// nothing but this code, so running it again gives the same bytes, and the committed folders
// can be checked against it.

#include "AviWriter.h"
#include "BmpWriter.h"
#include "LanguagePack.h"
#include "PictureRecipes.h"
#include "PngWriter.h"
#include "SoundRecipes.h"
#include "UpdateList.h"
#include "WavWriter.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

using calcora::media::Bytes;
namespace media = calcora::media;

std::vector<std::pair<std::string, Bytes>> allMediaFiles()
{
    std::vector<std::pair<std::string, Bytes>> files{
        {"english.lng", media::englishLanguagePack()},
        {"bg.bmp", media::bmpFile(media::backgroundTile())},
        {"wind.wav", media::wavFile(media::menuSlidesIn())},
        {"elevator.wav", media::wavFile(media::menuSlidesAway())},
        {"fall.wav", media::wavFile(media::buttonDropsIn())},
        {"wrong.wav", media::wavFile(media::wrongAnswer())},
        {"correct.wav", media::wavFile(media::rightAnswer())},
        {"next.wav", media::wavFile(media::newQuestion())},
        {"nose.wav", media::wavFile(media::noseHonk())},
        {"update.avi", media::aviFile(media::updateAnimationFrames(),
                                      media::updateAnimationFramesPerSecond)},
    };
    // The window icon at every size, as the desktop's icon theme gets it too.
    for (int size : media::applicationIconSizes)
        files.emplace_back("calcora-" + std::to_string(size) + ".png", media::pngFile(media::applicationIcon(size)));
    return files;
}

// What the update checker finds on the server: the list (at both of its addresses) and the
// files it offers.
constexpr media::UpdateOffer updateOffers[] = {
    {"1", "Deutsch (German)", "deutsch.lng"},
    {"2", "Chalkboard background", "chalkboard.bmp"},
};

std::vector<std::pair<std::string, Bytes>> allUpdateFiles()
{
    const Bytes list = media::updateListDocument(updateOffers);
    return {
        {"update201", list}, // read where the user has set the server's address by hand
        {"update", list},    // read at the built-in address
        {"deutsch.lng", media::germanLanguagePack()},
        {"chalkboard.bmp", media::bmpFile(media::chalkboardTile())},
    };
}

void writeFile(const std::filesystem::path& path, const Bytes& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}

void writeFolder(const std::filesystem::path& folder, const std::vector<std::pair<std::string, Bytes>>& files)
{
    std::filesystem::create_directories(folder);
    for (const auto& [name, bytes] : files)
        writeFile(folder / name, bytes);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::cerr << "usage: calcora_make_media MEDIA_FOLDER UPDATES_FOLDER\n";
        return 2;
    }
    try {
        writeFolder(argv[1], allMediaFiles());
        writeFolder(argv[2], allUpdateFiles());
    } catch (const std::exception& error) {
        std::cerr << "calcora_make_media: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
