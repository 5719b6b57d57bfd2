// The chooser of File › Import OSM Boundary…: its filter box narrows the
// table to names and ids, and a click on a column heading sorts by it.
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "osm/Boundaries.h"
#include "osm/QtBoundaryChoices.h"

using namespace tess;

namespace {

// Runs `act` on the chooser once it is open.
void whenChooserOpens(const std::function<void(QDialog&)>& act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog->objectName() != "chooseBoundaries" || !dialog->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        act(*dialog);
    });
    poll->start(20);
}

QStringList column(QTableView& table, int c) {
    QStringList texts;
    for (int row = 0; row < table.model()->rowCount(); ++row) texts << table.model()->index(row, c).data().toString();
    return texts;
}

}  // namespace

TEST(QtBoundaryChooser, filtersNamesAndIdsSortsByTheClickedColumnAndGivesTheChosenRow) {
    QWidget window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const BoundaryScan scan = scanBoundaries(std::string(TESSALINE_TEST_DATA) + "/../osm/cases/two-relations.opl");
    ASSERT_EQ(scan.boundaries.size(), 2u);
    QStringList filtered, sorted;
    whenChooserOpens([&](QDialog& dialog) {
        auto* table = dialog.findChild<QTableView*>("boundaries");
        auto* filter = dialog.findChild<QLineEdit*>("filter");
        QTest::keyClicks(filter, "AR");
        filtered = column(*table, 0);
        filter->clear();
        QTest::keyClicks(filter, "7");
        filtered << column(*table, 3);
        filter->clear();
        QHeaderView* header = table->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(0) + 5, 5));
        sorted = column(*table, 0);
        table->selectRow(1);
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    QtBoundaryChoices choices(&window);
    EXPECT_EQ(choices.choose(scan.boundaries), std::vector<std::int64_t>{7});
    EXPECT_EQ(filtered, (QStringList{"Large", "7"}));
    EXPECT_EQ(sorted, (QStringList{"Large", "Small"}));
}
