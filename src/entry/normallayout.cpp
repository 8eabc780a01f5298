#include "entry/normallayout.h"

#include "entry/digits.h"

namespace {
ModeLayout oneStake(const QString& banner, const QString& caption) {
    ModeLayout l;
    l.banner = banner;
    l.l1Caption = caption;
    return l;
}

ModeLayout twoStakes(const QString& banner, const QString& first, const QString& second) {
    ModeLayout l = oneStake(banner, first);
    l.n2 = true;
    l.l2Caption = second;
    return l;
}
} // namespace

QString defaultCaption(int functionKey) {
    static const char* const captions[] = {
        "3ตัวชุด-กลุ่ม", "3ตัวบน+โต๊ด", "3ตัวล่าง-วิ่ง-คู่โต๊ด", "2บนกลับ-3ตรงชุด", "วิ่ง-2ตัวล่าง+กลับ",
        "2ตัวบน+ล่าง",  "รวม",         "2ตัวบน-ล่าง/กลับ",     "All in One",     "รวมล่าง "};
    if (functionKey < 1 || functionKey > 10)
        return QString();
    return QString::fromUtf8(captions[functionKey - 1]);
}

QString buttonCaption(int functionKey, const QString& stored, int kindNamingMode) {
    if (kindNamingMode == 2 && functionKey == 1)
        return QStringLiteral("3ตัวชุด-2Xชุด(F1)");
    if (kindNamingMode == 2 && functionKey == 3)
        return QStringLiteral("3ตัวล่าง-เลข2ตัวx(F3)");
    const QString base = stored.isEmpty() ? defaultCaption(functionKey) : stored;
    return base + QStringLiteral("(F%1)").arg(functionKey);
}

NormalMode functionKeyMode(int functionKey) {
    static const NormalMode modes[] = {NormalMode::F1, NormalMode::F2, NormalMode::F3,
                                       NormalMode::F4, NormalMode::F5, NormalMode::F6,
                                       NormalMode::F7, NormalMode::F8, NormalMode::F9,
                                       NormalMode::F10};
    return modes[qBound(1, functionKey, 10) - 1];
}

NormalMode arrowMode(int position) {
    switch (position) {
    case 1:
        return NormalMode::Menu1;
    case 2:
        return NormalMode::F10;
    case 3:
        return NormalMode::F9;
    case 4:
        return NormalMode::F6;
    case 5:
        return NormalMode::Menu5;
    case 6:
        return NormalMode::Menu6;
    case 7:
        return NormalMode::Menu7;
    default:
        return NormalMode::F1;
    }
}

QString arrowBanner(int position, const QString& f1Caption) {
    switch (position) {
    case 1:
        return QStringLiteral("(เมนู1)โต๊ด");
    case 2:
        return QStringLiteral("(เมนู2)ล่าง(F10)");
    case 3:
        return QStringLiteral("(เมนู3)All In One(F9)");
    case 4:
        return QStringLiteral("(เมนู4)บน+ล่าง");
    case 5:
        return QStringLiteral("(เมนู5)บน+โต๊ด");
    case 6:
        return QStringLiteral("(เมนู6)ป้อนเลขบน+โต๊ด+ล่าง");
    case 7:
        return QStringLiteral("(เมนู7)ป้อนเลขบน+ล่าง+โต๊ด");
    default:
        return QStringLiteral("(เมนู8)") + f1Caption;
    }
}

