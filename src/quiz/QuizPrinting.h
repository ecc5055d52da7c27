#pragma once

#include <string>
#include <vector>

class QColor;
class QFont;
class QPrinter;

// How the pages are laid out beyond the printer's own set-up.
struct PageSetup {
    // The least margin of every side, raised to what the printer can print; 0 leaves the
    // printer's margins as they are.
    int marginMillimetres = 0;
    std::vector<bool> keptWithNext; // as layOutPages takes it
};

// Prints the lines of a document (UTF-8 text) as one job on a printer that is set up, in
// the given font and colour, placed on the pages as layOutPages says; when the print dialog
// chose a range of pages, only those. Throws AppError when the printer cannot start,
// continue or finish the job; a job that fails half-way is cancelled at the printer.
void printDocument(QPrinter& printer, const std::vector<std::string>& lines, const QFont& font,
                   const QColor& color, const PageSetup& setup = {});
