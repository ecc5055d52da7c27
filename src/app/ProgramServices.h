#pragma once

class Appearance;
class ClassLink;
class Clock;
class ConfigStore;
class Dialogs;
class History;
class LanguagePack;
class Pupils;
class RandomSource;
class Shell;
class SoundPlayer;

// The program's services, made once when it starts (DesktopServices), or by a test from its
// doubles. Start-up hands each window the ones it uses.
struct ProgramServices {
    ConfigStore& store;
    LanguagePack& pack;
    Appearance& appearance;
    Dialogs& dialogs;
    SoundPlayer& sounds;
    Shell& shell;
    RandomSource& random;
    History& history;
    Clock& clock;
    Pupils& pupils;
    ClassLink& classLink;
};
