#include "DeferredSoundPlayer.h"

#include "DisplayText.h"
#include "ProgramDirectory.h"

#include <QApplication>

namespace {

// What the sound module exports: a new player of its own.
using MakeSoundPlayer = SoundPlayer* (*)();
constexpr const char* kModuleName = "calcora_sound";
constexpr const char* kMakeFunction = "calcoraMakeSoundPlayer";

} // namespace

DeferredSoundPlayer::~DeferredSoundPlayer()
{
    // The player goes before its module; the module itself stays loaded until the process ends.
    player_.reset();
}

void DeferredSoundPlayer::Play(const std::string& path)
{
    if (player_)
        player_->Play(path);
    else if (!loaded_)
        waiting_ = path;
}

void DeferredSoundPlayer::Beep()
{
    QApplication::beep();
}

void DeferredSoundPlayer::load()
{
    if (loaded_)
        return;
    loaded_ = true;
    module_.setFileName(qtFilePath(programFile(kModuleName)));
    if (const auto make = reinterpret_cast<MakeSoundPlayer>(module_.resolve(kMakeFunction)))
        player_.reset(make());
    if (player_ && waiting_)
        player_->Play(*waiting_);
    waiting_.reset();
}
