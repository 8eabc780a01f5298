// The keys of the entry form's boxes: what each key puts in, and the keys that choose modes
// and pages.

#include "common/desk.h"
#include "common/digits.h"
#include "entry/gui/tfminput.h"
#include "platform/platform.h"
#include "ui/digitkey.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

namespace {
bool isEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// Keys that move inside a field rather than type into it.
bool isEditingKey(const QKeyEvent* key) {
    switch (key->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    default:
        return false;
    }
}
} // namespace

bool Tfminput::eventFilter(QObject* watched, QEvent* event) {
    // A click on a kind's total shows that kind's totals view.
    if (event->type() == QEvent::MouseButtonRelease) {
        for (Kind kind : columnOrder()) {
            if (watched == totals_[static_cast<size_t>(kind)]) {
                desk_.totalsAsked(kind);
                return true;
            }
        }
        if (watched == grandTotal_) {
            desk_.remainingAsked();
            return true;
        }
        if (watched == cutBar_) {
            desk_.sentLogAsked();
            return true;
        }
    }
    if (watched == customerCaption_ && event->type() == QEvent::MouseButtonPress) {
        customerBox_->setFocus();
        return false;
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == stake2_ && mode_) {
            dropStake(2);
            return true;
        }
        if (watched == stake1_ && mode_) {
            stake2_->setVisible(true);
            stake2Caption_->setVisible(true);
            return true;
        }
    }
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == number_)
        return numKey(key);
    if (watched == stake1_ || watched == stake2_ || watched == stake3_)
        return stakeKey(static_cast<QLineEdit*>(watched), key);
    return QWidget::eventFilter(watched, event);
}

void Tfminput::playKeySound(QKeyEvent* key) {
    if (!soundBox_->isChecked())
        return;
    QString name;
    const QString text = latinDigits(digitKeyText(*key));
    if (isEnter(key))
        name = QStringLiteral("enter");
    else if (text.size() == 1 && text[0].isDigit())
        name = text;
    else if (text == QLatin1String("*"))
        name = QStringLiteral("mu");
    else if (text == QLatin1String("+"))
        name = QStringLiteral("pl");
    else if (text == QLatin1String("-"))
        name = QStringLiteral("su");
    else if (text == QLatin1String("/"))
        name = QStringLiteral("de");
    if (!name.isEmpty())
        Platform::instance().playSound(desk_.run().programFolder + QStringLiteral("sound/") + name +
                                       QStringLiteral(".wav"));
}

bool Tfminput::numKey(QKeyEvent* key) {
    playKeySound(key);
    const int k = key->key();
    if (k >= Qt::Key_F1 && k <= Qt::Key_F10) {
        chooseFunctionKey(k - Qt::Key_F1 + 1);
        return true;
    }
    switch (k) {
    case Qt::Key_Up:
        stepArrow(+1);
        return true;
    case Qt::Key_Down:
        stepArrow(-1);
        return true;
    case Qt::Key_PageUp:
        if (page_ == NormalPage)
            setArrow(3);
        return true;
    case Qt::Key_PageDown:
        if (page_ == NormalPage)
            setArrow(2);
        return true;
    case Qt::Key_Home:
    case Qt::Key_Q:
        showPage(NormalPage);
        return true;
    case Qt::Key_W:
        showPage(SetPage);
        return true;
    case Qt::Key_Delete:
        number_->clear();
        return true;
    default:
        break;
    }
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    if (isEnter(key)) {
        enterNum();
        return true;
    }
    if (k == Qt::Key_Backspace && number_->text().isEmpty())
        typedNumber_.chop(1);
    if (isEditingKey(key))
        return false;
    const QString text = digitKeyText(*key);
    const QString kept = numberKept(text);
    if (kept.isEmpty()) {
        // Kept to name the number when nothing of it was taken.
        if (number_->text().isEmpty())
            typedNumber_ += key->text();
        return true;
    }
    if (kept == key->text())
        return false;
    number_->insert(kept);
    numEdited(number_->text());
    return true;
}

// Digits and X go in (a Thai or full-width digit as its Latin one, x as X); a stake typed here
// keeps its minus instead of the X. Everything else is dropped.
QString Tfminput::numberKept(const QString& typed) const {
    return layout_.stakeInNum && mode_ ? stakeBoxText(typed, false) : numberBoxText(typed);
}

bool Tfminput::stakeKey(QLineEdit* field, QKeyEvent* key) {
    playKeySound(key);
    if (isEnter(key)) {
        if (field == stake1_)
            enterN1();
        else if (field == stake2_)
            enterN2();
        else
            enterNu3();
        return true;
    }
    if (key->key() >= Qt::Key_F1 && key->key() <= Qt::Key_F10) {
        chooseFunctionKey(key->key() - Qt::Key_F1 + 1);
        return true;
    }
    if (isEditingKey(key) || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    const QString kept = stakeBoxText(digitKeyText(*key), field == stake1_ && layout_.operators);
    if (kept.isEmpty())
        return true;
    if (kept == key->text())
        return false;
    field->insert(kept);
    stakeEdited(field);
    return true;
}

// Pasted text passes no key filter: the box keeps what a key would have let in.
void Tfminput::keepOnly(QLineEdit* field, const QString& kept) {
    if (field->text() == kept)
        return;
    const int cursor = qMin(field->cursorPosition(), int(kept.size()));
    field->setText(kept);
    field->setCursorPosition(cursor);
}
