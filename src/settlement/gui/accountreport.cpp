#include "settlement/gui/accountreport.h"

#include "printing/layout.h"
#include "store/kindcaptions.h"

namespace accounts {

namespace {

// The ten kind headings in listing order; naming mode 1 names the group kinds by their heads.
QStringList kindHeadings(int namingMode, const char* four, const char* five) {
    QStringList headings;
    for (Kind kind : listingOrder()) {
        if (namingMode == 1 && (kind == Kind::h4 || kind == Kind::h5))
            headings << kindCaption(kind, 1);
        else if (kind == Kind::h4)
            headings << QString::fromUtf8(four);
        else if (kind == Kind::h5)
            headings << QString::fromUtf8(five);
        else
            headings << kindCaption(kind, 0);
    }
    return headings;
}

QString money(qint64 amount) {
    return printing::amountText(static_cast<double>(amount));
}

printing::Row line(const QString& caption, const PerKind& amounts, const QString& total) {
    printing::Row row;
    row.cells.push_back({caption, printing::bold});
    for (qint64 amount : amounts)
        row.cells.push_back({money(amount)});
    row.cells.push_back({total, printing::bold});
    return row;
}

} // namespace

printing::Report discountReport(const QVector<Account>& accounts, int namingMode) {
    using namespace printing;
    Report r;
    r.heading = QStringLiteral("สรุปยอดหักเปอร์เซ็นต์");
    r.sumCaption = QStringLiteral("ยอดเรียกเก็บรวม=");
    r.columns.push_back({QStringLiteral("ชื่อ"), 1.6, false});
    for (const QString& heading : kindHeadings(namingMode, "4ตัว", "5ตัว"))
        r.columns.push_back({heading, 1, true});
    for (const char* heading : {"ยอดรวม", "%รวม", "ยอดเรียกเก็บ"})
        r.columns.push_back({QString::fromUtf8(heading), 1.2, true});
    r.rows.reserve(accounts.size());
    for (const Account& account : accounts) {
        Row row;
        row.cells.push_back({account.name, bold});
        for (qint64 discount : account.discounts)
            row.cells.push_back({money(discount)});
        row.cells.push_back({money(account.total)});
        row.cells.push_back({money(account.discount)});
        row.cells.push_back({money(account.toCollect), bold});
        row.amount = static_cast<double>(account.toCollect);
        r.rows.push_back(row);
    }
    return r;
}

printing::Report accountReport(const Account& account, int namingMode) {
    using namespace printing;
    Report r;
    r.heading = QStringLiteral("สรุปยอดบัญชีรวมของ") + account.name;
    r.footerSum = false;
    r.columns.push_back({QString(), 1.5, false});
    for (const QString& heading : kindHeadings(namingMode, "กลุ่ม4ตัว", "กลุ่ม5ตัว"))
        r.columns.push_back({heading, 1, true});
    r.columns.push_back({QStringLiteral("รวม"), 1.2, true});

    PerKind paid{};
    for (size_t k = 0; k < paid.size(); ++k)
        paid[k] = account.stakes[k] - account.discounts[k];
    r.rows = {line(QStringLiteral("ยอดทั้งหมด"), account.stakes, money(account.total)),
              line(QStringLiteral("เปอเซนต์ส่วนลด"), account.percents, QString()),
              line(QStringLiteral("ส่วนลดจริง"), account.discounts, money(account.discount)),
              line(QStringLiteral("ยอดจ่ายจริง"), paid, money(account.toCollect))};
    r.summary = {QStringLiteral("ยอดซื้อทั้งหมด   =") + money(account.total),
                 QStringLiteral("%ส่วนลดรวม   =") + money(account.discount),
                 QStringLiteral("ยอดเรียกเก็บ   =") + money(account.toCollect)};
    return r;
}

} // namespace accounts
