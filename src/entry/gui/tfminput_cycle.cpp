// The typing cycle of the entry form: modes, keys, checks and recording a line.

#include "common/customers.h"
#include "common/desk.h"
#include "common/digits.h"
#include "common/settings.h"
#include "entry/checks.h"
#include "entry/gui/tfminput.h"
#include "platform/platform.h"
#include "store/database.h"
#include "ui/dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

namespace {
const char kNoMode[] = "กรุณาเลือกชนิดของการป้อนข้อมูลโดยการกดF1-F9หรือกดลูกศรขึ้น-ลง";
const char kWrongInput[] = "คุณป้อนข้อมูลไม่ถูกต้อง";
} // namespace

bool Tfminput::lineUnderWay() const {
    if (stake1_->hasFocus() || stake2_->hasFocus() || stake3_->hasFocus())
        return true;
    return number_->hasFocus() && !number_->text().isEmpty() &&
           number_->selectedText() != number_->text();
}

// Entering a field selects its text, so what the clerk types replaces it.
void Tfminput::focusField(QLineEdit* field) {
    field->setFocus();
    field->selectAll();
    // Back in num, the clerk starts a new number.
    if (field == number_)
        typedNumber_.clear();
}

// ---- modes ----

void Tfminput::chooseFunctionKey(int key) {
    if (page_ == HeadPage || page_ == StockPage) {
        if (const EntryModeRow* row = functionKeyRow(static_cast<EntryPage>(page_), key)) {
            choosePageRow(*row);
            if (row->keyNumCaption)
                numberCaption_->setText(rowText(row->keyNumCaption));
        }
        return;
    }
    if (page_ != NormalPage || key < 1 || key > 10)
        return;
    QPushButton* button = modeButtons_[static_cast<size_t>(key - 1)];
    if (!button->isVisibleTo(this))
        return;
    arrow_ = 0;
    chooseMode(functionKeyMode(key), captions_.value(key - 1), button);
    if (key == 4 && straightPlusSetBox_->isChecked())
        Dialogs::info(this, QStringLiteral("เงินของตัวตรง จะบวกกับเงินของตัวกลับ"));
}

void Tfminput::chooseMode(NormalMode mode, const QString& banner, QPushButton* button) {
    idle_ = 10;
    mode_ = mode;
    clearButtonColours();
    if (button) {
        button->setStyleSheet(optionTicked(entryMode(mode).option)
                                  ? QStringLiteral("color: red; font-weight: bold;")
                                  : QStringLiteral("color: blue; font-weight: bold;"));
    }
    cancelButton_->setEnabled(true);
    banner_->setText(banner);
    number_->clear();
    applyLayout();
    numberCaption_->setText(layout_.numCaption);
    if (!layout_.banner.isEmpty())
        banner_->setText(layout_.banner);
    keepStake1_->setChecked(true);
    keepStake2_->setChecked(true);
    number_->setStyleSheet(layout_.stakeInNum ? QStringLiteral("background: yellow; color: black;")
                                              : QString());
    focusField(number_);
}

bool Tfminput::optionTicked(ModeOption option) const {
    switch (option) {
    case ModeOption::straightPlusSet:
        return straightPlusSetBox_->isChecked();
    case ModeOption::bottomBeforeTod:
        return bottomBeforeTodBox_->isChecked();
    case ModeOption::none:
        break;
    }
    return false;
}

void Tfminput::clearButtonColours() {
    for (QPushButton* b : modeButtons_)
        b->setStyleSheet(QString());
    for (const auto& entry : pageButtons_)
        entry.second->setStyleSheet(QString());
}

