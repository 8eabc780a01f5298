#include "ui/digitkey.h"

#include "common/digits.h"

#include <QKeyEvent>

namespace {
// The key codes of the number row 1 ... 9, 0 that X11 and Wayland give (evdev's plus 8).
constexpr quint32 kRowOne = 10;
constexpr quint32 kRowZero = 19;
} // namespace

QString digitKeyText(const QKeyEvent& key) {
    const QString text = key.text();
    if (text.size() != 1 ||
        (key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier |
                            Qt::MetaModifier | Qt::KeypadModifier)))
        return text;
    if (key.key() >= Qt::Key_0 && key.key() <= Qt::Key_9)
        return QString(QChar(u'0' + (key.key() - Qt::Key_0)));
    const quint32 code = key.nativeScanCode();
    if (code >= kRowOne && code <= kRowZero)
        return QString(QChar(u'0' + (code - kRowOne + 1) % 10));
    // A key sent without its code (by another program) still names its row by the Thai letter.
    const QChar digit = thaiLayoutDigit(text[0]);
    return digit.isNull() ? text : QString(digit);
}
