// The small controls of the main window that Qt has no exact match for:
// a label that reports clicks, the tool buttons with their drawn icons,
// and the title box that reports typed characters.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QWidget>
#include <functional>

namespace tess {

// The icons of tool buttons 0 pointer, 1 polygon, 2 rectangle, drawn in
// the given colour (black on the buttons, red on their indicators).
QPixmap toolIcon(int index, const QColor& color, const QSize& size);

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
};

// A tool button: drawn without border while pressed, with a single-line
// border otherwise; a click chooses its tool.
class ToolButton : public QWidget {
    Q_OBJECT
public:
    ToolButton(int index, QWidget* parent);
    std::function<void(int)> onChosen;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    int index_;
    bool pressed_ = false;
};

class TitleBox : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
    // After each character key, with the text as it now stands.
    std::function<void()> onCharacter;
    // When the box loses the keyboard focus.
    std::function<void()> onFocusLost;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    // Undo and Redo belong to the document, not to the box's own history.
    bool event(QEvent* e) override;
};

}  // namespace tess