void Tfminput::applyLayout() {
    if (!mode_)
        return;
    layout_ = modeLayout(*mode_, number_->text().size(), normalOptions());
    stake1_->setVisible(layout_.n1);
    stake1Caption_->setVisible(layout_.n1);
    stake2_->setVisible(layout_.n2);
    stake2Caption_->setVisible(layout_.n2);
    stake3_->setVisible(layout_.nu3);
    keepStake1_->setVisible(layout_.cb1 && layout_.n1);
    keepStake2_->setVisible(layout_.cb2 && layout_.n2);
    stake1Caption_->setText(layout_.l1Caption);
    stake2Caption_->setText(layout_.l2Caption);
    stake1_->setFixedWidth(layout_.wideN1 ? 425 : 185);
    stake2_->setFixedWidth(layout_.nu3 ? 130 : 185);
    // A mode may name its stake order on its key's button while a number takes three stakes.
    for (int key = 1; key <= 10; ++key) {
        const EntryModeRow& row = entryMode(functionKeyMode(key));
        if (!row.threeStakeCaption)
            continue;
        QPushButton* button = modeButtons_[key - 1];
        if (*mode_ == row.mode && layout_.nu3) {
            const bool ticked = optionTicked(row.option);
            button->setText(rowText(ticked ? row.threeStakeOptionCaption : row.threeStakeCaption) +
                            QStringLiteral("(F%1)").arg(key));
            button->setStyleSheet(ticked ? QStringLiteral("color: red; font-weight: bold;")
                                         : QStringLiteral("color: blue; font-weight: bold;"));
        } else if (button->text() != captions_.value(key - 1)) {
            button->setText(captions_.value(key - 1));
        }
    }
}

void Tfminput::setArrow(int position) {
    arrow_ = position;
    chooseMode(arrowMode(position), arrowBanner(position, captions_.value(0)), nullptr);
    arrow_ = position;
}

void Tfminput::stepArrow(int delta) {
    if (page_ != NormalPage)
        return;
    setArrow(arrow_ == 0 ? 3 : qBound(1, arrow_ + delta, 8));
}

void Tfminput::dropStake(int fieldNumber) {
    if (!mode_)
        return;
    const NormalMode variant =
        ::dropStake(*mode_, fieldNumber == 1 ? StakeField::n1 : StakeField::n2);
    if (variant == *mode_) {
        // No variant: the box stays ticked and the line keeps its fields.
        (fieldNumber == 1 ? keepStake1_ : keepStake2_)->setChecked(true);
        return;
    }
    mode_ = variant;
    applyLayout();
    banner_->setText(layout_.banner);
    focusField(number_);
}

// ---- typing ----

void Tfminput::warnNoMode() {
    Platform::instance().beep();
    Dialogs::warning(this, QString::fromUtf8(kNoMode));
}

void Tfminput::numEdited(const QString& typed) {
    keepOnly(number_, numberKept(typed));
    const QString text = number_->text();
    idle_ = 15;
    keystrokes_ = 7;
    keystrokeTimer_->start();
    if (warnName_ && !nameChosen_) {
        if (Dialogs::question(this, QStringLiteral("กรุณาเลือกชื่อก่อนป้อนข้อมูล(ถ้าต้องการป้อนแบบรวม"
                                                   "ให้ปิดคำเตือน)  ต้องการปิดคำเตือนหรือไม่?่ ?"))) {
            warnNameOff_->setChecked(true);
        }
    }
    statusLine_->setText(QStringLiteral("กำลังเตรียมข้อมูล"));
    warnRowCeiling();
    if (!mode_) {
        warnNoMode();
        return;
    }
    applyLayout();
    // The hint of the number's length is the banner.
    const QString hint = typingHint(*mode_, text, normalOptions());
    if (!hint.isEmpty())
        banner_->setText(hint);
    static const int progress[] = {0, 10, 20, 30, 30, 40};
    lineProgress_->setValue(progress[qMin(text.size(), 5)]);
    const int jump = autoInputLength(*mode_);
    if (autoInputBox_->isChecked() && jump > 0 && text.size() == jump)
        focusField(layout_.n1 ? stake1_ : stake2_);
}

