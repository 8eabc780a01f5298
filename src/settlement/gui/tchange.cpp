#include "settlement/gui/tchange.h"

#include "common/desk.h"
#include "store/database.h"
#include "store/kindcaptions.h"
#include "ui/subwindow.h"

#include <QApplication>
#include <QTimer>

namespace {
// Mode 0 also offers the two sheet rates after the ten kinds (columns hb and lb).
QStringList items(int namingMode) {
    QStringList captions = kindCaptions(namingMode);
    if (namingMode == 2)
        captions[static_cast<int>(Kind::t2)] = QStringLiteral(" 2ตัวX");
    if (namingMode != 1 && namingMode != 2)
        captions << QStringLiteral("ใบ2ตัวบน") << QStringLiteral("ใบ2ตัวล่าง");
    return captions;
}
} // namespace

Tchange::Tchange(Desk& desk)
    : KindValueForm(QStringLiteral("change"), desk.openShared(), desk.run().kindNamingMode,
                    items(desk.run().kindNamingMode)),
      desk_(desk) {
    setObjectName(QStringLiteral("Tchange"));
    setWindowTitle(QStringLiteral("ตั้งอัตราการจ่ายแบบรวม"));
    close_ = new QTimer(this);
    close_->setObjectName(QStringLiteral("Timer2"));
    close_->setSingleShot(true);
    close_->setInterval(30000);
    connect(close_, &QTimer::timeout, this, &Tchange::onCloseTimer);
    close_->start();
    setFixedSize(sizeHint().expandedTo(QSize(420, 0)));
}

void Tchange::onCloseTimer() {
    // Closing under an open message box would pull the box away from its caller.
    if (QApplication::activeModalWidget()) {
        close_->start(1000);
        return;
    }
    closeWithFrame(this);
}

void Tchange::saved() {
    desk_.ratesSaved();
}
