#include "LanguagePack.h"

#include <array>
#include <string_view>

namespace calcora::media {

namespace {

// The line number of each text is its identity: never reorder, only reword.
constexpr std::array<std::string_view, 67> englishTexts = {
    "OK",                          // 0  OK buttons
    "Cancel",                      // 1
    "On",                          // 2  on/off switches in the settings
    "Off",                         // 3
    "Addition",                    // 4  operation buttons and quiz rows
    "Subtraction",                 // 5
    "Multiplication",              // 6
    "Division",                    // 7
    "Menu",                        // 8
    "Make a Quiz",                 // 9  menu items and window titles
    "Settings",                    // 10
    "Check for Updates",           // 11
    "About",                       // 12
    "Level",                       // 13 word before each level number
    "Choose a level:",             // 14 level description: heading, then one line per level
    "one-digit numbers",           // 15
    "two-digit and one-digit",     // 16
    "two-digit numbers",           // 17
    "Back",                        // 18 drill round
    "Next",                        // 19
    "Correct!",                    // 20 verdicts, shown in large letters
    "Try again!",                  // 21
    "Create Quiz",                 // 22 quiz composer
    "Questions",                   // 23
    "Quiz",                        // 24 quiz document window
    "Font",                        // 25
    "Copy",                        // 26
    "Print",                       // 27
    "Save",                        // 28
    "The quiz could not be printed.", // 29
    "Web page",                    // 30 save dialog file types
    "Text file",                   // 31
    "Window title",                // 32 settings window
    "Animated buttons",            // 33
    "Browse...",                   // 34
    "Background",                  // 35
    "Bitmap pictures",             // 36
    "Language pack",               // 37
    "Language packs",              // 38
    "Sounds",                      // 39
    "Play",                        // 40
    "Sound",                       // 41
    "Wave sounds",                 // 42
    "Colours",                     // 43
    "Text colours",                // 44 colour swatch tooltips
    "Colours for right answers",   // 45
    "Colours for wrong answers",   // 46
    "Sample",                      // 47
    "Use Defaults",                // 48
    "Look for new language packs and background pictures on the Internet. Click Start to begin.", // 49 update checker
    "Back",                        // 50
    "Start",                       // 51
    "Looking for updates, please wait...", // 52
    "Could not reach the update server. Please check your Internet connection and try again.", // 53
    "Choose the updates you want:", // 54
    "No new updates",              // 55
    "Close",                       // 56
    "Install",                     // 57
    "Received",                    // 58 download progress, in bytes
    "Total",                       // 59
    "Downloading",                 // 60
    "Install",                     // 61 install question: heading, then the question
    "Do you want to install this update now?", // 62
    "All downloads are finished. Click Install to continue.", // 63
    "About Calcora",               // 64 about window
    "Correct answers",             // 65
    "Wrong answers",               // 66
};

} // namespace

Bytes englishLanguagePack()
{
    ByteBuffer out;
    for (std::string_view text : englishTexts) {
        out.text(text);
        out.text("\r\n"); // CR LF: the pack stays readable in any Windows editor
    }
    return out.release();
}

} // namespace calcora::media
