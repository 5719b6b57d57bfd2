// The canvas widget. Lines are collected and drawn in batches, since a
// large ring sends a million of them; every repaint first flushes them.
#include "editing/QtCanvas.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHelpEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QUrl>
#include <QWheelEvent>
#include <cmath>

#include "editing/Editing.h"
#include "editing/Redraw.h"
#include "editing/Clearing.h"
#include "editing/ViewCommands.h"
#include "platform/StartTimes.h"
#include "view/Transform.h"
#include "view/ViewArea.h"

namespace tess {

namespace {

constexpr double kTwips = kTwipsPerPixel;
constexpr std::size_t kBatch = 8192;

QColor qcolor(Rgb c) { return QColor(c.r, c.g, c.b); }

// Cuts a line to the rectangle; false when nothing of it lies inside. Far
// off-canvas points would otherwise overflow the rasteriser.
bool clipLine(double& x1, double& y1, double& x2, double& y2, double minX, double minY, double maxX,
              double maxY) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return false;
    double t0 = 0, t1 = 1;
    const double dx = x2 - x1, dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - minX, maxX - x1, y1 - minY, maxY - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            if (t > t1) return false;
            if (t > t0) t0 = t;
        } else {
            if (t < t0) return false;
            if (t < t1) t1 = t;
        }
    }
    const double ox = x1, oy = y1;
    x1 = ox + t0 * dx;
    y1 = oy + t0 * dy;
    x2 = ox + t1 * dx;
    y2 = oy + t1 * dy;
    return true;
}

QRectF squareRect(const SquareObject& o) {
    return QRectF(o.left / kTwips, o.top / kTwips, o.width / kTwips, o.height / kTwips);
}

}  // namespace

QtCanvas::QtCanvas(State& state, QWidget* parent) : QWidget(parent), state_(state) {
    setMouseTracking(true);
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    ensureImageSize();
}

double QtCanvas::width() const { return QWidget::width() * kTwips; }
double QtCanvas::height() const { return QWidget::height() * kTwips; }
double QtCanvas::fullWidth() const { return QWidget::width() * kTwips; }

QColor QtCanvas::paper() const { return underlay_ ? QColor(Qt::transparent) : QColor(Qt::white); }

void QtCanvas::setUnderlay(std::function<void(QPainter&)> paint) {
    underlay_ = std::move(paint);
    flush();
    image_ = QImage();
    ensureImageSize();
    update();
}

void QtCanvas::ensureImageSize() {
    const QSize want(std::max(1, QWidget::width()), std::max(1, QWidget::height()));
    const QImage::Format format = underlay_ ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    if (image_.size() == want && image_.format() == format) return;
    QImage fresh(want, format);
    fresh.fill(paper());
    if (!image_.isNull()) {
        QPainter p(&fresh);
        p.drawImage(0, 0, image_);
    }
    image_ = std::move(fresh);
}

void QtCanvas::clear() {
    pending_.clear();
    ensureImageSize();
    image_.fill(paper());
    update();
}

void QtCanvas::drawLine(double x1, double y1, double x2, double y2, Rgb color) {
    x1 /= kTwips;
    y1 /= kTwips;
    x2 /= kTwips;
    y2 /= kTwips;
    const double w = image_.width(), h = image_.height();
    if (!clipLine(x1, y1, x2, y2, -2, -2, w + 2, h + 2)) return;
    pending_.push_back({QLineF(x1, y1, x2, y2), qRgb(color.r, color.g, color.b)});
    if (pending_.size() >= kBatch) flush();
}

void QtCanvas::drawText(double left, double top, const std::string& text, Rgb color) {
    flush();
    QPainter p(&image_);
    p.setPen(qcolor(color));
    p.setFont(font());
    const QFontMetrics metrics(font());
    p.drawText(QPointF(left / kTwips, top / kTwips + metrics.ascent()), QString::fromUtf8(text.c_str()));
    update();
}

void QtCanvas::flush() {
    ensureImageSize();
    if (pending_.empty()) return;
    QPainter p(&image_);
    std::vector<QLineF> run;
    run.reserve(pending_.size());
    QRgb current = pending_.front().color;
    auto drawRun = [&] {
        if (run.empty()) return;
        p.setPen(QPen(QColor::fromRgb(current), 0));
        p.drawLines(run.data(), static_cast<int>(run.size()));
        run.clear();
    };
    for (const PendingLine& l : pending_) {
        if (l.color != current) {
            drawRun();
            current = l.color;
        }
        run.push_back(l.line);
    }
    drawRun();
    pending_.clear();
}

