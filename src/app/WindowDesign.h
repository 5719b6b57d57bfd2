// Design positions of the main window's controls, in twips of its client
// area (15 twips to a pixel). The canvas and ring list are in Layout,
// since resizing changes their sizes.
#pragma once

namespace tess::design {

struct Box {
    int left, top, width, height;
};

inline constexpr int kWindowWidth = 9795;   // outer size at start
inline constexpr int kWindowHeight = 9900;

inline constexpr Box titleBox{96, 180, 2300, 315};
inline constexpr Box progressFrame{2460, 270, 924, 135};
inline constexpr Box boundLabels[4] = {
    {3528, 180, 1356, 276}, {5112, 180, 1356, 276}, {6612, 180, 1356, 276}, {8208, 180, 1356, 276}};
inline constexpr Box editBox{96, 660, 255, 255};
inline constexpr Box editLabel{372, 660, 390, 255};
inline constexpr Box toolButtons[3] = {{96, 1080, 588, 480}, {96, 1620, 588, 480}, {96, 2160, 588, 480}};
inline constexpr Box ringButtons[2] = {{96, 2820, 270, 390}, {414, 2820, 270, 390}};
inline constexpr int kListWidth = 588;  // the ring list, at its narrowest

}  // namespace tess::design
