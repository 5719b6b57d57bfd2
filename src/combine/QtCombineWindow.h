// The combine window, "Merge": picks .poly files and joins them into one.
#pragma once

class QWidget;

namespace tess {
struct State;
// Shows the window modally over parent.
void showCombineWindow(QWidget* parent, State& s);
}  // namespace tess
