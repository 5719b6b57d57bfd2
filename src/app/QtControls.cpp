// Drawing and mouse handling of the main window's small controls.
#include "app/QtControls.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>

namespace tess {

QPixmap toolIcon(int index, const QColor& color, const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width(), h = size.height();
    const double s = std::min(w, h);
    const double ox = (w - s) / 2, oy = (h - s) / 2;
    auto at = [&](double fx, double fy) { return QPointF(ox + fx * s, oy + fy * s); };
    p.setPen(QPen(color, 1.2));
    p.setBrush(color);
    if (index == 0) {
        // An arrow pointing up and to the left.
        QPolygonF arrow;
        arrow << at(0.30, 0.15) << at(0.30, 0.80) << at(0.45, 0.65) << at(0.58, 0.88) << at(0.68, 0.83)
              << at(0.55, 0.60) << at(0.75, 0.60);
        p.drawPolygon(arrow);
    } else if (index == 1) {
        // Two squares joined by a segment.
        p.drawLine(at(0.28, 0.70), at(0.72, 0.30));
        const double q = 0.18 * s;
        p.drawRect(QRectF(at(0.28, 0.70) - QPointF(q / 2, q / 2), QSizeF(q, q)));
        p.drawRect(QRectF(at(0.72, 0.30) - QPointF(q / 2, q / 2), QSizeF(q, q)));
    } else {
        // A square outline with a filled square at each corner.
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(at(0.25, 0.25), at(0.75, 0.75)));
        p.setBrush(color);
        const double q = 0.14 * s;
        for (QPointF c : {at(0.25, 0.25), at(0.75, 0.25), at(0.75, 0.75), at(0.25, 0.75)})
            p.drawRect(QRectF(c - QPointF(q / 2, q / 2), QSizeF(q, q)));
    }
    return pixmap;
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && onClick) onClick();
}

ToolButton::ToolButton(int index, QWidget* parent) : QWidget(parent), index_(index) {}

void ToolButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().button());
    p.drawPixmap(0, 0, toolIcon(index_, Qt::black, size()));
    if (!pressed_) {
        p.setPen(QColor(80, 80, 80));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void ToolButton::mousePressEvent(QMouseEvent*) {
    pressed_ = true;
    update();
}

void ToolButton::mouseReleaseEvent(QMouseEvent*) {
    pressed_ = false;
    update();
    if (onChosen) onChosen(index_);
}

void TitleBox::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    if (onFocusLost) onFocusLost();
}

bool TitleBox::event(QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(e);
        const bool history = key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
                             key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
        if (history) {
            e->ignore();  // left to the window's Undo and Redo
            return true;
        }
    }
    return QLineEdit::event(e);
}

void TitleBox::keyPressEvent(QKeyEvent* e) {
    QLineEdit::keyPressEvent(e);
    if (!e->text().isEmpty() && onCharacter) onCharacter();
}

}  // namespace tess
