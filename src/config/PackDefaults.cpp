#include "PackDefaults.h"

#include "LanguagePack.h"

#include <array>

namespace {

constexpr int kFirstLaterLine = static_cast<int>(PackLine::Progress);

// Line 67 on, in order.
constexpr std::array<std::string_view, kPackLinesKnown - kFirstLaterLine> kLaterLines = {
    "Progress",                         // 67 menu item and window title
    "new",                              // 68 how far a fact is mastered
    "learning",                         // 69
    "slow",                             // 70
    "fluent",                           // 71
    "slipping",                         // 72
    "answers",                          // 73 "5 answers"
    "median",                           // 74 "median 3.4 s"
    "Answers",                          // 75 columns of the figures per level
    "Right at the first press",         // 76
    "Median time",                      // 77
    "Answers per day, last 30 days",    // 78 the chart
    "Right",                            // 79
    "Wrong",                            // 80
    "Wrong answers chosen most",        // 81
    "chosen",                           // 82 "7 x 8: 54 chosen 6 times"
    "times",                            // 83
    "Export",                           // 84 buttons
    "Forget History",                   // 85
    "Remove every answer and what each fact has reached? This cannot be undone.", // 86
    "CSV files",                        // 87 save dialog file type
    "Practice",                         // 88 how the next question is chosen
    "at random (as always)",            // 89
    "bring back weak facts",            // 90
    "Fluency mark",                     // 91 how quick a fluent answer is
    "6 s (starting)",                   // 92
    "3 s",                              // 93
    "1.5 s (expert)",                   // 94
    "Worksheet of Weak Facts",          // 95
    "Answer key",                       // 96 quiz document
    "Worksheet layout",                 // 97
    "Answers",                          // 98 heading of the answer key
    "Name",                             // 99 the worksheet's fields
    "Date",                             // 100
    "Change Pupil",                     // 101 pupils
    "Who is practising?",               // 102
    "Add",                              // 103
    "Rename",                           // 104
    "Remove",                           // 105
    "Remove this pupil? The pupil's answers stay on this computer.", // 106
    "A name has 1 to 40 characters, and no other pupil has it.", // 107
    "Pupil",                            // 108
    "This computer",                    // 109 the progress window's two views
    "The class",                        // 110
    "Needs help today",                 // 111
    "Classroom",                        // 112 the classroom's settings
    "Pupils",                           // 113
    "Size",                             // 114
    "as designed",                      // 115
    "fill the screen",                  // 116
    "The size changes when Calcora starts again.", // 117
    "Class database",                   // 118
    "Reading the class's answers...",   // 119
    "Answers saved:",                   // 120
};

} // namespace

std::string_view englishWords(PackLine line)
{
    const int index = static_cast<int>(line) - kFirstLaterLine;
    return index >= 0 && index < static_cast<int>(kLaterLines.size()) ? kLaterLines[static_cast<std::size_t>(index)]
                                                                       : std::string_view();
}

std::string packLineOrEnglish(const LanguagePack& pack, PackLine line)
{
    const int index = static_cast<int>(line);
    if (index >= kFirstLaterLine && index >= pack.Count())
        return std::string(englishWords(line));
    return pack.Get(line);
}
