#include "printing/gui/reportpreview.h"
#include "printing/layout.h"
#include "store/database.h"
#include "support/reportcells.h"
#include "support/shop.h"
#include "support/testmain.h"

#include <QAction>

using printing::ReportPreview;
using testing::cellsOf;

class KeptPairsTest : public testing::Test {
    Q_OBJECT
private slots:
    void bothKindsSideBySideWithTheirSums() {
        testing::Shop shop;
        {
            std::unique_ptr<Database> db = shop.main->desk().openShared();
            db->exec(
                "INSERT INTO h3cut (num, h, codeins) VALUES ('123', 500, 'h3'), ('456', 80, 'h3')");
            db->exec(
                "INSERT INTO t3cut (num, t, codeins) VALUES ('123', 40, 't3'), ('789', 7.5, 't3')");
            db->exec("INSERT INTO h2cut (num, h, codeins) VALUES ('12', 300, 'h2')");
            db->exec(
                "INSERT INTO l2cut (num, l, codeins) VALUES ('12', 200, 'l2'), ('05', 10, 'l2')");
        }
        const QStringList menu = {QStringLiteral("(3)แสดงยอด"), QStringLiteral("6.ยอดตัดเก็บล่าสุด")};
        for (QAction* action : testing::menuActions(shop.main.get(), menu)) {
            if (action->text().contains(QLatin1Char('+'))) {
                QVERIFY(action->isEnabled());
                action->trigger();
            }
        }
        QCOMPARE(ReportPreview::shown().size(), 2);
        const printing::Report& three = ReportPreview::shown()[0].report;
        QCOMPARE(three.heading, QStringLiteral("สรุปยอดเก็บ3ตัวบน+โต๊ด"));
        QCOMPARE(three.across, 4);
        QCOMPARE(three.rows.size(), 3);
        QCOMPARE(cellsOf(three, 0), (QStringList{"123", "500", "40"}));
        QCOMPARE(cellsOf(three, 2), (QStringList{"789", "0", "7.50"}));
        const printing::Layout layout(three, 40);
        QCOMPARE(layout.sumText(0), QStringLiteral("ยอดรวมตรง=580    ยอดรวมโต๊ด=47.50"));

        const printing::Report& two = ReportPreview::shown()[1].report;
        QCOMPARE(two.heading, QStringLiteral("สรุปยอดเก็บ 2ตัวบน+ล่าง"));
        QCOMPARE(two.columns[1].caption, QStringLiteral(" บน "));
        QCOMPARE(cellsOf(two, 0), (QStringList{"05", "0", "10"}));
        QCOMPARE(cellsOf(two, 1), (QStringList{"12", "300", "200"}));
        QCOMPARE(printing::Layout(two, 40).sumText(0),
                 QStringLiteral(" ยอดรวมบน=300     ยอดรวมล่าง =210"));
    }
};

TABULOX_TEST(KeptPairsTest)
#include "keptpairs_test.moc"
