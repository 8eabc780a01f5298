// Line input: the lines of the chat-line import recorded by the entry form as they come.

#include "common/desk.h"
#include "entry/checks.h"
#include "entry/gui/tfminput.h"
#include "entry/lineinput.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {
const char kBanner[] = "Line Input ";
}

void Tfminput::setLineInput(bool on) {
    if (lineInput_ == on)
        return;
    lineInput_ = on;
    if (on) {
        // The import names no customer of its own: the clerk's choice stands, unasked.
        warnNameOff_->setChecked(true);
        banner_->setText(QString::fromUtf8(kBanner));
    } else if (banner_->text() == QString::fromUtf8(kBanner)) {
        banner_->setText(mode_ ? layout_.banner : QString());
    }
}

void Tfminput::takeLine(LineOffer* offer) {
    offer->heard = true;
    if (!lineInput_) {
        offer->why = QStringLiteral("หน้าป้อนข้อมูลไม่ได้อยู่ในการป้อนแบบLine");
        return;
    }
    number_->setText(offer->number);
    stake1_->setText(offer->amounts);
    banner_->setText(QString::fromUtf8(kBanner));
    const Expansion expansion = expandLineInput(offer->number, offer->amounts,
                                                normalOptions().sortDigits, offer->bottomBeforeTod);
    if (expansion.refused()) {
        offer->why = QStringLiteral("จำนวนเงินไม่ถูกต้อง: ") + expansion.badStake;
        return;
    }
    if (expansion.records.isEmpty()) {
        offer->why = expansion.nothingAsked ? QStringLiteral("ไม่มีจำนวนเงิน")
                                            : QStringLiteral("เลขหรือจำนวนเงินไม่ตรงแบบ");
        return;
    }
    try {
        if (warnClosed_) {
            const ClosedLookup isClosed = closedLookup(bets());
            for (const BetRecord& record : expansion.records) {
                if (isClosed(record.kind, record.number)) {
                    offer->why = record.number + QStringLiteral(" เป็นเลขปิดรับ");
                    return;
                }
            }
        }
        previousCount_ = bets()
                             .scalar(QStringLiteral("SELECT s FROM tblog ORDER BY id DESC LIMIT 1"))
                             .toLongLong();
        lastIdBefore_ = bets().scalar(QStringLiteral("SELECT max(id) FROM tball")).toLongLong();
        offer->records = Recorder(bets()).recordLine(expansion.records, customer_);
    } catch (const StoreError& error) {
        offer->why = error.message();
        return;
    }
    offer->taken = true;
    offer->why.clear();
    statusLine_->setText(QStringLiteral("ป้อน") + offer->number + QStringLiteral("สำเร็จ"));
    refreshAfterLine();
}