const QImage& QtCanvas::image() {
    flush();
    return image_;
}

void QtCanvas::paintMarkedPlace(QPainter& painter) const {
    const MarkedPlace& place = state_.edit.overlays.problem;
    if (place.ring < 0 || place.ring != state_.doc.loaded.index || place.historySteps != state_.doc.history.done.size())
        return;
    const CanvasArea area = canvasArea(state_.canvas);
    const ViewMapping mapping(state_.view, area.width, area.height, area.margin);
    if (!mapping.valid()) return;
    const CanvasPoint at = mapping(place.lon, place.lat);
    // A red ring with a white edge, seen on the outline and on a map alike.
    constexpr double kRadius = 14;
    const QPointF centre(at.x / kTwips, at.y / kTwips);
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 5));
    painter.drawEllipse(centre, kRadius, kRadius);
    painter.setPen(QPen(QColor(220, 0, 0), 3));
    painter.drawEllipse(centre, kRadius, kRadius);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void QtCanvas::paintObjects(QPainter& painter) const {
    const Overlays& o = state_.edit.overlays;
    auto paintLines = [&](const ObjectFamily<LineObject>& family) {
        family.forEach([&](std::size_t, const LineObject& l) {
            if (!l.visible) return;
            painter.setPen(QPen(qcolor(l.color), 0));
            painter.drawLine(QLineF(l.x1 / kTwips, l.y1 / kTwips, l.x2 / kTwips, l.y2 / kTwips));
        });
    };
    auto paintSquares = [&](const ObjectFamily<SquareObject>& family) {
        family.forEach([&](std::size_t, const SquareObject& o) {
            if (o.visible) painter.fillRect(squareRect(o), qcolor(o.fill));
        });
    };
    paintLines(o.edgeLines);
    paintLines(o.segments);
    paintSquares(o.handles);
    paintSquares(o.markers);
    paintMarkedPlace(painter);
    if (o.rubberBand.visible) {
        painter.setPen(QPen(Qt::black, 0, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(o.rubberBand.left / kTwips, o.rubberBand.top / kTwips, o.rubberBand.width / kTwips,
                                o.rubberBand.height / kTwips));
    }
}

void QtCanvas::paintEvent(QPaintEvent*) {
    flush();
    // While a drawing runs, the last whole picture stays up, so a zoom on a
    // huge ring never shows a blank or half-drawn canvas; only the very
    // first drawing is seen as it grows. The copy shares its pixels until
    // the next drawing writes.
    if (!state_.canvas.drawing) lastWhole_ = image_;
    const bool keepLast = state_.canvas.drawing && lastWhole_.size() == image_.size();
    QPainter painter(this);
    if (underlay_) {
        painter.fillRect(rect(), Qt::white);
        underlay_(painter);
    }
    painter.drawImage(0, 0, keepLast ? lastWhole_ : image_);
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(0, 0, QWidget::width() - 1, QWidget::height() - 1);
    paintObjects(painter);
    if (!painted_) reportStartStep("shown");
    painted_ = true;
}

void QtCanvas::resizeEvent(QResizeEvent*) {
    flush();
    ensureImageSize();
}

CanvasHit QtCanvas::hitTest(double x, double y) const {
    auto inside = [&](const SquareObject& o) {
        return o.visible && x >= o.left && x < o.left + o.width && y >= o.top && y < o.top + o.height;
    };
    const Overlays& o = state_.edit.overlays;
    if (std::size_t i = o.markers.lastMatching(inside)) return {CanvasHit::Marker, static_cast<int>(i)};
    if (std::size_t i = o.handles.lastMatching(inside)) return {CanvasHit::Handle, static_cast<int>(i)};
    return {};
}

void QtCanvas::changed() {
    if (onChanged_) onChanged_();
    update();
}

void QtCanvas::setSpaceHeld(bool held) {
    spaceHeld_ = held;
    if (!panning_) setCursor(held ? Qt::OpenHandCursor : Qt::ArrowCursor);
}

void QtCanvas::mousePressEvent(QMouseEvent* e) {
    const bool panButton = e->button() == Qt::MiddleButton ||
                           (e->button() == Qt::LeftButton && spaceHeld_ && state_.edit.tool == Tool::Pointer);
    if (panButton && !dragInProgress(state_)) {
        panning_ = true;
        panFrom_ = e->position();
        setCursor(Qt::ClosedHandCursor);
        return;
    }
    const double x = e->position().x() * kTwips, y = e->position().y() * kTwips;
    const CanvasHit hit = hitTest(x, y);
    if (hit.kind == CanvasHit::Handle) pressOnHandle(state_, hit.index);
    else if (hit.kind == CanvasHit::Marker) pressOnMarker(state_, hit.index);
    else if (e->button() == Qt::LeftButton) pressOnCanvas(state_, x, y);
    changed();
}

void QtCanvas::mouseMoveEvent(QMouseEvent* e) {
    const double x = e->position().x() * kTwips, y = e->position().y() * kTwips;
    if (onPointer_) onPointer_(std::make_pair(x, y));
    if (panning_) {
        const QPointF step = e->position() - panFrom_;
        panFrom_ = e->position();
        panView(state_, step.x() * kTwips, step.y() * kTwips);
        changed();
        return;
    }
    bool moved = false;
    if (dragInProgress(state_)) {
        dragOverCanvas(state_, x, y);
        moved = true;
    }
    const RectObject before = state_.edit.overlays.rubberBand;
    stretchRubberBand(state_, x, y);
    const RectObject& after = state_.edit.overlays.rubberBand;
    if (before.left != after.left || before.top != after.top || before.width != after.width ||
        before.height != after.height)
        moved = true;
    if (moved) changed();
}

void QtCanvas::mouseReleaseEvent(QMouseEvent* e) {
    if (panning_) {
        panning_ = false;
        setCursor(spaceHeld_ ? Qt::OpenHandCursor : Qt::ArrowCursor);
        return;
    }
    if (!dragInProgress(state_)) return;
    const double x = e->position().x() * kTwips, y = e->position().y() * kTwips;
    const CanvasHit hit = rect().contains(e->position().toPoint()) ? hitTest(x, y) : CanvasHit{};
    if (hit.kind == CanvasHit::Handle) dropOnHandle(state_);
    else if (hit.kind == CanvasHit::Marker) dropOnMarker(state_);
    else cancelDrag(state_);
    changed();
}

void QtCanvas::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || (spaceHeld_ && state_.edit.tool == Tool::Pointer)) return;
    const CanvasHit hit = hitTest(e->position().x() * kTwips, e->position().y() * kTwips);
    // The double-clicked marker adds no point: the outline closes at its
    // last point.
    if (hit.kind == CanvasHit::Marker) closeOutline(state_);
    else if (hit.kind == CanvasHit::Nothing) doubleClickOnCanvas(state_);
    changed();
}

