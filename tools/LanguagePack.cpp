#include "LanguagePack.h"

#include "PackDefaults.h"

#include <array>
#include <span>
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

// Button captions are kept about as short as the English ones: the buttons do not grow. The
// pupil is spoken to as "du", as German primary schools do.
constexpr std::array<std::string_view, 67> germanTexts = {
    "OK",                          // 0  OK buttons
    "Abbruch",                     // 1  "Abbrechen" is too wide beside the button's picture
    "Ein",                         // 2  on/off switches in the settings
    "Aus",                         // 3
    "Addieren",                    // 4  operation buttons and quiz rows
    "Subtrahieren",                // 5
    "Multiplizieren",              // 6
    "Dividieren",                  // 7
    "Menü",                        // 8
    "Arbeitsblatt erstellen",      // 9  menu items and window titles
    "Einstellungen",               // 10
    "Nach Updates suchen",         // 11
    "Info",                        // 12
    "Stufe",                       // 13 word before each level number
    "Wähle eine Stufe:",           // 14 level description: heading, then one line per level
    "einstellige Zahlen",          // 15
    "zwei- und einstellige Zahlen", // 16
    "zweistellige Zahlen",         // 17
    "Zurück",                      // 18 drill round
    "Weiter",                      // 19
    "Richtig!",                    // 20 verdicts, shown in large letters between two buttons
    "Noch mal!",                   // 21
    "Blatt erstellen",             // 22 quiz composer
    "Aufgaben",                    // 23
    "Arbeitsblatt",                // 24 quiz document window
    "Schrift",                     // 25
    "Kopieren",                    // 26
    "Drucken",                     // 27
    "Speichern",                   // 28
    "Das Arbeitsblatt konnte nicht gedruckt werden.", // 29
    "Webseite",                    // 30 save dialog file types
    "Textdatei",                   // 31
    "Fenstertitel",                // 32 settings window
    "Bewegte Knöpfe",              // 33
    "Wählen...",                   // 34
    "Hintergrund",                 // 35
    "Bitmap-Bilder",               // 36
    "Sprachpaket",                 // 37
    "Sprachpakete",                // 38
    "Töne",                        // 39
    "Abspielen",                   // 40
    "Ton",                         // 41
    "Wave-Dateien",                // 42
    "Farben",                      // 43
    "Textfarben",                  // 44 colour swatch tooltips
    "Farben für richtige Antworten", // 45
    "Farben für falsche Antworten", // 46
    "Beispiel",                    // 47
    "Standardwerte",               // 48
    "Hier kannst du im Internet nach neuen Sprachpaketen und Hintergrundbildern suchen. Klicke auf Start, um zu beginnen.", // 49 update checker
    "Zurück",                      // 50
    "Start",                       // 51
    "Suche nach Updates, bitte warten...", // 52
    "Der Update-Server ist nicht erreichbar. Bitte prüfe deine Internetverbindung und versuche es noch einmal.", // 53
    "Wähle die gewünschten Updates:", // 54 one line above the list
    "Keine neuen Updates",         // 55
    "Schließen",                   // 56
    "Einbauen",                    // 57 "Installieren..." is too wide for its button
    "Geladen",                     // 58 download progress, in bytes
    "Gesamt",                      // 59
    "Wird geladen",                // 60
    "Einbauen",                    // 61 install question: heading, then the question
    "Möchtest du dieses Update jetzt einbauen?", // 62
    "Alle Downloads sind fertig. Klicke auf Einbauen, um fortzufahren.", // 63
    "Über Calcora",                // 64 about window
    "Richtige Antworten",          // 65
    "Falsche Antworten",           // 66
};

// The lines that came after the first 67, in German, from line 67 on.
constexpr std::array<std::string_view, kPackLinesKnown - 67> laterGermanTexts = {
    "Fortschritt",                      // 67 menu item and window title
    "neu",                              // 68 how far a fact is mastered
    "wird gelernt",                     // 69
    "langsam",                          // 70
    "sicher",                           // 71
    "wackelt",                          // 72
    "Antworten",                        // 73 "5 Antworten"
    "Median",                           // 74
    "Antworten",                        // 75 columns of the figures per level
    "Beim ersten Mal richtig",          // 76
    "Mittlere Zeit",                    // 77
    "Antworten pro Tag, letzte 30 Tage", // 78 the chart
    "Richtig",                          // 79
    "Falsch",                           // 80
    "Häufigste falsche Antworten",      // 81
    "gewählt",                          // 82 "7 x 8: 54 gewählt 6 mal"
    "mal",                              // 83
    "Exportieren",                      // 84 buttons
    "Verlauf löschen",                  // 85
    "Alle Antworten und den Stand jeder Aufgabe löschen? Das kann nicht rückgängig gemacht werden.", // 86
    "CSV-Dateien",                      // 87 save dialog file type
    "Üben",                             // 88 how the next question is chosen
    "zufällig (wie immer)",             // 89
    "schwache Aufgaben wiederholen",    // 90
    "Sicher ab",                        // 91 how quick a fluent answer is
    "6 s (Anfang)",                     // 92
    "3 s",                              // 93
    "1,5 s (Profi)",                    // 94
    "Blatt mit schwachen Aufgaben",     // 95
    "Lösungen",                         // 96 quiz document
    "Arbeitsblatt-Layout",              // 97
    "Lösungen",                         // 98 heading of the answer key
    "Name",                             // 99 the worksheet's fields
    "Datum",                            // 100
    "Kind wechseln",                    // 101 pupils
    "Wer übt?",                         // 102
    "Hinzufügen",                       // 103
    "Umbenennen",                       // 104
    "Entfernen",                        // 105
    "Dieses Kind entfernen? Seine Antworten bleiben auf diesem Computer.", // 106
    "Ein Name hat 1 bis 40 Zeichen, und kein anderes Kind hat ihn.", // 107
    "Kind",                             // 108
    "Dieser Computer",                  // 109 the progress window's two views
    "Die Klasse",                       // 110
    "Braucht heute Hilfe",              // 111
    "Klassenzimmer",                    // 112 the classroom's settings
    "Kinder",                           // 113
    "Größe",                            // 114
    "wie entworfen",                    // 115
    "ganzer Bildschirm",                // 116
    "Die Größe ändert sich beim nächsten Start von Calcora.", // 117
    "Klassendatenbank",                 // 118
    "Die Antworten der Klasse werden gelesen ...", // 119
    "Antworten gespeichert:",           // 120
};

Bytes packFile(std::span<const std::string_view> texts, std::span<const std::string_view> laterTexts)
{
    ByteBuffer out;
    for (std::span<const std::string_view> part : {texts, laterTexts}) {
        for (std::string_view text : part) {
            out.text(text);
            out.text("\r\n"); // CR LF: the pack stays readable in any Windows editor
        }
    }
    return out.release();
}

// The English words of the later lines are the program's own, which it shows whenever a pack
// lacks them.
std::array<std::string_view, kPackLinesKnown - 67> laterEnglishTexts()
{
    std::array<std::string_view, kPackLinesKnown - 67> texts;
    for (int line = 67; line < kPackLinesKnown; ++line)
        texts[static_cast<std::size_t>(line - 67)] = englishWords(static_cast<PackLine>(line));
    return texts;
}

} // namespace

Bytes englishLanguagePack()
{
    const auto later = laterEnglishTexts();
    return packFile(englishTexts, later);
}

Bytes germanLanguagePack()
{
    return packFile(germanTexts, laterGermanTexts);
}

} // namespace calcora::media
