// A window whose values change faster than anyone can read them is painted once for the first
// change, and then once more with its last values when the interval is over.

#include "PaintPacer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// Counts the paints of a label and keeps the text of the last one.
class PaintWatcher final : public QObject {
public:
    explicit PaintWatcher(QLabel& label) : label_(label) { label.installEventFilter(this); }

    int paints = 0;
    QString lastPaintedText;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            lastPaintedText = label_.text();
        }
        return false;
    }

private:
    QLabel& label_;
};

TEST(PaintPacer, PaintsTheFirstChangeAtOnceAndTheLastWhenTheIntervalIsOver)
{
    QWidget window;
    auto* label = new QLabel("start", &window);
    label->resize(200, 20);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();

    // Long enough that the changes below all fall within it on any machine.
    PaintPacer pacer(window, std::chrono::seconds(2));
    PaintWatcher watcher(*label);
    for (int change = 1; change <= 100; ++change) {
        pacer.aboutToChange();
        label->setText(QString::number(change));
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(watcher.paints, 1);
    EXPECT_EQ(watcher.lastPaintedText, "1");
    EXPECT_EQ(label->text(), "100") << "the values change at once";

    QTRY_COMPARE_WITH_TIMEOUT(watcher.lastPaintedText, QString("100"), 10'000);
    EXPECT_TRUE(window.updatesEnabled());
}

} // namespace