void QtCanvas::wheelEvent(QWheelEvent* e) {
    // A notch is 120; touchpads send smaller steps, which add up.
    wheelRest_ += e->angleDelta().y() / 120.0;
    const double notches = std::trunc(wheelRest_ * 8) / 8;
    if (notches == 0) return;
    wheelRest_ -= notches;
    zoomAt(state_, e->position().x() * kTwips, e->position().y() * kTwips, std::pow(kWheelStep, notches));
    changed();
    e->accept();
}

void QtCanvas::leaveEvent(QEvent*) {
    if (onPointer_) onPointer_(std::nullopt);
}

bool QtCanvas::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        const CanvasHit hit = hitTest(help->pos().x() * kTwips, help->pos().y() * kTwips);
        const Overlays& o = state_.edit.overlays;
        std::string tip;
        if (hit.kind == CanvasHit::Handle) tip = handleTip(o.handles[static_cast<std::size_t>(hit.index)]);
        else if (hit.kind == CanvasHit::Marker) tip = markerTip(o.markers[static_cast<std::size_t>(hit.index)]);
        if (tip.empty()) {
            QToolTip::hideText();
            e->ignore();
        } else {
            QToolTip::showText(help->globalPos(), QString::fromUtf8(tip.c_str()), this);
        }
        return true;
    }
    return QWidget::event(e);
}

void QtCanvas::dragEnterEvent(QDragEnterEvent* e) {
    if (e->mimeData()->hasUrls()) e->acceptProposedAction();
}

void QtCanvas::dropEvent(QDropEvent* e) {
    const auto urls = e->mimeData()->urls();
    if (urls.isEmpty() || !urls.front().isLocalFile()) return;
    e->acceptProposedAction();
    if (onFileDropped_) onFileDropped_(urls.front().toLocalFile().toStdString());
}

}  // namespace tess
