// Check Document: one line a problem; choosing a line shows its place.
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "tools/QtToolDialogs.h"

namespace tess {

namespace {

// A list of a million lines helps nobody and takes long to fill.
constexpr std::size_t kMostListed = 10000;

}  // namespace

void showProblems(QWidget* parent, const std::vector<Problem>& problems, const std::function<void(const Problem&)>& show) {
    QDialog dialog(parent);
    dialog.setWindowTitle("Check Document");
    dialog.resize(560, 360);
    auto* layout = new QVBoxLayout(&dialog);
    QString summary = problems.empty() ? QString("No problem found.")
                                       : QString("%1 problem%2. Choose one to show its ring.").arg(problems.size()).arg(problems.size() == 1 ? "" : "s");
    if (problems.size() > kMostListed) summary += QString(" The first %1 are listed.").arg(kMostListed);
    layout->addWidget(new QLabel(summary, &dialog));
    auto* list = new QListWidget(&dialog);
    for (std::size_t i = 0; i < problems.size() && i < kMostListed; ++i) list->addItem(QString::fromStdString(describe(problems[i])));
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::currentRowChanged, &dialog, [&](int row) {
        if (row >= 0) show(problems[static_cast<std::size_t>(row)]);
    });
    dialog.exec();
}

}  // namespace tess
