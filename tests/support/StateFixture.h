// A State on the scripted platform, with its working folder in a scratch
// folder and a canvas of a chosen size.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "state/State.h"
#include "support/ScriptedPlatform.h"
#include "support/TestFiles.h"

namespace tess::test {

// A canvas that only records what is drawn on it.
class RecordingSurface : public Surface {
public:
    struct Line { double x1, y1, x2, y2; Rgb color; };
    RecordingSurface(double w, double h) : w_(w), h_(h) {}
    double width() const override { return w_; }
    double height() const override { return h_; }
    double fullWidth() const override { return w_ + 60; }
    void clear() override { lines.clear(); texts.clear(); }
    void drawLine(double x1, double y1, double x2, double y2, Rgb c) override { lines.push_back({x1, y1, x2, y2, c}); }
    void drawText(double, double, const std::string& t, Rgb) override { texts.push_back(t); }
    void resize(double w, double h) { w_ = w; h_ = h; }

    std::vector<Line> lines;
    std::vector<std::string> texts;

private:
    double w_, h_;
};

class StateTest : public testing::Test {
protected:
    StateTest() {
        state.settings.systemDir = temp.path();
        state.settings.exeDir = temp.path();
        state.canvas.surface = &surface;
    }
    // Whatever a test did, the pointer is not left busy.
    void TearDown() override { EXPECT_FALSE(platform.pointerBusy); }
    // Writes a file into the scratch folder and returns its path.
    std::string file(const std::string& name, const std::string& content) {
        std::string path = temp.file(name);
        writeFile(path, content);
        return path;
    }

    TempDir temp;
    ScriptedPlatform platform;
    RecordingSurface surface{5100, 3100};
    State state{platform};
};

}  // namespace tess::test
