#include "exchange/gui/taddaccess.h"

#include "common/desk.h"
#include "exchange/bookmerge.h"
#include "exchange/gui/backgroundwork.h"
#include "exchange/gui/exchangedesk.h"
#include "exchange/sourcebook.h"
#include "platform/platform.h"
#include "ui/dialogs.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {
const char kNoFile[] = "MsAccess";

// The gauge's colour by stage: red for the bet rows, blue for the sent log, green for the cut
// log.
QString stageColour(int stage) {
    static const char* const colours[] = {"red", "blue", "green"};
    return QStringLiteral("QProgressBar::chunk { background: %1; }")
        .arg(QLatin1String(colours[qBound(0, stage, 2)]));
}
} // namespace

Taddaccess::Taddaccess(Desk& desk) : desk_(desk) {
    setObjectName(QStringLiteral("Taddaccess"));
    setWindowTitle(QStringLiteral("เพิ่มฐานข้อมูลaccessจากเครื่องอื่น"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* grid = new QGridLayout(this);
    auto* heading = new QLabel(windowTitle(), this);
    heading->setStyleSheet(QStringLiteral("font-weight: bold; color: blue; font-size: 14pt;"));
    grid->addWidget(heading, 0, 0, 1, 2);
    path_ = new QLineEdit(QString::fromLatin1(kNoFile), this);
    path_->setObjectName(QStringLiteral("path"));
    path_->setReadOnly(true);
    path_->setMinimumWidth(380);
    grid->addWidget(path_, 1, 0);
    choose_ = new QPushButton(QStringLiteral("เลือกข้อมูล"), this);
    choose_->setObjectName(QStringLiteral("choose"));
    grid->addWidget(choose_, 1, 1);
    apart_ = new QCheckBox(QStringLiteral("แยกข้อมูลสำรอง"), this);
    apart_->setObjectName(QStringLiteral("c1"));
    grid->addWidget(apart_, 2, 0);
    run_ = new QPushButton(QStringLiteral("เพิ่มข้อมูลจากMsAccess"), this);
    run_->setObjectName(QStringLiteral("merge"));
    run_->setStyleSheet(QStringLiteral("font-weight: bold;"));
    run_->hide();
    grid->addWidget(run_, 2, 1);
    gauge_ = new QProgressBar(this);
    gauge_->setObjectName(QStringLiteral("g1"));
    grid->addWidget(gauge_, 3, 0, 1, 2);
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("pg1"));
    bar_->setFormat(QStringLiteral("%v"));
    bar_->setRange(0, 0);
    bar_->setValue(0);
    bar_->setMaximum(1);
    grid->addWidget(bar_, 4, 0, 1, 2);

    work_ = new BackgroundWork(this);
    progressTimer_ = new QTimer(this);
    progressTimer_->setInterval(100);
    connect(progressTimer_, &QTimer::timeout, this, &Taddaccess::showProgress);
    connect(work_, &BackgroundWork::finished, this, &Taddaccess::merged);
    connect(choose_, &QPushButton::clicked, this, &Taddaccess::chooseFile);
    connect(run_, &QPushButton::clicked, this, &Taddaccess::merge);
}

bool Taddaccess::merging() const {
    return work_->running();
}

void Taddaccess::waitForMerge() {
    work_->wait();
}

void Taddaccess::chooseFile() {
    const QString file = Dialogs::openFileName(this, QStringLiteral("เลือกFile Access"),
                                               QStringLiteral("Access (*.mde *.mdb);;All (*)"));
    if (file.isEmpty())
        return;
    path_->setText(file);
    run_->show();
}

void Taddaccess::merge() {
    if (work_->running() || path_->text() == QLatin1String(kNoFile))
        return;
    const QString file = path_->text();
    const QString location = exchangedesk::betsLocation(desk_);
    // The book itself is no other computer's book.
    const QString own = location.isEmpty() ? desk_.run().ownPath() : location;
    if (QFileInfo(file).canonicalFilePath() == QFileInfo(own).canonicalFilePath()) {
        Dialogs::warning(this,
                         QStringLiteral("ไฟล์ที่เลือกคือฐานข้อมูลของเครื่องนี้เอง กรุณาเลือกฐานข้อมูลจากเครื่องอื่น"));
        return;
    }
    const bool apart = apart_->isChecked();
    rows_ = 0;
    choose_->setEnabled(false);
    run_->setEnabled(false);
    gauge_->setValue(0);
    gauge_->setStyleSheet(stageColour(0));
    progressTimer_->start();
    Desk& desk = desk_;
    qint64* rows = &rows_;
    work_->start([&desk, location, file, apart, rows](BackgroundWork::Progress& progress) {
        std::unique_ptr<Database> book = exchangedesk::openLocation(desk, location);
        std::unique_ptr<SourceBook> source = SourceBook::open(file);
        const bookmerge::Result result =
            bookmerge::merge(*book, *source, apart, [&](bookmerge::Stage stage, int percent) {
                progress.stage = static_cast<int>(stage);
                progress.percent = percent;
            });
        *rows = result.rows;
    });
}

void Taddaccess::showProgress() {
    const BackgroundWork::Progress& progress = work_->progress();
    gauge_->setValue(progress.percent);
    gauge_->setStyleSheet(stageColour(progress.stage));
}

void Taddaccess::merged(std::exception_ptr error) {
    progressTimer_->stop();
    choose_->setEnabled(true);
    run_->setEnabled(true);
    if (error) {
        gauge_->setValue(0);
        Dialogs::warning(this, exchangedesk::failureText(error));
        return;
    }
    gauge_->setValue(100);
    bar_->setMaximum(int(qMax<qint64>(1, rows_)));
    bar_->setValue(int(rows_));
    desk_.bookWritten(BookChange::imported);
    Dialogs::info(this, bookmerge::doneText(rows_));
    Platform::instance().beep();
    // One merge per choice of file.
    run_->hide();
    choose_->show();
}

void Taddaccess::closeEvent(QCloseEvent* event) {
    // The merge is one transaction: it goes to its end before the window does.
    if (work_->running()) {
        event->ignore();
        Dialogs::info(this, QStringLiteral("กำลังเพิ่มข้อมูล กรุณารอให้เสร็จก่อน"));
        return;
    }
    QWidget::closeEvent(event);
}
