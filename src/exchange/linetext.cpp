#include "exchange/linetext.h"

#include "exchange/plaintext.h"
#include "store/database.h"

#include <QRegularExpression>
#include <QSqlQuery>

#include <cmath>

namespace linetext {

namespace {
// A stake as the book prints it.
QString amountText(double value) {
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', 15);
}
} // namespace

QStringList sampleLines() {
    return {QStringLiteral("815-150/600/200"), QStringLiteral("256-200/0/0"),
            QStringLiteral("178-0/500/0"),     QStringLiteral("635-0/0/200"),
            QStringLiteral("258-100/200/0"),   QStringLiteral("369-0/500/600"),
            QStringLiteral("358-500/0/300"),   QStringLiteral("506-500"),
            QStringLiteral("695-0/500"),       QStringLiteral("576-200/300"),
            QStringLiteral("450-0/0/800"),     QStringLiteral("89-500/600"),
            QStringLiteral("12-500/600"),      QStringLiteral("13-300"),
            QStringLiteral("12-0/400"),        QStringLiteral("1-0/500"),
            QStringLiteral("2-500/900"),       QStringLiteral("5-2000"),
            QStringLiteral("12345-500"),       QStringLiteral("2345-600")};
}

Parse parse(const QString& line, bool bottomBeforeTod) {
    Parse parse;
    const QString plain = plaintext::plain(line);
    const int dash = plain.lastIndexOf(QLatin1Char('-'));
    if (dash < 0)
        return parse;
    parse.hasDash = true;
    parse.number = plain.left(dash);
    parse.amounts = plain.mid(dash + 1);
    const QStringList parts = parse.amounts.split(QLatin1Char('/'));
    parse.top = parts.value(0);
    parse.tod = QStringLiteral("0");
    parse.bottom = QStringLiteral("0");
    if (parts.size() == 2) {
        parse.bottom = parts[1];
    } else if (parts.size() >= 3) {
        parse.tod = parts[1];
        parse.bottom = parts.mid(2).join(QLatin1Char('/'));
        if (bottomBeforeTod)
            std::swap(parse.tod, parse.bottom);
    }
    return parse;
}

QStringList linesOf(const QString& text) {
    QStringList lines;
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")))) {
        if (!plaintext::plain(line).isEmpty())
            lines << line;
    }
    return lines;
}

QString checked(const QString& text) {
    QString out = text;
    out.remove(QStringLiteral("ตัวอย่าง"));
    static const QRegularExpression spaces(QStringLiteral("[ \\t\\x{00A0}\\x{200B}\\x{3000}]"));
    out.remove(spaces);
    return out;
}

QString codeOf(const QString& num, double h, double t, double l) {
    const QString dash = num + QLatin1Char('-');
    const QString a = amountText(h), b = amountText(t), c = amountText(l);
    const bool top = h > 0, tod = t > 0, bottom = l > 0;
    const bool noTop = h == 0, noTod = t == 0, noBottom = l == 0;
    switch (num.size()) {
    case 3:
        return dash + a + QLatin1Char('/') + b + QLatin1Char('/') + c;
    case 1:
    case 2:
        if (noTod && noBottom && top)
            return dash + a + QStringLiteral("/0");
        if (noTod && top && bottom)
            return dash + a + QLatin1Char('/') + c;
        if (noTop && noTod && bottom)
            return dash + QStringLiteral("0/") + c;
        // Only two digits have a tod, written in the middle.
        if (num.size() == 2 && noTop && noBottom && tod)
            return dash + QStringLiteral("0/") + b + QStringLiteral("/0");
        return {};
    case 4:
    case 5:
        if (top && noTod && noBottom)
            return dash + a;
        return {};
    default:
        return {};
    }
}

Codes codes(Database& db, const std::function<void(int)>& progress) {
    Codes codes;
    const qint64 total = db.scalar(QStringLiteral("SELECT count(*) FROM tball")).toLongLong();
    QSqlQuery query = db.exec(QStringLiteral("SELECT num, h, t, l FROM tball ORDER BY id"));
    while (query.next()) {
        const QString line = codeOf(query.value(0).toString(), query.value(1).toDouble(),
                                    query.value(2).toDouble(), query.value(3).toDouble());
        if (line.isEmpty())
            ++codes.withoutCode;
        else
            codes.lines << line;
        ++codes.rows;
        if (progress && total > 0)
            progress(static_cast<int>(qMin<qint64>(codes.rows, total) * 100 / total));
    }
    return codes;
}

} // namespace linetext
