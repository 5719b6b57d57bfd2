// The canvas: a persistent back buffer that the drawing goes to (through
// the Surface interface, in twips), with the canvas objects (handles,
// edge lines, markers, segments, rubber band) painted above it from the
// state. Mouse events are turned into the editing calls, in twips.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "state/State.h"
#include "state/Surface.h"

namespace tess {

// What lies under a canvas point, topmost first.
struct CanvasHit {
    enum Kind { Nothing, Handle, Marker } kind = Nothing;
    int index = 0;
};

class QtCanvas : public QWidget, public Surface {
    Q_OBJECT
public:
    QtCanvas(State& state, QWidget* parent = nullptr);

    // Surface, in twips.
    double width() const override;
    double height() const override;
    double fullWidth() const override;
    void clear() override;
    void drawLine(double x1, double y1, double x2, double y2, Rgb color) override;
    void drawText(double left, double top, const std::string& text, Rgb color) override;

    // The drawing as it stands, without the canvas objects.
    const QImage& image();

    CanvasHit hitTest(double x, double y) const;

    // Called after every editing call the canvas makes, so that the window
    // shows the new state.
    void setOnChanged(std::function<void()> f) { onChanged_ = std::move(f); }
    void setOnFileDropped(std::function<void(std::string)> f) { onFileDropped_ = std::move(f); }
    // Called with the pointer's canvas position (twips) as it moves, and
    // with nothing when it leaves the canvas.
    void setOnPointer(std::function<void(std::optional<std::pair<double, double>>)> f) { onPointer_ = std::move(f); }
    // While Space is held, a left drag with the pointer tool pans.
    void setSpaceHeld(bool held);
    // Paints what lies under the drawing (the map); while one is set, the
    // drawing is kept on a transparent picture so that it shows through.
    void setUnderlay(std::function<void(QPainter&)> paint);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void wheelEvent(QWheelEvent*) override;
    void leaveEvent(QEvent*) override;
    bool event(QEvent*) override;
    void dragEnterEvent(QDragEnterEvent*) override;
    void dropEvent(QDropEvent*) override;

private:
    struct PendingLine {
        QLineF line;
        QRgb color;
    };
    void ensureImageSize();
    QColor paper() const;
    void flush();
    void changed();
    void paintObjects(QPainter& painter) const;
    // The ring around the place Check Document shows.
    void paintMarkedPlace(QPainter& painter) const;

    State& state_;
    QImage image_;
    QImage lastWhole_;  // the last picture drawn whole
    bool painted_ = false;
    std::vector<PendingLine> pending_;
    std::function<void()> onChanged_;
    std::function<void(std::string)> onFileDropped_;
    std::function<void(std::optional<std::pair<double, double>>)> onPointer_;
    bool spaceHeld_ = false;
    // A pan under way, and where the pointer was at its last step (twips).
    bool panning_ = false;
    QPointF panFrom_;
    double wheelRest_ = 0;  // wheel turn not yet used, in notches
    std::function<void(QPainter&)> underlay_;
};

}  // namespace tess
