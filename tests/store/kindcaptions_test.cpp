#include "store/kindcaptions.h"
#include "support/testmain.h"

class KindCaptionsTest : public testing::Test {
    Q_OBJECT
private slots:
    void headNames();
    void twoDigitXName();
    void otherKindsNeverChange();
};

void KindCaptionsTest::headNames() {
    QCOMPARE(kindCaption(Kind::h5, 1), QString("หัว3ตัว"));
    QCOMPARE(kindCaption(Kind::h4, 1), QString("หัว3ตัวโต๊ด"));
    QCOMPARE(kindCaption(Kind::t2, 1), QString("หัว2ตัว"));
    // The main menu says which two head digits.
    QCOMPARE(menuCaption(Kind::t2, 1), QString("หัว2ตัวหน้า"));
    QCOMPARE(menuCaption(Kind::h5, 1), QString("หัว3ตัว"));
    QCOMPARE(totalCaption(Kind::h5, 1), QString("หัว3ตัว="));
    QCOMPARE(totalCaption(Kind::h4, 1), QString("หัว3ตัวโต๊ด="));
    QCOMPARE(totalCaption(Kind::t2, 1), QString("หัว2ตัว="));
    QCOMPARE(totalHint(Kind::h5, 1), QString("แสดงยอดหัว3ตัว"));
    QCOMPARE(totalHint(Kind::h4, 1), QString("แสดงยอดหัว3ตัวโต๊ด"));
    QCOMPARE(totalHint(Kind::t2, 1), QString("แสดงยอดหัว2ตัว"));
}

void KindCaptionsTest::twoDigitXName() {
    QCOMPARE(kindCaption(Kind::t2, 2), QString("2ตัวX"));
    QCOMPARE(menuCaption(Kind::t2, 2), QString("เลข2ตัวx"));
    QCOMPARE(totalCaption(Kind::t2, 2), QString("เลข2ตัวx="));
    QCOMPARE(totalHint(Kind::t2, 2), QString("แสดงยอดเลข2ตัวx"));
    // The groups keep their group names in mode 2.
    QCOMPARE(kindCaption(Kind::h4, 2), QString("กลุ่ม4ตัว"));
    QCOMPARE(menuCaption(Kind::h5, 2), QString("กลุ่ม5ตัว"));
    QCOMPARE(totalCaption(Kind::h5, 2), QString("กลุ่ม5ตัว="));
    QCOMPARE(kindCaptions(2, listingOrder()),
             QStringList({"3ตัวบน", "3ตัวโต๊ด", "3ตัวล่าง", "2ตัวบน", "2ตัวล่าง", "2ตัวX", "วิ่งบน", "วิ่งล่าง",
                          "กลุ่ม4ตัว", "กลุ่ม5ตัว"}));
}

void KindCaptionsTest::otherKindsNeverChange() {
    for (Kind kind : {Kind::h3, Kind::t3, Kind::l3, Kind::h2, Kind::l2, Kind::h1, Kind::l1}) {
        const QString plain = QString::fromUtf8(kindInfo(kind).caption);
        for (int mode : {0, 1, 2}) {
            QCOMPARE(kindCaption(kind, mode), plain);
            QCOMPARE(menuCaption(kind, mode), plain);
            QCOMPARE(totalCaption(kind, mode), plain + "=");
        }
    }
    // A stored mode that is none of the three reads as group names.
    QCOMPARE(kindCaptions(7), kindCaptions(0));
    QCOMPARE(kindCaption(Kind::t2, -1), QString("คู่โต๊ด"));
    QCOMPARE(totalHint(Kind::h3, 0), QString("แสดงยอด3ตัวบน"));
}

TABULOX_TEST(KindCaptionsTest)
#include "kindcaptions_test.moc"
