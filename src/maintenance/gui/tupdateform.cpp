#include "maintenance/gui/tupdateform.h"

#include "common/desk.h"
#include "maintenance/consolidation.h"
#include "maintenance/gui/bookjob.h"
#include "platform/platform.h"
#include "store/database.h"
#include "store/kindcaptions.h"
#include "ui/dialogs.h"
#include "ui/subwindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

Tupdateform::Tupdateform(Desk& desk) : desk_(desk), job_(new BookJob(this)) {
    setObjectName(QStringLiteral("Tupdateform"));
    setWindowTitle(QStringLiteral("ปรับปรุงตารางข้อมูล"));
    auto* layout = new QVBoxLayout(this);
    auto* status = new QLabel(QStringLiteral("กำลังปรับปรุงตารางข้อมูล กรุณารอสักครู่"), this);
    status->setObjectName(QStringLiteral("status"));
    layout->addWidget(status);
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("pg1"));
    bar_->setRange(0, 100);
    bar_->setMinimumWidth(420);
    layout->addWidget(bar_);

    connect(job_, &BookJob::progress, this, [this, status](int percent, const QString& kind) {
        bar_->setValue(percent);
        status->setText(QStringLiteral("ปรับปรุง") + kind);
        // A beep at every other kind, as the work goes.
        if (percent % 20 == 0)
            Platform::instance().beep();
    });
    connect(job_, &BookJob::finished, this, &Tupdateform::consolidated);
    Platform::instance().beep();
    const QString book = desk_.bookLocation();
    const int mode = desk_.run().kindNamingMode;
    job_->start([book, mode](const BookJob::Progress& progress) {
        std::unique_ptr<Database> db = Database::openExisting(book);
        consolidation::consolidate(*db, [&progress, mode](Kind kind, int percent) {
            progress(percent, kindCaption(kind, mode));
        });
    });
}

int Tupdateform::progress() const {
    return bar_->value();
}

void Tupdateform::consolidated(const QString& refusal) {
    done_ = true;
    closeWithFrame(this);
    if (!refusal.isEmpty()) {
        Dialogs::warning(nullptr, refusal);
        return;
    }
    desk_.bookWritten(BookChange::consolidated);
    Dialogs::info(nullptr, consolidation::doneText());
}

void Tupdateform::closeEvent(QCloseEvent* event) {
    if (job_->running() && !done_) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}
