#include "maintenance/gui/tstartover.h"

#include "common/desk.h"
#include "common/drawdate.h"
#include "common/settings.h"
#include "maintenance/archive.h"
#include "maintenance/gui/bookjob.h"
#include "settlement/draw.h"
#include "settlement/prizecheck.h"
#include "store/database.h"
#include "ui/dialogs.h"
#include "ui/subwindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {
// The prize check's net of a checked draw, as the check window shows it.
std::optional<qint64> checkedNet(Database& book, int mode) {
    if (drawdate::lastChecked(book).isEmpty())
        return std::nullopt;
    const std::array<QString, kKindCount> stored = prizecheck::storedPercents(book);
    std::array<qint64, kKindCount> percents{};
    for (size_t row = 0; row < percents.size(); ++row)
        percents[row] = wholeAmount(stored[row]);
    return prizecheck::check(book, drawstore::load(book), percents, mode).total;
}
} // namespace

Tstartover::Tstartover(Desk& desk) : desk_(desk), job_(new BookJob(this)) {
    setObjectName(QStringLiteral("Tstartover"));
    setWindowTitle(QStringLiteral("ลบข้อมูลทั้งหมดเพื่อเริ่มใหม่"));
    auto* layout = new QVBoxLayout(this);
    status_ = new QLabel(QStringLiteral("กำลังสำรองข้อมูลก่อนลบ"), this);
    status_->setObjectName(QStringLiteral("status"));
    layout->addWidget(status_);
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("pg1"));
    bar_->setRange(0, 100);
    bar_->setMinimumWidth(460);
    layout->addWidget(bar_);
    connect(job_, &BookJob::progress, this, [this](int percent, const QString& status) {
        // The draw is written into its archive in one piece: the bar is busy meanwhile.
        const bool archiving = percent > 0 && percent < 70;
        bar_->setRange(0, archiving ? 0 : 100);
        bar_->setValue(percent);
        status_->setText(status);
    });

    // The copy before the question, of the book the start-over empties.
    const QString book = desk_.bookLocation();
    const QString target = desk_.run().programFolder + QStringLiteral("lastdb/lastdatadel.mde");
    connect(job_, &BookJob::finished, this, &Tstartover::copied);
    job_->start([this, book, target](const BookJob::Progress&) {
        std::unique_ptr<Database> reader = Database::openExistingReadOnly(book);
        copy_ = runCopy(*reader, {target, {}});
    });
}

Tstartover::~Tstartover() = default;

int Tstartover::progress() const {
    return bar_->value();
}

QString Tstartover::status() const {
    return status_->text();
}

void Tstartover::copied(const QString& refusal) {
    disconnect(job_, &BookJob::finished, this, &Tstartover::copied);
    if (!refusal.isEmpty()) {
        Dialogs::warning(this, refusal);
        finish();
        return;
    }
    // A damaged book is neither copied nor kept as a draw: it is repaired first.
    if (copy_.status == CopyResult::Damaged) {
        desk_.bookFoundDamaged();
        finish();
        return;
    }
    bar_->setValue(100);
    status_->setText(QStringLiteral("สำรองข้อมูลไว้ที่ lastdb/lastdatadel.mde แล้ว"));
    if (!Dialogs::question(this, QStringLiteral("คุณจะลบข้อมูลทั้งหมดหรือไม่ ?"))) {
        finish();
        return;
    }
    startover::Options options;
    options.archiveFolder = archive::folderOf(desk_.run().programFolder);
    options.now = QDateTime::currentDateTime();
    const int mode = desk_.run().kindNamingMode;
    options.netOf = [mode](Database& book) { return checkedNet(book, mode); };
    const QString book = desk_.bookLocation();
    bar_->setValue(0);
    connect(job_, &BookJob::finished, this, &Tstartover::emptied);
    job_->start([this, book, options](const BookJob::Progress& progress) {
        startover::Options withProgress = options;
        withProgress.progress = progress;
        outcome_ = startover::archiveAndEmpty(book, withProgress);
    });
}

void Tstartover::emptied(const QString& refusal) {
    if (!refusal.isEmpty()) {
        Dialogs::warning(this, refusal);
        finish();
        return;
    }
    const RunValues& run = desk_.run();
    try {
        // The counters of the copies live in this computer's own book.
        if (desk_.bookLocation() != run.ownPath()) {
            SettingsRecord own(desk_.own());
            own.set(Backc::back, QStringLiteral("1"));
            own.set(Backc::back2, QStringLiteral("0"));
        }
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
    // No copy of the past draw is being written into the folders as they go.
    desk_.copies().waitForDone();
    startover::removeDrawCopies(run.programFolder);
    desk_.bookWritten(BookChange::startedOver);
    Dialogs::info(this, QStringLiteral("ลบข้อมูลเรียบร้อย\nข้อมูลงวดวันที่ ") +
                            drawdate::thaiLong(outcome_.summary.drawDate) +
                            QStringLiteral(" เก็บไว้ที่ ") + outcome_.archive +
                            QStringLiteral("\nดูได้ที่เมนู (3)แสดงยอด > งวดที่ผ่านมา"));
    finish();
}

void Tstartover::finish() {
    done_ = true;
    closeWithFrame(this);
}

void Tstartover::closeEvent(QCloseEvent* event) {
    // The work goes on to its end; closing meanwhile would leave it unsaid.
    if (job_->running() && !done_) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}
