#include "osm/QtBoundaryChoices.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include "platform/Messages.h"

namespace tess {

namespace {

enum Column { NameColumn, AdminLevelColumn, KindColumn, IdColumn, MembersColumn, ColumnCount };

// Rows whose name or id holds the filter text, in any letter case.
class NameOrIdFilter : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        const QRegularExpression pattern = filterRegularExpression();
        for (int column : {NameColumn, IdColumn}) {
            const QString text = sourceModel()->index(row, column, parent).data().toString();
            if (text.contains(pattern)) return true;
        }
        return false;
    }
};

// A cell that sorts as a number when it is one (admin_level "10" after "8").
QStandardItem* cell(const std::string& text) {
    auto* item = new QStandardItem;
    bool number = false;
    const qlonglong value = QString::fromStdString(text).toLongLong(&number);
    if (number) item->setData(value, Qt::DisplayRole);
    else item->setData(QString::fromStdString(text), Qt::DisplayRole);
    item->setEditable(false);
    return item;
}

}  // namespace

QtBoundaryChoices::QtBoundaryChoices(QWidget* parent) : parent_(parent) {}
QtBoundaryChoices::~QtBoundaryChoices() = default;

void QtBoundaryChoices::beginWork(const std::string& caption) {
    progress_ = std::make_unique<QProgressDialog>(QString::fromStdString(caption), "Cancel", 0, 1000, parent_);
    progress_->setWindowTitle("Tessaline");
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setMinimumDuration(0);
    progress_->setValue(0);
}

bool QtBoundaryChoices::working(std::uint64_t done, std::uint64_t total) {
    if (!progress_) return true;
    // A modal progress window lets its own Cancel through while it waits.
    progress_->setValue(total == 0 ? 0 : static_cast<int>(std::min<std::uint64_t>(done, total) * 1000 / total));
    return !progress_->wasCanceled();
}

void QtBoundaryChoices::endWork() { progress_.reset(); }

std::vector<std::int64_t> QtBoundaryChoices::choose(const std::vector<Boundary>& found) {
    QDialog dialog(parent_);
    dialog.setObjectName("chooseBoundaries");
    dialog.setWindowTitle(kChooseBoundaries);
    dialog.resize(640, 420);
    auto* layout = new QVBoxLayout(&dialog);
    auto* filter = new QLineEdit(&dialog);
    filter->setObjectName("filter");
    filter->setPlaceholderText(kBoundaryFilter);
    filter->setClearButtonEnabled(true);
    layout->addWidget(filter);

    auto* model = new QStandardItemModel(0, ColumnCount, &dialog);
    for (int c = 0; c < ColumnCount; ++c) model->setHeaderData(c, Qt::Horizontal, kBoundaryColumns[c]);
    for (const Boundary& b : found)
        model->appendRow({cell(b.name), cell(b.adminLevel), cell(b.kind), cell(std::to_string(b.id)),
                          cell(std::to_string(b.memberCount))});
    auto* proxy = new NameOrIdFilter(&dialog);
    proxy->setSourceModel(model);
    proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    auto* table = new QTableView(&dialog);
    table->setObjectName("boundaries");
    table->setModel(proxy);
    table->setSortingEnabled(true);
    table->sortByColumn(-1, Qt::AscendingOrder);  // the file's order until a column is clicked
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    layout->addWidget(table);
    QObject::connect(filter, &QLineEdit::textChanged, proxy, [proxy, table](const QString& text) {
        proxy->setFilterRegularExpression(QRegularExpression(QRegularExpression::escape(text),
                                                             QRegularExpression::CaseInsensitiveOption));
        // Enter imports what the filter found when the chosen row is gone.
        if (!table->selectionModel()->hasSelection() && proxy->rowCount() > 0) table->selectRow(0);
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText("Import");
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(table, &QTableView::doubleClicked, &dialog, &QDialog::accept);
    if (!found.empty()) table->selectRow(0);

    std::vector<std::int64_t> ids;
    if (dialog.exec() != QDialog::Accepted) return ids;
    QModelIndexList rows = table->selectionModel()->selectedRows(IdColumn);
    std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    for (const QModelIndex& row : rows) ids.push_back(row.data().toLongLong());
    return ids;
}

void QtBoundaryChoices::listProblems(const std::vector<OutlinePlace>& places,
                                     const std::function<void(const OutlinePlace&)>& show) {
    QDialog dialog(parent_);
    dialog.setWindowTitle(kOutlineProblems);
    dialog.resize(560, 360);
    auto* layout = new QVBoxLayout(&dialog);
    auto* list = new QListWidget(&dialog);
    for (const OutlinePlace& p : places) list->addItem(QString::fromStdString(p.text));
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::currentRowChanged, &dialog, [&](int row) {
        if (row >= 0) show(places[static_cast<std::size_t>(row)]);
    });
    dialog.exec();
}

}  // namespace tess
