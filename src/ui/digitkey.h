#pragma once

#include <QChar>
#include <QString>

class QKeyEvent;

// The text a key press means in a box of numbers and stakes: the digit printed on a key of the
// number row pressed without Shift, whatever the keyboard layout (the Thai layout gives
// ๅ / - ภ ถ ุ ึ ค ต จ there), else the key's own text. The minus key and the keypad keep theirs.
QString digitKeyText(const QKeyEvent& key);
