#include "exchange/plaintext.h"

#include "store/amounts.h"

#include <QRegularExpression>

namespace plaintext {

QString plain(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x0E50 && u <= 0x0E59)
            out += QChar(u'0' + (u - 0x0E50));
        else if (u >= 0xFF10 && u <= 0xFF19)
            out += QChar(u'0' + (u - 0xFF10));
        else if (u == 0xFF0D || u == 0x2212)
            out += QLatin1Char('-');
        else if (u == 0xFF0F)
            out += QLatin1Char('/');
        else if (c.isSpace() || u == 0x200B || u == 0xFEFF || u == 0x00A0)
            continue;
        else
            out += c;
    }
    return out;
}

bool amountOf(const QString& text, double* value) {
    const QString plainText = plain(text);
    if (plainText.isEmpty()) {
        *value = 0;
        return true;
    }
    static const QRegularExpression form(QStringLiteral("^-?(\\d{1,3}(,\\d{3})+|\\d+)(\\.\\d+)?$"));
    if (!form.match(plainText).hasMatch())
        return false;
    bool ok = false;
    const double amount = QString(plainText).remove(QLatin1Char(',')).toDouble(&ok);
    if (!ok || !inAmountRange(amount))
        return false;
    *value = amount;
    return true;
}

} // namespace plaintext
