#include "QuizPrinting.h"

#include "AppError.h"
#include "PrintLayout.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace {

QString qtText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Whether the user's choice in the print dialog takes in this page (counted from 1).
bool isChosen(const QPrinter& printer, int page)
{
    if (printer.printRange() != QPrinter::PageRange)
        return true;
    return page >= printer.fromPage() && (printer.toPage() == 0 || page <= printer.toPage());
}

// Margins of at least `millimetres` that the printer does not cut into.
void setLeastMargins(QPrinter& printer, int millimetres)
{
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF least = layout.minimumMargins();
    const double wanted = millimetres;
    printer.setPageMargins(QMarginsF(std::max(wanted, least.left()), std::max(wanted, least.top()),
                                     std::max(wanted, least.right()), std::max(wanted, least.bottom())),
                           QPageLayout::Millimeter);
}

[[noreturn]] void cancelJob(QPainter& painter, QPrinter& printer, const char* failure)
{
    printer.abort();
    painter.end();
    throw AppError(failure);
}

} // namespace

void printDocument(QPrinter& printer, const std::vector<std::string>& lines, const QFont& font,
                   const QColor& color, const PageSetup& setup)
{
    if (setup.marginMillimetres > 0)
        setLeastMargins(printer, setup.marginMillimetres);
    QPainter painter;
    if (!painter.begin(&printer))
        throw AppError("The printer did not start the job");
    painter.setFont(font);
    painter.setPen(color);
    const QFontMetrics metrics = painter.fontMetrics();
    const PrintArea area{printer.width(), printer.height(), metrics.height(), metrics.averageCharWidth()};
    const auto pages = layOutPages(lines, area, [&metrics](std::string_view text) {
        return metrics.horizontalAdvance(qtText(text));
    }, setup.keptWithNext);

    bool firstPage = true;
    for (std::size_t page = 0; page < pages.size(); ++page) {
        if (!isChosen(printer, static_cast<int>(page) + 1))
            continue;
        if (!firstPage && !printer.newPage())
            cancelJob(painter, printer, "The printer did not begin a new page");
        firstPage = false;
        for (const PrintedText& piece : pages[page])
            painter.drawText(piece.x, piece.y + metrics.ascent(), qtText(piece.text));
    }
    if (!painter.end())
        throw AppError("The printer did not finish the job");
}
