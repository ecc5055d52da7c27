#pragma once

// Sections and value names of the configuration store, spelled once.
namespace config {

inline constexpr const char* kInterface = "Interface";
inline constexpr const char* kStats = "Stats";
inline constexpr const char* kQuiz = "Quiz";
inline constexpr const char* kUpdate = "Update";

inline constexpr const char* kCaption = "Caption";
inline constexpr const char* kAnimatedButtons = "Animated Buttons";
inline constexpr const char* kPlaySounds = "Play Sounds";
inline constexpr const char* kBackgroundImage = "Background Image";
inline constexpr const char* kLanguagePack = "Language Pack";
inline constexpr const char* kTextForegroundColor = "Text Foreground Color";
inline constexpr const char* kTextBackgroundColor = "Text Background Color";
inline constexpr const char* kCorrectForegroundColor = "Correct Foreground Color";
inline constexpr const char* kCorrectBackgroundColor = "Correct Background Color";
inline constexpr const char* kWrongForegroundColor = "Wrong Foreground Color";
inline constexpr const char* kWrongBackgroundColor = "Wrong Background Color";
inline constexpr const char* kUrl = "URL";
inline constexpr const char* kCorrect = "Correct";
inline constexpr const char* kWrong = "Wrong";
inline constexpr const char* kSaveFolder = "Save Folder"; // of section Quiz: where a quiz was saved last

// How the next question is chosen, and how quick a fluent answer is; written only once the
// teacher changes them in the progress window.
inline constexpr const char* kPractice = "Practice";
inline constexpr const char* kWeakFacts = "Weak Facts";
inline constexpr const char* kFluencyMark = "Fluency Mark";

// The classroom: pupils on one computer, the class's database on the school's server, and the
// size of every window. None is written before the teacher sets it.
inline constexpr const char* kPupils = "Pupils";              // switch, section Interface
inline constexpr const char* kPupilsLocked = "Pupils Locked"; // switch, set by hand
inline constexpr const char* kClassDatabase = "Class Database"; // a libpq connection string
inline constexpr const char* kSize = "Size";                  // "100", "150", "200" or "Fill"
// Section Pupils: the names of this computer's pupils, and the class's as the class database
// last gave them, one per line; section "Pupil Totals": each pupil's right and wrong answers.
inline constexpr const char* kPupilNames = "Names";
inline constexpr const char* kClassPupilNames = "Class Names";
inline constexpr const char* kPupilTotals = "Pupil Totals";

inline constexpr const char* kYes = "Yes";
inline constexpr const char* kNo = "No";

} // namespace config
