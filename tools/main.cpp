// calcora_make_media: writes every file of the program's media folder into the folder
// given as the only argument. The output depends on nothing but this code, so running it
// again gives the same bytes, and the committed media can be checked against it.

#include "AviWriter.h"
#include "BmpWriter.h"
#include "LanguagePack.h"
#include "PictureRecipes.h"
#include "PngWriter.h"
#include "SoundRecipes.h"
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
    return {
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
        {"calcora.png", media::pngFile(media::applicationIcon())},
    };
}

void writeFile(const std::filesystem::path& path, const Bytes& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::cerr << "usage: calcora_make_media OUTPUT_FOLDER\n";
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        std::filesystem::create_directories(folder);
        for (const auto& [name, bytes] : allMediaFiles())
            writeFile(folder / name, bytes);
    } catch (const std::exception& error) {
        std::cerr << "calcora_make_media: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
