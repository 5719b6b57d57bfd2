// Draws a long chain of points as few lines as show the same picture:
// segments wholly beside the canvas are left out, and a run of points
// that stay within one pixel of where the last line ended is drawn as one
// line to the last of them. A million-vertex ring fitted on the canvas
// becomes a few tens of thousands of lines; zoomed in, the few in view.
#pragma once

#include <cmath>

#include "state/Surface.h"

namespace tess {

class LineThinner {
public:
    LineThinner(Surface& surface, Rgb color, double width, double height)
        : surface_(surface), color_(color), width_(width), height_(height) {}

    // The chain starts again at (x, y): no line joins it to the last point.
    void moveTo(double x, double y) {
        finishRun();
        lastX_ = drawnX_ = x;
        lastY_ = drawnY_ = y;
        started_ = true;
    }

    void lineTo(double x, double y) {
        if (!started_) {
            moveTo(x, y);
            return;
        }
        if (besideCanvas(lastX_, lastY_, x, y)) {
            moveTo(x, y);
            return;
        }
        lastX_ = x;
        lastY_ = y;
        if (samePixel(x, y, drawnX_, drawnY_)) {
            pending_ = true;
            return;
        }
        surface_.drawLine(drawnX_, drawnY_, x, y, color_);
        drawnX_ = x;
        drawnY_ = y;
        pending_ = false;
    }

    // Draws what a run within one pixel still holds.
    void finishRun() {
        if (pending_ && (lastX_ != drawnX_ || lastY_ != drawnY_))
            surface_.drawLine(drawnX_, drawnY_, lastX_, lastY_, color_);
        drawnX_ = lastX_;
        drawnY_ = lastY_;
        pending_ = false;
    }

private:
    static constexpr double kPixel = kTwipsPerPixel;
    // Lines are cut a little outside the canvas; keep the same slack.
    static constexpr double kSlack = 4 * kPixel;

    static bool samePixel(double ax, double ay, double bx, double by) {
        return std::fabs(ax - bx) < kPixel && std::fabs(ay - by) < kPixel;
    }

    bool besideCanvas(double ax, double ay, double bx, double by) const {
        return (ax < -kSlack && bx < -kSlack) || (ax > width_ + kSlack && bx > width_ + kSlack) ||
               (ay < -kSlack && by < -kSlack) || (ay > height_ + kSlack && by > height_ + kSlack);
    }

    Surface& surface_;
    Rgb color_;
    double width_, height_;
    double lastX_ = 0, lastY_ = 0;    // the last point given
    double drawnX_ = 0, drawnY_ = 0;  // where the last line drawn ends
    bool started_ = false;
    bool pending_ = false;  // points given since then, within one pixel
};

}  // namespace tess