ModeLayout modeLayout(NormalMode mode, int length, const NormalOptions& options) {
    ModeLayout l;
    switch (mode) {
    case NormalMode::F1:
        l = oneStake(QString(), QStringLiteral("เงิน"));
        break;
    case NormalMode::F2:
        l = twoStakes(QString(), QStringLiteral("เงินบน"), QStringLiteral("เงินโต๊ด"));
        l.cb1 = l.cb2 = true;
        break;
    case NormalMode::F2TopOnly:
        l = oneStake(QStringLiteral("ป้อน3ตัวบน"), QStringLiteral("เงินบน"));
        break;
    case NormalMode::F2TodOnly:
        l = twoStakes(QStringLiteral("ป้อน3ตัวโต๊ด"), QString(), QStringLiteral("เงินโต๊ด"));
        l.n1 = false;
        break;
    case NormalMode::F3:
        l = oneStake(QString(), QStringLiteral("เงิน"));
        l.autorun = true;
        break;
    case NormalMode::F4:
        l = twoStakes(QString(), QStringLiteral("ตรง"), QStringLiteral("กลับ"));
        l.cb2 = true;
        l.n2 = length != 1;
        l.autorun = true;
        break;
    case NormalMode::F4TopOnly:
        l = oneStake(QStringLiteral("2ตัวบน"), QStringLiteral("ตรง"));
        l.autorun = true;
        break;
    case NormalMode::F5:
        l = twoStakes(QString(), QStringLiteral("ตรง"), QStringLiteral("กลับ"));
        l.cb2 = true;
        l.n2 = length != 1;
        l.autorun = true;
        break;
    case NormalMode::F5BottomOnly:
        l = oneStake(QStringLiteral("2ตัวล่าง"), QStringLiteral("ตรง"));
        l.autorun = true;
        break;
    case NormalMode::F6:
        l = twoStakes(QString(), QStringLiteral("บน"), QStringLiteral("ล่าง"));
        l.cb1 = l.cb2 = true;
        break;
    case NormalMode::F6TopOnly:
        l = oneStake(QStringLiteral("วิ่งบน"), QStringLiteral("บน"));
        break;
    case NormalMode::F6BottomOnly:
        l = twoStakes(QStringLiteral("ป้อนวิ่งล่าง"), QString(), QStringLiteral("ล่าง"));
        l.n1 = false;
        break;
    case NormalMode::F7: {
        const bool three = length == 3 || (length == 2 && !options.twoDigitsTopBottomOnly);
        if (three) {
            l = twoStakes(QString(), QStringLiteral("บน"),
                          options.bottomBeforeTod ? QStringLiteral("ล่าง+โต๊ด")
                                                  : QStringLiteral("โต๊ด+ล่าง"));
            l.nu3 = true;
        } else {
            l = twoStakes(QString(), QStringLiteral("บน"), QStringLiteral("ล่าง"));
        }
        break;
    }
    case NormalMode::F8:
        l = twoStakes(QString(), QStringLiteral("ตรง"), QStringLiteral("กลับ"));
        l.cb2 = true;
        break;
    case NormalMode::F8NoReverse:
        l = oneStake(QStringLiteral("ป้อนเลข2ตัวบน-ล่าง"), QStringLiteral("ตรง"));
        break;
    case NormalMode::F9:
        l = oneStake(QString(), QStringLiteral("เงิน"));
        l.wideN1 = true;
        l.operators = true;
        l.inputLimit = false;
        break;
    case NormalMode::F10:
        l = oneStake(QString(), QStringLiteral("ล่าง"));
        l.operators = true;
        break;
    case NormalMode::Menu1:
        l = oneStake(QString(), QStringLiteral("โต๊ด"));
        break;
    case NormalMode::Menu5:
        l = twoStakes(QString(), QStringLiteral("บน"), QStringLiteral("โต๊ด"));
        break;
    case NormalMode::Menu6:
        l = twoStakes(QString(), QStringLiteral("บน"), QStringLiteral("โต๊ด+ล่าง"));
        l.nu3 = true;
        break;
    case NormalMode::Menu7:
        l = twoStakes(QString(), QStringLiteral("บน"), QStringLiteral("ล่าง+โต๊ด"));
        l.nu3 = true;
        break;
    }
    return l;
}

int autoInputLength(NormalMode mode) {
    switch (mode) {
    case NormalMode::F1:
    case NormalMode::F2:
    case NormalMode::F2TopOnly:
    case NormalMode::F2TodOnly:
    case NormalMode::Menu6:
    case NormalMode::Menu7:
        return 3;
    case NormalMode::F4TopOnly:
    case NormalMode::F5BottomOnly:
    case NormalMode::F8:
    case NormalMode::F8NoReverse:
        return 2;
    case NormalMode::F6TopOnly:
    case NormalMode::F6BottomOnly:
        return 1;
    default:
        return 0;
    }
}

