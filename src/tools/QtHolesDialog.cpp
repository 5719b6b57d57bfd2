// Remove Holes Smaller Than…: the area asked for, then one step.
#include <QInputDialog>

#include "platform/Messages.h"
#include "tools/AreaTools.h"
#include "tools/QtToolDialogs.h"

namespace tess {

void removeSmallHolesCommand(QWidget* parent, State& s) {
    if (s.edit.outline.pointCount > 0) {
        s.platform.message(kAddOrCancel);
        return;
    }
    bool ok = false;
    const double squareKilometres = QInputDialog::getDouble(parent, "Remove Holes Smaller Than", QString::fromUtf8(kHoleAreaPrompt),
                                                            1.0, 0.0, 1e9, 3, &ok);
    if (!ok) return;
    if (const std::optional<int> removed = removeHolesSmallerThan(s, squareKilometres))
        s.platform.inform(holesRemovedText(*removed));
}

}  // namespace tess
