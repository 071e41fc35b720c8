#include "shell/ui/plan_edit.h"

#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QScrollBar>

namespace velmora::ui {

namespace {

bool movesCaret(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

}  // namespace

PlanEdit::PlanEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
    viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
    setUndoRedoEnabled(false);
}

void PlanEdit::setPlanText(const std::string& text)
{
    m_planText = text;
    setPlainText(QString::fromStdString(text));
}

void PlanEdit::moveCaretToEnd()
{
    moveCursor(QTextCursor::End);
    ensureCursorVisible();
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void PlanEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut)) {
        copy();
        event->accept();
        return;
    }
    if (movesCaret(event)) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    event->accept();
}

void PlanEdit::showEvent(QShowEvent* event)
{
    QPlainTextEdit::showEvent(event);
    // Text set while hidden was laid out without the final viewport.
    if (textCursor().atEnd())
        moveCaretToEnd();
    else
        ensureCursorVisible();
}

// A read-only box that lets the mouse select still takes input-method
// text, so it is dropped here.
void PlanEdit::inputMethodEvent(QInputMethodEvent* event)
{
    event->accept();
}

void PlanEdit::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();
}

}  // namespace velmora::ui
