#pragma once

#include <QPlainTextEdit>

#include <string>

namespace velmora::ui {

// The plan box. Its text only ever comes from the program: the keyboard can
// move the caret, select and copy (Ctrl+X copies too and leaves the text);
// every other key, paste, drop and the context menu are discarded.
class PlanEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit PlanEdit(QWidget* parent);

    // Replaces the whole text; planText() gives it back byte for byte (the
    // widget itself keeps line ends in its own form).
    void setPlanText(const std::string& text);
    const std::string& planText() const { return m_planText; }
    void moveCaretToEnd();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    std::string m_planText;
};

}  // namespace velmora::ui
