// Check Document: one line a problem; choosing a line shows its place.
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "tools/QtToolDialogs.h"

namespace tess {

void showProblems(QWidget* parent, const CheckReport& report, const std::vector<std::string>& areas,
                  const std::function<void(const Problem&)>& show, const std::function<void(int)>& showRing) {
    const std::vector<Problem>& problems = report.problems;
    QDialog dialog(parent);
    dialog.setWindowTitle("Check Document");
    dialog.resize(560, 480);
    auto* layout = new QVBoxLayout(&dialog);
    QString summary = problems.empty() ? QString("No problem found.")
                                       : QString("%1 problem%2. Choose one to show its ring.").arg(report.total).arg(report.total == 1 ? "" : "s");
    if (report.total > static_cast<std::int64_t>(problems.size())) summary += QString(" The first %1 are listed.").arg(problems.size());
    layout->addWidget(new QLabel(summary, &dialog));
    auto* list = new QListWidget(&dialog);
    for (const Problem& p : problems) list->addItem(QString::fromStdString(describe(p)));
    layout->addWidget(list);
    auto* areaList = new QListWidget(&dialog);
    for (const std::string& line : areas) areaList->addItem(QString::fromStdString(line));
    layout->addWidget(new QLabel(kAreasHeading, &dialog));
    layout->addWidget(areaList);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::currentRowChanged, &dialog, [&](int row) {
        if (row >= 0) show(problems[static_cast<std::size_t>(row)]);
    });
    // The last line is the document's total, which has no ring.
    QObject::connect(areaList, &QListWidget::currentRowChanged, &dialog, [&](int row) {
        if (row >= 0 && row + 1 < areaList->count()) showRing(row);
    });
    dialog.exec();
}

}  // namespace tess
