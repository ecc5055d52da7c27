// Answers as fast as a pupil never could, until it is killed: the history's tests kill it at
// any moment and look at what the file kept. Leaves a file "<history>.recording" once the first
// answer is on disk.

#include "History.h"

#include <QCoreApplication>

#include <chrono>
#include <fstream>
#include <thread>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc < 2)
        return 2;
    const std::string path = argv[1];
    History history(path);
    std::int64_t moment = 1'772'442'000'000;
    for (int press = 0;; ++press) {
        Answer answer;
        answer.operation = 3;
        answer.a = 1 + press % 9;
        answer.b = 1 + press / 9 % 9;
        answer.answer = answer.a * answer.b;
        answer.choices = {answer.answer, answer.answer + 1, answer.answer + 2, answer.answer + 3};
        answer.chosen = press % 3 == 0 ? answer.answer + 1 : answer.answer;
        answer.correct = answer.chosen == answer.answer;
        answer.firstPress = true;
        answer.milliseconds = 500 + press % 5000;
        answer.atUtcMilliseconds = moment += 700;
        history.record(answer);
        if (press == 0) {
            history.flush(); // so that a kill from now on finds a file with answers to keep
            std::ofstream(path + ".recording") << "recording\n";
        }
        std::this_thread::sleep_for(std::chrono::microseconds(300));
    }
}
