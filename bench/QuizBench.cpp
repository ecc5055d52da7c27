// The printable quiz at its largest, 240 questions (20 in each of the twelve cells): composing
// it from the question generator, exporting it as a web page, and printing it into a PDF file.
// Printing needs a QApplication for its fonts: the benchmark runs under the widgets' main.

#include "HtmlExport.h"
#include "QuizComposer.h"
#include "QuizPrinting.h"
#include "QuestionGenerator.h"
#include "RandomSource.h"

#include <QColor>
#include <QFont>
#include <QPrinter>
#include <QTemporaryDir>

#include <memory>

#include <benchmark/benchmark.h>

namespace {

QuestionCounts largestQuiz()
{
    QuestionCounts counts;
    for (auto& row : counts)
        row = {20, 20, 20};
    return counts;
}

// Questions from a seeded source, as the program draws them.
QuestionSource seededQuestions()
{
    return [random = std::make_shared<SeededRandom>(2024)](int operation, int level) {
        return generateQuestion(operation, level, *random);
    };
}

std::vector<std::string> composeLargestQuiz()
{
    QuizComposer composer(seededQuestions());
    return composer.Compose(largestQuiz());
}

void BM_ComposeLargestQuiz(benchmark::State& state)
{
    QuizComposer composer(seededQuestions());
    for (auto _ : state)
        benchmark::DoNotOptimize(composer.Compose(largestQuiz()));
}
BENCHMARK(BM_ComposeLargestQuiz)->Unit(benchmark::kMicrosecond);

void BM_HtmlExportOfLargestQuiz(benchmark::State& state)
{
    const auto lines = composeLargestQuiz();
    const HtmlFont font{"MS Sans Serif", 10, false, false, false, false, 0};
    for (auto _ : state)
        benchmark::DoNotOptimize(htmlFileText(lines, font));
}
BENCHMARK(BM_HtmlExportOfLargestQuiz)->Unit(benchmark::kMicrosecond);

void BM_PrintLargestQuizToPdf(benchmark::State& state)
{
    const auto lines = composeLargestQuiz();
    const QTemporaryDir folder;
    const QFont font("MS Sans Serif", 10);
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath("quiz.pdf"));
        printDocument(printer, lines, font, Qt::black);
    }
}
BENCHMARK(BM_PrintLargestQuizToPdf)->Unit(benchmark::kMillisecond);

} // namespace