void Tfminput::stakeEdited(QLineEdit* field) {
    keepOnly(field, stakeBoxText(field->text(), field == stake1_ && layout_.operators));
    idle_ = 15;
    keystrokes_ = 7;
    keystrokeTimer_->start();
    const int n = field->text().size();
    if (field == stake1_)
        lineProgress_->setValue(n <= 0 ? lineProgress_->value() : n == 1 ? 40 : n == 2 ? 50 : 60);
    else
        lineProgress_->setValue(n <= 0 ? lineProgress_->value() : qMin(100, 60 + 10 * n));
    if (!mode_)
        return;
    const int length = number_->text().size();
    if (field == stake1_ && layout_.inputLimit &&
        overInputLimit(stake1_->text(), inputLimit_, length, false)) {
        Platform::instance().beep();
        Dialogs::warning(this, inputLimitWarning(inputLimit_));
        focusField(number_);
    } else if (field == stake2_ && overInputLimit(stake2_->text(), inputLimit_, length, false)) {
        Platform::instance().beep();
        Dialogs::warning(this, inputLimitWarning(inputLimit_));
        focusField(stake1_);
    }
}

bool Tfminput::closedRefused() {
    if (!warnClosed_ || !mode_)
        return false;
    ClosedResult result;
    try {
        result = closedCheck(*mode_, number_->text(), closedLookup(bets()));
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return true;
    }
    if (!result.closed)
        return false;
    Platform::instance().beep();
    Dialogs::warning(this, result.message);
    number_->clear();
    if (!result.keepFocus)
        focusField(number_);
    return true;
}

bool Tfminput::limitRefused(const QStringList& stakes, bool) {
    if (!layout_.inputLimit)
        return false;
    for (const QString& stake : stakes) {
        if (overInputLimit(stake, inputLimit_, number_->text().size(), false)) {
            Platform::instance().beep();
            Dialogs::warning(this, inputLimitWarning(inputLimit_));
            focusField(number_);
            return true;
        }
    }
    return false;
}

void Tfminput::enterNum() {
    if (!mode_) {
        warnNoMode();
        return;
    }
    if (closedRefused())
        return;
    // The stake typed in num: Enter records the line.
    if (layout_.stakeInNum && !layout_.n1 && !layout_.n2) {
        if (number_->text().isEmpty()) {
            statusLine_->setText(QString::fromUtf8(kWrongInput));
            Dialogs::warning(this, QStringLiteral("คุณยังไม่ได้ป้อนข้อมูล"));
            return;
        }
        if (recordLine())
            number_->clear();
        return;
    }
    focusField(layout_.n1 ? stake1_ : stake2_);
    lineProgress_->setValue(10);
    const LengthRule rule = lengthRule(*mode_);
    if (!rule.accepts(number_->text().size())) {
        statusLine_->setText(QString::fromUtf8(kWrongInput));
        Dialogs::warning(this, rule.warning);
        focusField(number_);
        return;
    }
    stake1_->setFixedWidth(layout_.wideN1 ? 425 : 185);
}

void Tfminput::enterN1() {
    if (!mode_) {
        warnNoMode();
        return;
    }
    if (closedRefused())
        return;
    if (limitRefused({stake1_->text()}, false))
        return;
    if (stake1_->text().isEmpty())
        stake1_->setText(QStringLiteral("0"));
    lineProgress_->setValue(20);
    if (stake2_->isVisible()) {
        focusField(stake2_);
        return;
    }
    recordLine();
}

void Tfminput::enterN2() {
    if (!mode_) {
        warnNoMode();
        return;
    }
    if (limitRefused({stake1_->text(), stake2_->text()}, false))
        return;
    for (QLineEdit* field : {stake1_, stake2_}) {
        if (field->text().isEmpty())
            field->setText(QStringLiteral("0"));
    }
    if (stake3_->isVisible()) {
        focusField(stake3_);
        return;
    }
    recordLine();
    lineProgress_->setValue(100);
}

void Tfminput::enterNu3() {
    if (!mode_)
        return;
    for (QLineEdit* field : {stake1_, stake2_, stake3_}) {
        if (field->text().isEmpty())
            field->setText(QStringLiteral("0"));
    }
    recordLine();
    lineProgress_->setValue(100);
}

