// A pupil's computer answering as fast as a pupil never could while it sends its answers to the
// class database, until it is killed: the class database's tests kill it at any moment and look
// at what the server kept. Arguments: the history file and the connection text.

#include "ClassSync.h"
#include "History.h"

#include <QCoreApplication>

#include <chrono>
#include <thread>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc < 3)
        return 2;
    History history(argv[1]);
    ClassSync sync(argv[1], argv[2], std::chrono::milliseconds(50));
    std::int64_t moment = 1'772'442'000'000;
    for (int press = 0;; ++press) {
        Answer answer;
        answer.operation = 1;
        answer.a = 1 + press % 9;
        answer.b = 1 + press / 9 % 9;
        answer.answer = answer.a + answer.b;
        answer.choices = {answer.answer, answer.answer + 1, answer.answer + 2, answer.answer + 3};
        answer.chosen = press % 4 == 0 ? answer.answer + 2 : answer.answer;
        answer.correct = answer.chosen == answer.answer;
        answer.firstPress = true;
        answer.milliseconds = 400 + press % 4000;
        answer.atUtcMilliseconds = moment += 900;
        history.record(answer);
        sync.poke();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}