QString typingHint(NormalMode mode, const QString& number, const NormalOptions& options) {
    const int n = number.size();
    const bool x = number.contains(QLatin1Char('X'), Qt::CaseInsensitive);
    switch (mode) {
    case NormalMode::F1:
        if (n == 3)
            return x ? QStringLiteral("ป้อนเลข 2X ชุด ") : QStringLiteral("ป้อนชุด3ตัว");
        if (n == 4)
            return QStringLiteral("ป้อนกลุ่ม4ตัว");
        return n == 5 ? QStringLiteral("ป้อนกลุ่ม5ตัว") : QString();
    case NormalMode::F3:
        if (n == 1)
            return QStringLiteral("ป้อนวิ่งล่าง");
        if (n == 2)
            return QStringLiteral("ป้อนคู่โต๊ด");
        if (n == 3)
            return x ? QStringLiteral("ป้อนเลข2X") : QStringLiteral("ป้อน3ตัวล่าง");
        return QString();
    case NormalMode::F4:
        if (n == 1)
            return QStringLiteral("ป้อนวิ่งบน");
        if (n == 2)
            return QStringLiteral("ป้อน2ตัวบน+กลับ");
        return n == 3 ? QStringLiteral("ป้อน3ตัวตรง+ชุดกลับ") : QString();
    case NormalMode::F5:
        if (n == 1)
            return QStringLiteral("ป้อนวิ่งล่าง");
        return n == 2 ? QStringLiteral("ป้อน2ตัวล่าง+กลับ") : QString();
    case NormalMode::F6:
        if (n == 1)
            return QStringLiteral("ป้อนเลขวิ่ง");
        if (n == 2)
            return QStringLiteral("ป้อนเลข2ตัวบน-ล่าง");
        return n == 3 ? QStringLiteral("ป้อนเลข3ตัวบน-ล่าง") : QString();
    case NormalMode::F7:
        if (n == 1)
            return QStringLiteral("ป้อนเลขวิ่ง");
        if (n == 2 && options.twoDigitsTopBottomOnly)
            return QStringLiteral("ป้อนเลข2ตัวบน+ล่าง");
        if (n == 2 || n == 3)
            return options.bottomBeforeTod ? QStringLiteral("ป้อนเลขบน+ล่าง+โต๊ด(F7)")
                                           : QStringLiteral("ป้อนเลขบน+โต๊ด+ล่าง(F7)");
        return QString();
    case NormalMode::F8:
        return n == 2 ? QStringLiteral("ป้อนเลข2ตัวบน+กลับ-ล่าง+กลับ(F8)") : QString();
    case NormalMode::F10:
        if (n == 1)
            return QStringLiteral("ป้อนเลขวิ่งล่าง");
        if (n == 2)
            return QStringLiteral("ป้อนเลข2ตัวล่าง");
        return n == 3 ? QStringLiteral("ป้อนเลข3ตัวล่าง") : QString();
    case NormalMode::Menu1:
        if (n == 2)
            return QStringLiteral("2ตัวโต๊ด");
        return n == 3 ? QStringLiteral("3ตัวโต๊ด") : QString();
    case NormalMode::Menu5:
        if (n == 2)
            return QStringLiteral("2ตัวบน+โต๊ด");
        return n == 3 ? QStringLiteral("3ตัวบน+โต๊ด") : QString();
    default:
        return QString();
    }
}

QString autorunNext(const QString& number) {
    bool whole = false;
    const qlonglong value = number.toLongLong(&whole);
    if (!whole || !isDigits(number))
        return QStringLiteral("0");
    QString next = QString::number(value + 1);
    if (next.size() < 2)
        next.prepend(QLatin1Char('0'));
    return next;
}
