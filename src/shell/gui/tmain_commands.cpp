// The commands the main window does itself.

#include "common/settings.h"
#include "entry/gui/tfminput.h"
#include "entry/recorder.h"
#include "entry/stake.h"
#include "shell/gui/tmain.h"
#include "shell/startup.h"
#include "store/database.h"
#include "store/defaults.h"
#include "ui/dialogs.h"

#include <QMdiArea>
#include <QMdiSubWindow>

bool Tmain::askSecret(const QString& prompt, const QString& secret, const QString& wrong) {
    bool ok = false;
    const QString typed = Dialogs::input(this, prompt, prompt, QStringLiteral("****"), &ok);
    if (!ok)
        return false;
    if (typed != secret) {
        Dialogs::info(this, wrong);
        return false;
    }
    return true;
}

void Tmain::runNumbers(Kind kind) {
    Tfminput* form = entryForm();
    if (!form) {
        Dialogs::warning(this, QStringLiteral("กรุณาเปิดหน้าป้อนข้อมูลก่อน"));
        return;
    }
    bool ok = false;
    const QString text = Dialogs::input(this, QStringLiteral("ป้อนจำนวน"),
                                        QStringLiteral("ป้อนจำนวน"), QStringLiteral("0"), &ok);
    if (!ok)
        return;
    double stake = 0;
    if (text.trimmed().isEmpty() || !parseStake(text.trimmed(), &stake)) {
        Dialogs::warning(this,
                         QStringLiteral("จำนวนต้องเป็นตัวเลขจำนวนเต็มเท่านั้น ไม่เกิน ") + maxAmountText());
        return;
    }
    try {
        recordRun(form->bets(), kind, stake, form->customer());
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return;
    }
    desk_->bookWritten(BookChange::linesWritten);
    Dialogs::info(this, kind == Kind::h2 ? QStringLiteral("  Run 00-99 บน เรียบร้อย")
                                         : QStringLiteral("  Run 00-99 ล่าง เรียบร้อย"));
}

void Tmain::loadSampleData() {
    if (!Dialogs::question(this, QStringLiteral("คุณจะloadตัวอย่างตารางข้อมูลหรือไม่ ?")))
        return;
    try {
        Tfminput* form = entryForm();
        loadSampleRows(form ? form->bets() : own());
        desk_->bookWritten(BookChange::imported);
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return;
    }
    Dialogs::info(this, QStringLiteral("loadตัวอย่างตารางข้อมูลเรียบร้อย"));
}

void Tmain::setInputLimit() {
    try {
        SettingsRecord settings(own());
        const qint64 current = settings.inputLimit();
        bool ok = false;
        const QString text = Dialogs::input(this, QStringLiteral("ป้อนLimitการป้อนที่ต้องการ"),
                                            QStringLiteral("ป้อนLimitการป้อนที่ต้องการค่าปัจจุบัน=") +
                                                QString::number(current),
                                            QString::number(current), &ok);
        if (!ok)
            return;
        // A limit holds stakes, so it is held to what a stake can be.
        bool number = false;
        const qlonglong limit = text.trimmed().toLongLong(&number);
        if (!number || limit < 0) {
            Dialogs::warning(this, QStringLiteral("Limitต้องเป็นตัวเลขจำนวนเต็มเท่านั้น"));
            return;
        }
        if (limit > kMaxStake) {
            Dialogs::warning(this, QStringLiteral("Limitต้องไม่เกิน ") + maxAmountText());
            return;
        }
        settings.set(InputLimit::l1, QString::number(limit));
        Dialogs::info(this, QStringLiteral("ตั้งค่าLimit=") + QString::number(limit) +
                                QStringLiteral("เรียบร้อยกรุณาปิดโปรแกรมเพื่อเริ่มใช้งานค่าตัวแปรใหม่"));
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return;
    }
    closeWithoutAsking();
}

bool Tmain::askCode() {
    return askSecret(QStringLiteral("ป้อนรหัส") + defaults::fourDigitCode(),
                     defaults::fourDigitCode(), QStringLiteral("รหัสไม่ถูกต้อง"));
}

void Tmain::setDigitSorting(bool separate) {
    if (!askCode())
        return;
    try {
        SettingsRecord(own()).setFlag(Backc::back5, separate);
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return;
    }
    desk_->digitSortingSaved(separate);
    Dialogs::info(this, separate ? QStringLiteral("แยกกลุ่มตัวโต๊ด") : QStringLiteral("รวมกลุ่มตัวโต๊ด"));
}

void Tmain::switchRefresh() {
    Tfminput* form = entryForm();
    if (!form || mdi_->activeSubWindow() == nullptr || mdi_->activeSubWindow()->widget() != form)
        return;
    const bool on =
        Dialogs::question(this, QStringLiteral("คุณจะเปิดการRefressข้อมูลโดยอัตโนมัติหรือไม่ ?"));
    try {
        SettingsRecord(own()).setFlag(Backc::back4, on);
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
}

void Tmain::stopWarnings() {
    lowDiskWarnings_ = 20;
    // The entry form's network warnings end too.
    desk_->runValues().networkWarnings = 20;
    waiting_.removeAll(startup::lowDiskWarning());
    Dialogs::info(this, QStringLiteral("ปิดคำเตือนเรียบร้อย"));
}
