#include "SpinCounter.h"

#include "IntegerText.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>

namespace {

bool movesTheCursor(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Home || key == Qt::Key_End;
}

// Keys the dialog acts on: focus moves, the default button, closing.
bool belongsToTheDialog(int key)
{
    return key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Return
        || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

} // namespace

SpinCounter::SpinCounter(QWidget* parent)
    : QSpinBox(parent)
{
    setAcceptDrops(false);
    lineEdit()->setAcceptDrops(false);
    // Middle-click pastes the selection on X11; the counter refuses it like any pasting.
    lineEdit()->installEventFilter(this);
    connect(this, &QSpinBox::valueChanged, this, &SpinCounter::changed);
}

void SpinCounter::setText(const QString& text)
{
    const int number = std::clamp(TryStrToInt(text.toStdString()).value_or(0), minimum(), maximum());
    if (number == value())
        emit changed();
    else
        setValue(number);
}

void SpinCounter::stepBy(int steps)
{
    // The step modifier would step by 10; the counter steps by 1 only.
    if (steps != 0)
        QSpinBox::stepBy(steps > 0 ? 1 : -1);
}

void SpinCounter::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
        stepBy(key == Qt::Key_Up ? 1 : -1);
        event->accept();
    } else if (key == Qt::Key_Delete && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        // The Delete key of the number pad deletes too; Shift+Delete would cut.
        deleteAtCursor();
        event->accept();
    } else if (movesTheCursor(key) || belongsToTheDialog(key) || event->matches(QKeySequence::Copy)
               || event->matches(QKeySequence::SelectAll)) {
        QSpinBox::keyPressEvent(event);
    } else {
        event->accept(); // typing, Backspace, pasting, cutting, undoing: refused
    }
}

void SpinCounter::deleteAtCursor()
{
    QLineEdit* edit = lineEdit();
    QString text = edit->text();
    int cursor = edit->cursorPosition();
    if (edit->hasSelectedText()) {
        cursor = edit->selectionStart();
        text.remove(cursor, edit->selectedText().size());
    } else {
        text.remove(cursor, 1);
    }
    setText(text);
    edit->setCursorPosition(std::min(cursor, static_cast<int>(edit->text().size())));
}

void SpinCounter::inputMethodEvent(QInputMethodEvent* event)
{
    event->accept(); // composed characters are typed characters too
}

void SpinCounter::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept(); // its menu would offer pasting and cutting
}

void SpinCounter::wheelEvent(QWheelEvent* event)
{
    event->ignore();
}

bool SpinCounter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lineEdit() && (event->type() == QEvent::MouseButtonPress
                                  || event->type() == QEvent::MouseButtonRelease)) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton)
            return true;
    }
    return QSpinBox::eventFilter(watched, event);
}
