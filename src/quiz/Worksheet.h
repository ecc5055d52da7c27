#pragma once

#include <optional>
#include <string>
#include <vector>

// A quiz as a teacher hands it out: the document's lines with a worksheet's header above them
// and an answer key below them, each when asked for. The key is read from the lines
// themselves, so a question the user edited is answered as it now reads.

// The margin of every side of a printed worksheet.
inline constexpr int kWorksheetMarginMillimetres = 15;

struct WorksheetChoices {
    bool answerKey = false;
    bool layout = false; // the title, a line for the pupil's name and the date, whole questions per page
};

// The words of the header and the key, in the document's encoding.
struct WorksheetWords {
    std::string title;      // "Quiz"
    std::string name;       // "Name"
    std::string date;       // "Date"
    std::string keyHeading; // "Answers"
};

// The key line of a question line "7-) 7 x 8 = ?" and the choices line after it
// ("a)54  b)56  c)48  d)63"): "7-) b)56", the question's number and the one choice that
// answers it. Words are parted by blanks; the signs are + - x and :, the numbers whole and of
// at most nine digits, and a division must come out whole. A question that does not read so,
// a choices line of anything but "letter)number" choices, and choices with no right answer or
// more than one give no key line.
std::optional<std::string> answerKeyLine(const std::string& questionLine, const std::string& choicesLine);

// "Name: ______  Date: ______"
std::string nameAndDateLine(const WorksheetWords& words);

// The lines printed and saved. With the layout: the title, the name and date line and an
// empty line first. With the key: after the document, an empty line, the heading and one key
// line per question that can be read. With neither, the document's lines as they are.
std::vector<std::string> worksheetLines(const std::vector<std::string>& lines, const WorksheetChoices& choices,
                                        const WorksheetWords& words);

// For each line, whether it is a question whose choices follow it, so that the two stay on one
// page: a line that starts with its number and "-)", followed by a line that starts "a)".
std::vector<bool> questionsWithChoices(const std::vector<std::string>& lines);
