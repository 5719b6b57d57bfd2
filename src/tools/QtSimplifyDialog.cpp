// Simplify Ring…: the tolerance in metres and what it does to the ring's
// vertex count, worked out again shortly after each change.
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

#include "geometry/Geos.h"
#include "tools/QtToolDialogs.h"
#include "geometry/Simplify.h"

namespace tess {

namespace {

// A ring's vertices as the status bar counts them: the last, when it
// repeats the first, is not counted twice.
qlonglong withoutRepeat(const Vertices& v) {
    const bool closed = v.size() > 1 && v.front() == v.back();
    return static_cast<qlonglong>(v.size()) - (closed ? 1 : 0);
}

// Up to this many vertices the count after is worked out while the dialog
// is open, in a few hundredths of a second; a larger ring is simplified
// once, away from the window, when the dialog is closed with OK.
constexpr std::size_t kCountedWhileTyping = 200000;

}  // namespace

std::optional<double> askSimplifyTolerance(QWidget* parent, const std::vector<RingText>& rings, int index) {
    const RingText& ring = rings.at(static_cast<std::size_t>(index));
    const Vertices vertices = ring.facts.vertices <= static_cast<std::int64_t>(kCountedWhileTyping) ? verticesOf(ring.lines) : Vertices{};

    QDialog dialog(parent);
    dialog.setWindowTitle(QString("Simplify Ring %1").arg(index + 1));
    auto* form = new QFormLayout(&dialog);
    auto* tolerance = new QDoubleSpinBox(&dialog);
    tolerance->setRange(0, 1e6);
    tolerance->setDecimals(1);
    tolerance->setSuffix(" m");
    tolerance->setValue(100);
    form->addRow("Tolerance:", tolerance);
    auto* counts = new QLabel(&dialog);
    form->addRow("Vertices:", counts);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    const QLocale locale;
    auto update = [&] {
        if (vertices.empty()) {
            counts->setText(QString("%1 before; the count after is known once it is simplified").arg(locale.toString(ring.facts.vertices)));
            return;
        }
        try {
            const Vertices result = simplifyRing(vertices, tolerance->value());
            counts->setText(QString("%1 before, %2 after").arg(locale.toString(withoutRepeat(vertices)),
                                                                locale.toString(withoutRepeat(result))));
            buttons->button(QDialogButtonBox::Ok)->setEnabled(true);
        } catch (const GeosError& e) {
            counts->setText(QString::fromUtf8(e.what()));
            buttons->button(QDialogButtonBox::Ok)->setEnabled(false);
        }
    };
    // Wait until typing pauses.
    QTimer pause;
    pause.setSingleShot(true);
    pause.setInterval(150);
    QObject::connect(&pause, &QTimer::timeout, &dialog, update);
    QObject::connect(tolerance, &QDoubleSpinBox::valueChanged, &pause, qOverload<>(&QTimer::start));
    update();

    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return tolerance->value();
}

}  // namespace tess