bool Tfminput::recordLine() {
    const QString number = number_->text();
    const Stakes stakes{layout_.n1 ? stake1_->text() : QString(), stake2_->text(), stake3_->text()};
    const Expansion expansion = expandNormal(*mode_, number, stakes, normalOptions());
    if (expansion.refused()) {
        statusLine_->setText(QString::fromUtf8(kWrongInput));
        Dialogs::warning(this, QStringLiteral("จำนวนเงินไม่ถูกต้อง: ") + expansion.badStake +
                                   QStringLiteral(" ต้องเป็นตัวเลขจำนวนเต็มเท่านั้น"));
        return false;
    }
    // A line that gives no bet is said so, never dropped in silence.
    if (expansion.notTaken()) {
        statusLine_->setText(QString::fromUtf8(kWrongInput));
        Platform::instance().beep();
        const QString named = number.isEmpty() ? typedNumber_ : number;
        Dialogs::warning(this, named.isEmpty() ? QStringLiteral("คุณยังไม่ได้ป้อนข้อมูล")
                                               : QStringLiteral("คุณป้อนข้อมูลไม่ถูกต้อง เลข ") + named +
                                                     QStringLiteral(" ใช้กับเมนูนี้ไม่ได้ ไม่ได้บันทึกข้อมูล"));
        focusField(number_);
        return false;
    }
    // Whichever box a stake was typed in, and however many numbers it goes onto.
    const QStringList typed{layout_.stakeInNum ? number : QString(), stakes.n1, stakes.n2,
                            stakes.nu3};
    if (layout_.inputLimit && overInputLimit(typed, expansion.records, inputLimit_)) {
        Platform::instance().beep();
        Dialogs::warning(this, inputLimitWarning(inputLimit_));
        focusField(number_);
        return false;
    }
    try {
        if (const LineCheck lineCheck = entryMode(*mode_).lineCheck) {
            const AllInOneCheck check = lineCheck(number, stake1_->text(), closedLookup(bets()));
            if (check.blocks(warnClosed_)) {
                if (warnClosed_) {
                    Platform::instance().beep();
                    Dialogs::warning(this, check.message);
                }
                number_->clear();
                focusField(number_);
                return false;
            }
        }
        previousCount_ = bets()
                             .scalar(QStringLiteral("SELECT s FROM tblog ORDER BY id DESC LIMIT 1"))
                             .toLongLong();
        lastIdBefore_ = bets().scalar(QStringLiteral("SELECT max(id) FROM tball")).toLongLong();
        Recorder(bets()).recordLine(expansion.records, customer_);
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return false;
    }
    const LineCaption caption = captionAfterLine(*mode_, number, stakes.n1);
    if (!caption.banner.isEmpty())
        banner_->setText(caption.banner);
    if (!caption.l1Caption.isEmpty())
        stake1Caption_->setText(caption.l1Caption);
    const QString status = statusAfterLine(*mode_, number);
    if (!expansion.records.isEmpty() && !status.isEmpty())
        statusLine_->setText(status);
    afterLine();
    return true;
}

void Tfminput::afterLine() {
    if (autorunBox_->isChecked() && layout_.autorun)
        number_->setText(autorunNext(number_->text()));
    focusField(number_);
    refreshAfterLine();
}

// ---- customers and sheets ----

void Tfminput::customerPicked(int index) {
    customer_ = customerBox_->itemText(index);
    nameChosen_ = true;
    number_->clear();
    customerCaption_->setText(customer_);
    statusLine_->setText(QStringLiteral("สร้างแผ่นงานของ") + customer_);
}

void Tfminput::sheetPicked(int index) {
    if (!nameChosen_ || customer_ == customers::combined()) {
        Dialogs::info(this, QStringLiteral("ถ้าต้องการแยกแผ่นข้อมูลกรุณาเลือกชื่อ"));
        customerBox_->setFocus();
        return;
    }
    if (customers::isSheetName(customer_)) {
        Dialogs::warning(this, QStringLiteral("เลือกข้อมูลซ้ำซ้อนลองใหม่"));
        return;
    }
    const QString sheet = customer_ + sheetBox_->itemText(index);
    try {
        customers::ensureSheet(bets(), customer_, sheet);
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return;
    }
    customer_ = sheet;
    Dialogs::info(this, QStringLiteral("สร้างแผ่นงานของ") + sheet +
                            QStringLiteral("เรียบร้อยสามารถเิริ่มป้อนข้อมูลได้"));
    statusLine_->setText(QStringLiteral("สร้างแผ่นงานของ") + sheet);
    focusField(number_);
}
