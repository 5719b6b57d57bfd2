// Placeholder until the combine window lands.
#include "combine/QtCombineWindow.h"

namespace tess {
void showCombineWindow(QWidget*, State&) {}
}  // namespace tess
