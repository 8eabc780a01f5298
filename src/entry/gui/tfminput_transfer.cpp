// A station's rows to the server's book: the transfer button and its check, the sending timer,
// the station's checks when the form opens and its part of the periodic refresh. The work with
// the server goes on off the window's thread; its answers come back here.

#include "common/backups.h"
#include "common/customers.h"
#include "common/desk.h"
#include "common/settings.h"
#include "entry/gui/tfminput.h"
#include "maintenance/startover.h"
#include "platform/platform.h"
#include "store/kindrow.h"
#include "store/location.h"
#include "ui/dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {
const char kNoNetwork[] = "กรุณาตรวจสอบอุปกรณ์การเชื่อมต่อ เช่นสายLan หรือการ์ดLanว่าได้ต่อไว้อย่างถูกต้องหรือไม่";
const int kSaidWarnings = 4;

QString otherSending(const QString& computer) {
    return QStringLiteral("ไม่สามารถถ่ายโอนข้อมูลได้เพราะ เครื่อง ") + computer +
           QStringLiteral(" กำลังถ่ายโอน");
}
} // namespace

QString Tfminput::serverName() const {
    return location::serverName(desk_.run().serverPath);
}

void Tfminput::setUpStation() {
    RunValues& run = desk_.runValues();
    const bool transfers = station_ && !lanAuto_;
    transfer_->setVisible(transfers);
    transferCheck_->setVisible(transfers);
    if (!station_)
        return;
    sendTimer_->stop();
    try {
        SettingsRecord settings(own());
        sendMode_ = settings.sendMode();
        threshold_ = settings.number(Backc::back7);
        const QSignalBlocker blocker(transferCheck_);
        transferCheck_->setChecked(settings.text(Backc::back25) != QLatin1String("0"));
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
    if (desk_.status(0) == QLatin1String("Ip= 127.0.0.1")) {
        Dialogs::warning(this, QString::fromUtf8(kNoNetwork));
        transfer_->setEnabled(false);
    }
    // A station named as its own server sends nothing.
    if (serverName().toUpper() == run.computerName.toUpper()) {
        transfer_->setEnabled(false);
        sendMode_ = QStringLiteral("0");
    }
    offerClearing();
    if (!run.serverMissing)
        readServerChoices();
    if (run.serverMissing || !Database::isServerAddress(run.sharedPath)) {
        transfer_->setEnabled(false);
        transfer_->setText(QStringLiteral("ERROR- "));
        return;
    }
    errand_ = std::make_unique<ServerErrand>(run.ownPath(), run.sharedPath, run.programFolder);
    connect(errand_.get(), &ServerErrand::progress, this, [this](int percent) {
        lineProgress_->setValue(percent);
        lineGauge_->setValue(percent);
    });
    paintTransfer();
}

// The station's book holds its lines not yet sent: it is emptied only when none is left, else
// those bets would be lost. Its draw copies go with it; the server's copies are the server's.
void Tfminput::offerClearing() {
    try {
        SettingsRecord settings(own());
        if (settings.text(Backc::back20) != QLatin1String("0"))
            return;
        if (!Dialogs::question(this, QStringLiteral("ในการป้อนข้อมูลระบบLan ควรลบข้อมูลก่อนป้อนข้อมูล "
                                                    "จะลบข้อมูลก่อนป้อนหรือไม่ ?"))) {
            settings.set(Backc::back20, QStringLiteral("1"));
            Dialogs::info(this, QStringLiteral("ปิดการแจ้งเตือน"));
            return;
        }
        const qint64 unsent = transfer::stationRows(own());
        if (unsent > 0) {
            Dialogs::warning(this, QStringLiteral("ยังมีข้อมูลที่ยังไม่ได้ส่งไปServer %1 รายการ "
                                                  "จึงยังไม่ได้ลบข้อมูล กรุณาถ่ายโอนข้อมูลก่อน")
                                       .arg(unsent));
            return;
        }
        startover::Scope scope;
        scope.sheetCustomers = false;
        scope.stationTotals = false;
        startover::emptyBook(own(), scope);
        startover::removeDrawCopies(desk_.run().programFolder);
        desk_.bookWritten(BookChange::deleted);
        Dialogs::info(this, QStringLiteral("ลบข้อมูลเรียบร้อย"));
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
}

// The customers and kind limits of the server's book; a server that cannot be reached is said
// once, and later openings do not wait for it.
void Tfminput::readServerChoices() {
    try {
        std::unique_ptr<Database> server = desk_.openShared();
        const QStringList names =
            customers::names(*server, SettingsRecord(own()).customersByName());
        customerBox_->clear();
        customerBox_->addItem(customers::combined());
        customerBox_->addItems(names);
        kindLimits_ = kindrow::read(*server, QStringLiteral("change2"));
    } catch (const StoreError& error) {
        desk_.runValues().serverMissing = true;
        Dialogs::info(this, QStringLiteral("ERROR1ไม่สามารถเชื่อมต่อกับเครื่อง") + serverName() +
                                QLatin1Char('\n') + error.message());
    }
}

void Tfminput::paintTransfer() {
    transfer_->setStyleSheet(sendTimer_->isActive() ? QStringLiteral("color: red;")
                                                    : QStringLiteral("color: blue;"));
}

void Tfminput::waitForServer() {
    // An answer may start the next errand (a probe, then the batch).
    while (errand_ && errand_->busy())
        errand_->waitForDone();
}

// ---- the transfer button ----

void Tfminput::transferNow() {
    if (!errand_ || errand_->busy())
        return;
    // A copy of the station's book before its rows leave.
    desk_.backups().numberedCopy(QStringLiteral("SL"));
    sendTimer_->stop();
    paintTransfer();
    transfer_->setEnabled(false);
    lineProgress_->setValue(4);
    const QString computer = desk_.run().computerName;
    auto probe = std::make_shared<transfer::Probe>();
    auto rows = std::make_shared<qint64>(0);
    auto badRow = std::make_shared<qint64>(0);
    errand_->start(
        [=](Database& station, Database& server) {
            *probe = transfer::probe(server, computer);
            *rows = transfer::stationRows(station);
            *badRow = transfer::rowWithoutNumber(station);
        },
        [=](const std::optional<StoreError>& refusal) {
            manualProbed(refusal, *probe, *rows, *badRow);
        });
}

void Tfminput::manualProbed(const std::optional<StoreError>& refusal,
                            const transfer::Probe& probe, qint64 rows, qint64 badRow) {
    // The button stays off until the form is opened again.
    if (refusal || !probe.reachable()) {
        Dialogs::info(this, QStringLiteral("ERROR2ไม่สามารถถ่ายโอนข้อมูลได้กรุณาตรวจสอบ") + serverName() +
                                (refusal ? QLatin1Char('\n') + refusal->message() : QString()));
        refreshAfterLine();
        return;
    }
    if (badRow > 0) {
        Dialogs::warning(this, QStringLiteral("ไม่สามารถถ่ายโอนข้อมูลได้เพราะมีข้อมูลผิดพลาดที่ลำดับข้อมูลที่") +
                                   QString::number(badRow));
        return;
    }
    if (rows == 0) {
        Dialogs::info(this, QStringLiteral("ไม่มีข้อมูลที่ต้องถ่ายโอน"));
        transfer_->setEnabled(true);
        lineProgress_->setValue(0);
        return;
    }
    bool stale = false;
    if (probe.othersSending > 0) {
        if (!Dialogs::question(this, QStringLiteral("ไม่มี-เครื่องอื่น กำลังส่ง ข้อมูลใช่หรือไม่ ?"))) {
            Dialogs::warning(this, otherSending(probe.sendingComputer));
            transfer_->setEnabled(true);
            lineProgress_->setValue(0);
            return;
        }
        stale = true;
    }
    refreshTimer_->stop();
    lineProgress_->setValue(0);
    sendRows(true, stale);
}

// ---- the sending timer ----

void Tfminput::onTimer5() {
    if (probing_) {
        // The periodic probe is quick: the sending goes on after it.
        sendAfterProbe_ = true;
        return;
    }
    if (!station_ || sendMode_ != QLatin1String("1") || !errand_ || errand_->busy())
        return;
    const QString computer = desk_.run().computerName;
    auto probe = std::make_shared<transfer::Probe>();
    auto rows = std::make_shared<qint64>(0);
    errand_->start(
        [=](Database& station, Database& server) {
            *probe = transfer::probe(server, computer);
            *rows = transfer::stationRows(station);
        },
        [=](const std::optional<StoreError>& refusal) {
            automaticProbed(refusal, *probe, *rows);
        });
}

void Tfminput::automaticProbed(const std::optional<StoreError>& refusal,
                               const transfer::Probe& probe, qint64 rows) {
    if (!refusal && probe.othersSending > 0) {
        sendTimer_->stop();
        paintTransfer();
        Dialogs::warning(this, otherSending(probe.sendingComputer));
        return;
    }
    if (refusal || !probe.reachable()) {
        const QString text = QStringLiteral("ไม่สามารถถ่ายโอนข้อมูลได้กรุณาตรวจสอบการเชื่อมต่อกับ") + serverName();
        banner_->setText(text);
        statusLine_->setText(QStringLiteral("กรุณาตรวจสอบการเชื่อมต่อกับ") + serverName());
        int& said = desk_.runValues().networkWarnings;
        if (said < kSaidWarnings) {
            ++said;
            Dialogs::info(this, text + (refusal ? QLatin1Char('\n') + refusal->message() : QString()));
        }
        return;
    }
    if (rows <= threshold_)
        return;
    Platform::instance().playSound(desk_.run().programFolder + QStringLiteral("sound/sound.wav"));
    sendTimer_->stop();
    paintTransfer();
    sendRows(false, false);
}

// ---- the batch ----

void Tfminput::sendRows(bool manual, bool clearRef) {
    transfer::Options options;
    options.computerName = desk_.run().computerName;
    options.manual = manual;
    options.readBack = manual && transferCheck_->isChecked();
    options.clearRef = clearRef;
    ServerErrand* errand = errand_.get();
    options.progress = [errand](int percent) { errand->report(percent); };
    auto result = std::make_shared<transfer::Result>();
    errand_->start(
        [options, result](Database& station, Database& server) {
            *result = transfer::send(station, server, options);
        },
        [this, manual, result](const std::optional<StoreError>& refusal) {
            transferDone(manual, refusal, *result);
        });
}

void Tfminput::transferDone(bool manual, const std::optional<StoreError>& refusal,
                            const transfer::Result& result) {
    transfer_->setEnabled(true);
    if (sendMode_ == QLatin1String("1"))
        sendTimer_->start();
    paintTransfer();
    refreshAfterLine();
    lineGauge_->setValue(0);
    if (refusal) {
        Dialogs::warning(this, QStringLiteral("ถ่ายโอนข้อมูลไปยัง") + serverName() +
                                   QStringLiteral("ไม่สำเร็จ ข้อมูลทุกแถวยังอยู่ที่เครื่องนี้ "
                                                  "และจะส่งในการถ่ายโอนครั้งต่อไป\n") +
                                   refusal->message());
        return;
    }
    const QString sent = QStringLiteral("การถ่ายโอนข้อมูลจำนวน") + QString::number(result.rows) +
                         QStringLiteral("แถวไปยัง") + serverName();
    if (manual) {
        Dialogs::passingInfo(this, sent + QStringLiteral("สำเร็จ"), QStringLiteral("การถ่ายโอนข้อมูล"), 6);
    } else {
        Dialogs::passingInfo(this,
                             sent + QStringLiteral("เรียบร้อยเลขลำดับสุดท้ายที่ส่งคือเลข") +
                                 QString::number(result.lastId) +
                                 QStringLiteral("จำนวนตารางที่ตรวจสอบคือ") +
                                 QString::number(threshold_) + QStringLiteral("บรรทัด"),
                             QStringLiteral("การถ่ายโอนข้อมูล"), 6);
    }
}

// ---- the periodic refresh on a station ----

void Tfminput::noNetworkWarning(bool numbered) {
    if (desk_.status(0) != QLatin1String("Ip= 127.0.0.1"))
        return;
    int& said = desk_.runValues().networkWarnings;
    if (said >= kSaidWarnings)
        return;
    ++said;
    Dialogs::warning(this, (numbered ? QString::number(said) + QLatin1Char('-') : QString()) +
                               QString::fromUtf8(kNoNetwork));
}

void Tfminput::stationTick() {
    try {
        const qint64 rows = transfer::stationRows(own());
        if (errand_ && sendMode_ == QLatin1String("1") && rows > threshold_) {
            if (!sendTimer_->isActive())
                sendTimer_->start();
        } else {
            sendTimer_->stop();
        }
        paintTransfer();
    } catch (const StoreError& error) {
        statusLine_->setText(error.message());
    }
    noNetworkWarning(true);
    probeServer();
}

// The server's book is tried at every periodic refresh, off the window's thread; the status
// line says when it cannot be reached and when it can again.
void Tfminput::probeServer() {
    if (!errand_ || errand_->busy())
        return;
    const QString computer = desk_.run().computerName;
    auto probe = std::make_shared<transfer::Probe>();
    probing_ = true;
    errand_->start([=](Database&, Database& server) { *probe = transfer::probe(server, computer); },
                   [=](const std::optional<StoreError>& refusal) {
                       probing_ = false;
                       periodicProbed(refusal, *probe);
                   });
}

void Tfminput::periodicProbed(const std::optional<StoreError>& refusal,
                              const transfer::Probe& probe) {
    const bool reached = !refusal && probe.reachable();
    if (!reached) {
        statusLine_->setText(QStringLiteral("กรุณาตรวจสอบการเชื่อมต่อกับ") + serverName() +
                             (refusal ? QStringLiteral(" (") + refusal->message() + QLatin1Char(')')
                                      : QString()));
    } else if (!serverReached_) {
        statusLine_->setText(QStringLiteral("เชื่อมต่อกับ") + serverName() + QStringLiteral("ได้แล้ว"));
    }
    serverReached_ = reached;
    if (sendAfterProbe_) {
        sendAfterProbe_ = false;
        onTimer5();
    }
}

// A station sending by hand is told once a line starts while it holds its ceiling of rows.
void Tfminput::warnRowCeiling() {
    if (!station_ || sendMode_ != QLatin1String("0") || number_->text().size() != 1)
        return;
    if (rowCount_->text().toLongLong() >= desk_.run().stationCeiling)
        Dialogs::warning(this, QStringLiteral("ข้อมูลเกินค่าสูงสุดกรุณากดถ่ายโอนข้อมูล"));
}
