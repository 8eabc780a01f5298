#include "exchange/sheetimport.h"

#include "common/digits.h"
#include "exchange/plaintext.h"
#include "store/database.h"

namespace sheetimport {

QVector<BetRow> linesOf(const QString& num, double h, double t, double l, const QString& customer,
                        bool sortDigits) {
    switch (num.size()) {
    case 3:
        return {betRow(num, Kind::h3, h, customer),
                betRow(todForm(num, sortDigits), Kind::t3, t, customer),
                betRow(num, Kind::l3, l, customer)};
    case 2:
        return {betRow(num, Kind::h2, h, customer), betRow(num, Kind::t2, t, customer),
                betRow(num, Kind::l2, l, customer)};
    case 1:
        return {betRow(num, Kind::h1, h, customer), betRow(num, Kind::l1, l, customer)};
    case 4:
        return {betRow(num, Kind::h4, h, customer)};
    case 5:
        return {betRow(num, Kind::h5, h, customer)};
    default:
        return {};
    }
}

Result import(Database& book, const QVector<sheetfile::Row>& rows, const QString& customer,
              bool sortDigits, const std::function<void(int)>& progress) {
    Result result;
    BetBatch batch(book, rows.size() * 3);
    QStringList previous = {QString(), QString(), QString(), QString()};
    for (int i = 0; i < rows.size(); ++i) {
        const sheetfile::Row& row = rows[i];
        const QString num = plaintext::plain(row.num);
        if (num.compare(QLatin1String("stop"), Qt::CaseInsensitive) == 0) {
            result.stopText = QStringLiteral("สิ้นสุดข้อมูลที่เลข") + previous.join(QStringLiteral("--"));
            break;
        }
        double stakes[3] = {0, 0, 0};
        const QString* cells[3] = {&row.h, &row.t, &row.l};
        QStringList shown = {num};
        for (int s = 0; s < 3; ++s) {
            if (!plaintext::amountOf(*cells[s], &stakes[s]))
                throw RowRefused(row.line, QStringLiteral("แถวที่ %1 (เลข %2): จำนวนเงิน \"%3\" "
                                                          "ไม่ใช่ตัวเลข ไม่ได้นำเข้าข้อมูลใดเลย")
                                               .arg(row.line)
                                               .arg(row.num, *cells[s]));
            shown << (plaintext::plain(*cells[s]).isEmpty() ? QStringLiteral("0")
                                                            : plaintext::plain(*cells[s]));
        }
        previous = shown;
        QString why;
        if (num.isEmpty())
            why = QStringLiteral("ไม่มีเลข");
        else if (!isDigits(num))
            why = QStringLiteral("ไม่ใช่ตัวเลข");
        else if (num.size() > 5)
            why = QStringLiteral("เลขเกิน5หลัก");
        if (!why.isEmpty()) {
            result.skipped.push_back({row.line, row.num, why});
        } else {
            for (const BetRow& line :
                 linesOf(num, stakes[0], stakes[1], stakes[2], customer, sortDigits)) {
                batch.add(line);
                ++result.lines;
            }
            ++result.rows;
        }
        if (progress)
            progress(static_cast<int>((i + 1) * 100LL / rows.size()));
    }
    batch.commit();
    return result;
}

QString report(const Result& result) {
    QString text =
        QStringLiteral("นำเข้าข้อมูล %1 แถว (%2 รายการ) เรียบร้อย").arg(result.rows).arg(result.lines);
    if (!result.stopText.isEmpty())
        text = result.stopText + QLatin1Char('\n') + text;
    if (!result.skipped.isEmpty()) {
        text += QStringLiteral("\nข้ามไป %1 แถว:").arg(result.skipped.size());
        // A message box holds a screenful; the rest is counted.
        const int shown = qMin(int(result.skipped.size()), 20);
        for (int i = 0; i < shown; ++i)
            text += QStringLiteral("\nแถวที่ %1 เลข \"%2\" %3")
                        .arg(result.skipped[i].line)
                        .arg(result.skipped[i].num, result.skipped[i].why);
        if (result.skipped.size() > shown)
            text += QStringLiteral("\nและอีก %1 แถว").arg(result.skipped.size() - shown);
    }
    return text;
}

} // namespace sheetimport
