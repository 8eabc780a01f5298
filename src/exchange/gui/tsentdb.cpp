#include "exchange/gui/tsentdb.h"

#include "common/customers.h"
#include "common/desk.h"
#include "exchange/gui/backgroundwork.h"
#include "exchange/gui/exchangedesk.h"
#include "exchange/sentfile.h"
#include "exchange/sourcebook.h"
#include "ui/dialogs.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {
// The kinds of the list after "รวมเลข", in its order.
const Kind kListed[] = {Kind::h3, Kind::t3, Kind::l3, Kind::h2, Kind::t2,
                        Kind::l2, Kind::h1, Kind::l1, Kind::h4, Kind::h5};
const char* const kListedCaptions[] = {"3ตัวบน",  "3ตัวโต๊ด", "3ตัวล่าง", "2ตัวบน",  "คู่โต๊ด",
                                       "2ตัวล่าง", "วิ่งบน",   "วิ่งล่าง",  "กลุ่ม4ตัว", "กลุ่ม5ตัว"};
} // namespace

Tsentdb::Tsentdb(Desk& desk) : desk_(desk) {
    setObjectName(QStringLiteral("Tsentdb"));
    setWindowTitle(QStringLiteral("รับและส่งฐานข้อมูล"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* grid = new QGridLayout(this);
    auto* sentHeading = new QLabel(QStringLiteral("ยอดส่งออกล่าสุดโดยMsAccess"), this);
    sentHeading->setStyleSheet(QStringLiteral("font-weight: bold; color: blue;"));
    grid->addWidget(sentHeading, 0, 0, 1, 2);
    kinds_ = new QComboBox(this);
    kinds_->setObjectName(QStringLiteral("c1"));
    kinds_->addItem(QStringLiteral("รวมเลข"));
    for (const char* caption : kListedCaptions)
        kinds_->addItem(QString::fromUtf8(caption));
    grid->addWidget(kinds_, 1, 0);
    exportButton_ = new QPushButton(QStringLiteral("ส่งออกMsAccess"), this);
    exportButton_->setObjectName(QStringLiteral("export"));
    grid->addWidget(exportButton_, 1, 1);

    auto* addHeading = new QLabel(QStringLiteral("รับยอดจากFileMsAccess"), this);
    addHeading->setStyleSheet(QStringLiteral("font-weight: bold; color: blue;"));
    grid->addWidget(addHeading, 2, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("เลือกชื่อ"), this), 3, 0);
    customers_ = exchangedesk::customerBox(this, desk, &customer_);
    grid->addWidget(customers_, 3, 1);
    path_ = new QLineEdit(this);
    path_->setObjectName(QStringLiteral("path"));
    path_->setReadOnly(true);
    path_->setMinimumWidth(320);
    grid->addWidget(path_, 4, 0);
    addButton_ = new QPushButton(QStringLiteral("เพิ่มข้อมูลจากMsAccess"), this);
    addButton_->setObjectName(QStringLiteral("add"));
    grid->addWidget(addButton_, 4, 1);
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("pg1"));
    grid->addWidget(bar_, 5, 0, 1, 2);

    work_ = new BackgroundWork(this);
    progressTimer_ = new QTimer(this);
    progressTimer_->setInterval(100);
    connect(progressTimer_, &QTimer::timeout, this,
            [this] { bar_->setValue(work_->progress().percent); });
    connect(work_, &BackgroundWork::finished, this, &Tsentdb::added);
    connect(exportButton_, &QPushButton::clicked, this, &Tsentdb::exportSent);
    connect(addButton_, &QPushButton::clicked, this, &Tsentdb::addFile);
}

bool Tsentdb::adding() const {
    return work_->running();
}

void Tsentdb::waitForAdding() {
    work_->wait();
}

void Tsentdb::exportSent() {
    QString target = Dialogs::saveFileName(this, QStringLiteral("Saveไปที่"),
                                           desk_.run().programFolder + QStringLiteral("export.mdb"),
                                           QStringLiteral("mdb (*.mdb)"));
    if (target.isEmpty()) {
        Dialogs::info(this, QStringLiteral("ยกเลิกการส่งออกฐานข้อมูล"));
        return;
    }
    if (QFileInfo(target).suffix().isEmpty())
        target += QStringLiteral(".mdb");
    const int index = kinds_->currentIndex();
    const std::optional<Kind> kind =
        index > 0 ? std::optional<Kind>(kListed[index - 1]) : std::nullopt;
    const QString file = desk_.run().programFolder + QStringLiteral("db/export.mdb");
    try {
        sentfile::write(*desk_.openShared(), file, kind, [this](Kind, qint64 rows) {
            bar_->setMaximum(0);
            bar_->setFormat(QString::number(rows));
        });
    } catch (const StoreError& error) {
        bar_->setMaximum(100);
        Dialogs::warning(this, error.message());
        return;
    }
    bar_->setMaximum(100);
    bar_->setValue(100);
    bar_->setFormat(QStringLiteral("%p%"));
    if (QFileInfo(target).absoluteFilePath() != QFileInfo(file).absoluteFilePath()) {
        const QString failure = sentfile::copyOver(file, target);
        if (!failure.isEmpty()) {
            Dialogs::warning(this, QStringLiteral("บันทึกไฟล์ไม่ได้\n") +
                                       QDir::toNativeSeparators(target) + QLatin1Char('\n') +
                                       failure);
            return;
        }
    }
    Dialogs::info(this, QStringLiteral("ส่งออกฐานข้อมูลยอดส่งออกทั้งหมดไปที่") +
                            QDir::toNativeSeparators(target) + QStringLiteral("เรียบร้อย"));
}

void Tsentdb::addFile() {
    if (work_->running())
        return;
    const QString file = Dialogs::openFileName(this, QStringLiteral("เลือกFile Access"),
                                               QStringLiteral("Access (*.mdb *.mde);;All (*)"));
    if (file.isEmpty())
        return;
    path_->setText(file);
    const QString location = exchangedesk::betsLocation(desk_);
    const QString customer = customer_.isEmpty() ? customers::combined() : customer_;
    exportButton_->setEnabled(false);
    addButton_->setEnabled(false);
    bar_->setValue(0);
    progressTimer_->start();
    Desk& desk = desk_;
    QString* text = &addedText_;
    work_->start([&desk, location, file, customer, text](BackgroundWork::Progress& progress) {
        std::unique_ptr<Database> book = exchangedesk::openLocation(desk, location);
        std::unique_ptr<SourceBook> source = SourceBook::open(file);
        *text = sentfile::addedText(sentfile::add(
            *book, *source, customer, [&](int percent) { progress.percent = percent; }));
    });
}

void Tsentdb::added(std::exception_ptr error) {
    progressTimer_->stop();
    exportButton_->setEnabled(true);
    addButton_->setEnabled(true);
    if (error) {
        bar_->setValue(0);
        Dialogs::warning(this, exchangedesk::failureText(error));
        return;
    }
    bar_->setValue(100);
    desk_.bookWritten(BookChange::imported);
    Dialogs::info(this, addedText_);
}

void Tsentdb::closeEvent(QCloseEvent* event) {
    if (work_->running()) {
        event->ignore();
        Dialogs::info(this, QStringLiteral("กำลังเพิ่มข้อมูล กรุณารอให้เสร็จก่อน"));
        return;
    }
    QWidget::closeEvent(event);
}
