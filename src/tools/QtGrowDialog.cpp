// Grow or Shrink Ring…: a distance on the ground, its unit, the direction
// and the corners.
#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QRadioButton>

#include "tools/QtToolDialogs.h"

namespace tess {

namespace {

// Two choices side by side, the first one checked.
QRadioButton* addChoice(QFormLayout* form, const char* label, const char* first, const char* second) {
    auto* row = new QHBoxLayout;
    auto* a = new QRadioButton(first);
    auto* b = new QRadioButton(second);
    a->setChecked(true);
    auto* group = new QButtonGroup(form);
    group->addButton(a);
    group->addButton(b);
    row->addWidget(a);
    row->addWidget(b);
    form->addRow(label, row);
    return a;
}

}  // namespace

std::optional<GrowRequest> askGrowDistance(QWidget* parent, int index) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QString("Grow or Shrink Ring %1").arg(index + 1));
    auto* form = new QFormLayout(&dialog);
    auto* distanceRow = new QHBoxLayout;
    auto* distance = new QDoubleSpinBox(&dialog);
    distance->setRange(0, 1e7);
    distance->setDecimals(3);
    distance->setValue(1);
    auto* unit = new QComboBox(&dialog);
    unit->addItems({"km", "m"});
    distanceRow->addWidget(distance);
    distanceRow->addWidget(unit);
    form->addRow("Distance:", distanceRow);
    QRadioButton* outward = addChoice(form, "Direction:", "Outward (grow)", "Inward (shrink)");
    QRadioButton* round = addChoice(form, "Corners:", "Round", "Mitred");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const double metres = distance->value() * (unit->currentIndex() == 0 ? 1000 : 1) * (outward->isChecked() ? 1 : -1);
    return GrowRequest{metres, round->isChecked() ? Corners::Round : Corners::Mitre};
}

}  // namespace tess
