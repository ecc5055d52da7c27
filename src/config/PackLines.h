#pragma once

// The language pack's lines by what each says: line N of a pack is its N-th line from 0, and
// the enumerator's value is that N. The comments give the English pack's wording. Lines 0 to
// 66 every pack has; the later ones came with later features, and a pack without them shows
// their English words (PackDefaults.h).
enum class PackLine : int {
    Ok = 0,                     // "OK"
    Cancel = 1,                 // "Cancel"
    On = 2,                     // the "on" choice of a switch
    Off = 3,                    // the "off" choice
    Addition = 4,
    Subtraction = 5,
    Multiplication = 6,
    Division = 7,
    Menu = 8,                   // the button that opens the pop-up menu
    MakeQuiz = 9,
    Settings = 10,
    CheckForUpdates = 11,
    About = 12,
    Level = 13,
    ChooseLevel = 14,           // "Choose a level:"
    LevelOneDescription = 15,   // "one-digit numbers"
    LevelTwoDescription = 16,
    LevelThreeDescription = 17,
    Back = 18,
    Next = 19,
    Correct = 20,               // the verdict after a right answer
    Wrong = 21,                 // after a wrong one
    CreateQuiz = 22,
    Questions = 23,             // the composer's status line
    Quiz = 24,                  // the quiz document's title
    Font = 25,
    Copy = 26,
    Print = 27,
    Save = 28,
    PrintFailed = 29,
    WebPage = 30,
    TextFile = 31,
    WindowTitle = 32,
    AnimatedButtons = 33,
    Browse = 34,
    Background = 35,
    BitmapPictures = 36,
    LanguagePackFile = 37,
    LanguagePacks = 38,
    Sounds = 39,
    Play = 40,
    Sound = 41,
    WaveSounds = 42,
    Colours = 43,
    TextColours = 44,
    CorrectColours = 45,
    WrongColours = 46,
    Sample = 47,
    UseDefaults = 48,
    UpdateIntroduction = 49,
    UpdateBack = 50,
    UpdateStart = 51,
    LookingForUpdates = 52,
    ConnectionFailed = 53,
    ChooseUpdates = 54,
    NoNewUpdates = 55,
    Close = 56,
    Install = 57,
    Received = 58,
    Total = 59,
    Downloading = 60,
    InstallUpdate = 61,         // "Install"
    InstallQuestion = 62,       // "Do you want to install this update now?"
    DownloadsFinished = 63,
    AboutTitle = 64,
    CorrectAnswers = 65,
    WrongAnswers = 66,

    // The progress window and practice of weak facts.
    Progress = 67,
    MasteryNew = 68,
    MasteryLearning = 69,
    MasterySlow = 70,
    MasteryFluent = 71,
    MasterySlipping = 72,
    AnswersCounted = 73,        // "5 answers"
    MedianWord = 74,            // "median 3.4 s"
    AnswersHeading = 75,
    RightAtFirstPress = 76,
    MedianTime = 77,
    AnswersPerDay = 78,
    RightSeries = 79,
    WrongSeries = 80,
    WrongChosenMost = 81,
    ChosenWord = 82,            // "7 x 8: 54 chosen 6 times"
    TimesWord = 83,
    ExportCsv = 84,
    ForgetHistory = 85,
    ForgetQuestion = 86,
    CsvFiles = 87,
    Practice = 88,
    PracticeAtRandom = 89,
    PracticeWeakFacts = 90,
    FluencyMark = 91,
    MarkStarting = 92,
    MarkDefault = 93,
    MarkExpert = 94,
    WeakFactsWorksheet = 95,
    // The quiz document's worksheets.
    AnswerKey = 96,
    WorksheetLayout = 97,
    KeyHeading = 98,
    NameField = 99,
    DateField = 100,
    // Pupils, the class, and the classroom's settings.
    ChangePupil = 101,
    WhoIsPractising = 102,
    AddPupil = 103,
    RenamePupil = 104,
    RemovePupil = 105,
    RemovePupilQuestion = 106,
    PupilNameRule = 107,
    PupilWord = 108,            // the column of the class view
    ThisComputer = 109,
    TheClass = 110,
    NeedsHelpToday = 111,
    Classroom = 112,
    PupilsSetting = 113,
    SizeSetting = 114,
    SizeAsDesigned = 115,
    SizeFillScreen = 116,
    SizeTakesEffect = 117,
    ClassDatabaseWord = 118,
    ReadingClass = 119,         // the class view while the server counts
    ClassAnswersSaved = 120,    // followed by their number
};

// One past the last line the program knows.
inline constexpr int kPackLinesKnown = 121;
