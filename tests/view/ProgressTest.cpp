// The two-phase progress bar on a frame 924 twips wide.
#include <gtest/gtest.h>

#include "view/Progress.h"
#include "support/ScriptedPlatform.h"

using namespace tess;

TEST(ProgressBar, ReadersFillTheFirstHalfAndDrawingTheSecond) {
    test::ScriptedPlatform platform;
    State s(platform);
    s.progress.frameWidth = 924;
    rec(s, 0, 50, 100);
    EXPECT_EQ(s.progress.barWidth, 231);
    std::int16_t phase = 50;
    rec(s, phase, 50, 100);
    EXPECT_EQ(s.progress.barWidth, 693);
    EXPECT_EQ(phase, 462);
    rec(s, 50, 100, 100);
    EXPECT_EQ(s.progress.barWidth, 924);
    rec(s, 0, 0, 0);
    EXPECT_EQ(s.progress.barWidth, 15);
}
