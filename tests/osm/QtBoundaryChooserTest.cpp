// File › Import OSM Boundary… in the window: the menu entry, and the
// chooser, whose filter box narrows the table to names and ids and whose
// column headings sort by that column when clicked.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "app/QtWindowFixture.h"
#include "osm/OplFiles.h"
#include "osm/QtBoundaryChoices.h"

using namespace tess;
using namespace tess::test;

namespace {

const std::string kThree =
    "n1 v1 x13.0 y52.0\nn2 v1 x13.1 y52.0\nn3 v1 x13.1 y52.1\nn4 v1 x13.0 y52.1\n"
    "w1 v1 T Nn1,n2,n3,n4,n1\n"
    "r30 v1 Ttype=boundary,admin_level=10,name=Mitte Mw1@outer\n"
    "r4 v1 Ttype=boundary,admin_level=8,name=Pankow Mw1@outer\n"
    "r200 v1 Ttype=multipolygon,name=Wannsee Mw1@outer\n";

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
    TempDir temp;
    const BoundaryScan scan = scanBoundaries(pbfFile(temp, "berlin", kThree));
    ASSERT_EQ(scan.boundaries.size(), 3u);
    QStringList filtered, sorted;
    whenChooserOpens([&](QDialog& dialog) {
        auto* table = dialog.findChild<QTableView*>("boundaries");
        auto* filter = dialog.findChild<QLineEdit*>("filter");
        QTest::keyClicks(filter, "an");
        filtered = column(*table, 0);
        filter->clear();
        QTest::keyClicks(filter, "20");
        filtered << column(*table, 3);
        filter->clear();
        QHeaderView* header = table->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(3) + 5, 5));
        sorted = column(*table, 3);
        table->selectRow(1);
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    QtBoundaryChoices choices(&window);
    EXPECT_EQ(choices.choose(scan.boundaries), std::vector<std::int64_t>{30});
    EXPECT_EQ(filtered, (QStringList{"Pankow", "Wannsee", "200"}));
    EXPECT_EQ(sorted, (QStringList{"4", "30", "200"}));
}

TEST_F(QtWindowTest, theFileMenuOffersTheImportAndACancelledDialogChangesNothing) {
    QtMainWindow& w = start();
    QAction* import = w.action(Command::ImportOsmBoundary);
    ASSERT_NE(import, nullptr);
    EXPECT_EQ(import->text(), QString::fromUtf8("Import OS&M Boundary…"));
    platform.dialogResults.push_back("");
    import->trigger();
    EXPECT_EQ(platform.lastFilters.front().pattern, "*.osm.pbf *.pbf *.osm *.osm.bz2 *.osm.gz *.opl");
    EXPECT_EQ(w.state().doc.ringCount(), 0);
}
