#include "entry/normallayout.h"

#include "common/digits.h"
#include "entry/normalrows.h"

namespace normalrows {

void noReverseForOneDigit(FieldLayout& layout, int length, const NormalOptions&) {
    layout.n2 = length != 1;
}

namespace {
bool threeStakes(int length, const NormalOptions& options) {
    return length == 3 || (length == 2 && !options.twoDigitsTopBottomOnly);
}
} // namespace

void combinedLayout(FieldLayout& layout, int length, const NormalOptions& options) {
    if (!threeStakes(length, options))
        return;
    layout.l2Caption = options.bottomBeforeTod ? "ล่าง+โต๊ด" : "โต๊ด+ล่าง";
    layout.nu3 = true;
}

const char* combinedHint(int length, const NormalOptions& options) {
    if (length == 1)
        return "ป้อนเลขวิ่ง";
    if (length == 2 && options.twoDigitsTopBottomOnly)
        return "ป้อนเลข2ตัวบน+ล่าง";
    if (threeStakes(length, options))
        return options.bottomBeforeTod ? "ป้อนเลขบน+ล่าง+โต๊ด(F7)" : "ป้อนเลขบน+โต๊ด+ล่าง(F7)";
    return nullptr;
}

} // namespace normalrows

namespace {
const EntryModeRow& arrowRowOf(int position) {
    return *arrowRow(position >= 1 && position <= 8 ? position : 8);
}
} // namespace

ModeLayout modeLayout(NormalMode mode, int length, const NormalOptions& options) {
    const EntryModeRow& row = entryMode(mode);
    FieldLayout f = row.layout;
    if (row.layoutRule)
        row.layoutRule(f, length, options);
    ModeLayout l;
    l.banner = rowText(f.banner);
    if (f.numCaption)
        l.numCaption = rowText(f.numCaption);
    l.stakeInNum = f.stakeInNum;
    l.n1 = f.n1;
    l.n2 = f.n2;
    l.nu3 = f.nu3;
    l.cb1 = f.cb1;
    l.cb2 = f.cb2;
    l.l1Caption = rowText(f.l1Caption);
    l.l2Caption = rowText(f.l2Caption);
    l.wideN1 = f.wideN1;
    l.operators = f.operators;
    l.autorun = f.autorun;
    l.inputLimit = f.inputLimit;
    return l;
}

QString typingHint(NormalMode mode, const QString& number, const NormalOptions& options) {
    const EntryModeRow& row = entryMode(mode);
    const int n = number.size();
    if (row.hintRule)
        return rowText(row.hintRule(n, options));
    if (n == 3 && row.hints.twoX && number.contains(QLatin1Char('X'), Qt::CaseInsensitive))
        return rowText(row.hints.twoX);
    return n < 6 ? rowText(row.hints.byLength[n]) : QString();
}

LineCaption captionAfterLine(NormalMode mode, const QString& number, const QString& stakeField) {
    const linecaption::Rule rule = entryMode(mode).afterLine;
    return rule ? rule(number, stakeField) : LineCaption{};
}

QString statusAfterLine(NormalMode mode, const QString& number) {
    const EntryModeRow& row = entryMode(mode);
    switch (row.statusAfter) {
    case AfterLineStatus::unchanged:
        return QString();
    case AfterLineStatus::plain:
        return QStringLiteral("ป้อนสำเร็จ");
    case AfterLineStatus::namesNumber:
        break;
    }
    return QStringLiteral("ป้อน") + (row.layout.stakeInNum ? QString() : number) +
           QStringLiteral("สำเร็จ");
}

int autoInputLength(NormalMode mode) {
    return entryMode(mode).autoInputLength;
}

NormalMode arrowMode(int position) {
    return arrowRowOf(position).mode;
}

QString arrowBanner(int position, const QString& f1Caption) {
    const EntryModeRow& row = arrowRowOf(position);
    const QString text = row.arrowText ? rowText(row.arrowText) : f1Caption;
    return QStringLiteral("(เมนู%1)").arg(row.arrowPosition) + text;
}

QString defaultCaption(int functionKey) {
    const EntryModeRow* row = functionKeyRow(EntryPage::normal, functionKey);
    return row ? rowText(row->caption) : QString();
}

QString buttonCaption(int functionKey, const QString& stored, int kindNamingMode) {
    const QString key = QStringLiteral("(F%1)").arg(functionKey);
    const EntryModeRow* row = functionKeyRow(EntryPage::normal, functionKey);
    if (kindNamingMode == 2 && row && row->namingTwoCaption)
        return rowText(row->namingTwoCaption) + key;
    return (stored.isEmpty() ? defaultCaption(functionKey) : stored) + key;
}

NormalMode functionKeyMode(int functionKey) {
    return functionKeyRow(EntryPage::normal, qBound(1, functionKey, 10))->mode;
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
