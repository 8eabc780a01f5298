#include "exchange/gui/timportex2.h"

#include "common/customers.h"
#include "common/desk.h"
#include "common/settings.h"
#include "exchange/gui/exchangedesk.h"
#include "exchange/sheetimport.h"
#include "ui/dialogs.h"
#include "ui/subwindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

namespace {
const char kNoFile[] = "Excel";
}

Timportex2::Timportex2(Desk& desk) : desk_(desk) {
    setObjectName(QStringLiteral("Timportex2"));
    setWindowTitle(QStringLiteral("นำเข้าข้อมูลจากExcelแบบ3ชุด"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* grid = new QGridLayout(this);
    auto* heading = new QLabel(windowTitle(), this);
    heading->setStyleSheet(QStringLiteral("font-weight: bold; color: blue; font-size: 14pt;"));
    grid->addWidget(heading, 0, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("รหัสการป้อน"), this), 1, 0);
    customers_ = exchangedesk::customerBox(this, desk, &customer_);
    grid->addWidget(customers_, 1, 1, 1, 2);
    path_ = new QLineEdit(QString::fromLatin1(kNoFile), this);
    path_->setObjectName(QStringLiteral("path"));
    path_->setReadOnly(true);
    path_->setMinimumWidth(360);
    grid->addWidget(path_, 2, 0, 1, 2);
    auto* choose = new QPushButton(QStringLiteral("เลือกFile  Excel"), this);
    choose->setObjectName(QStringLiteral("choose"));
    grid->addWidget(choose, 2, 2);
    grid_ = new QTableWidget(0, 2, this);
    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setHorizontalHeaderLabels({QStringLiteral("เลข"), QStringLiteral("จำนวน")});
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setMinimumHeight(300);
    grid->addWidget(grid_, 3, 0, 1, 3);
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("pg1"));
    grid->addWidget(bar_, 4, 0, 1, 2);
    rowsLabel_ = new QLabel(this);
    rowsLabel_->setObjectName(QStringLiteral("Label2"));
    grid->addWidget(rowsLabel_, 4, 2);
    auto* run = new QPushButton(QStringLiteral("นำเข้า"), this);
    run->setObjectName(QStringLiteral("import"));
    run->setStyleSheet(QStringLiteral("font-weight: bold;"));
    grid->addWidget(run, 5, 0, 1, 2);
    countdown_ = new QLabel(this);
    countdown_->setObjectName(QStringLiteral("countdown"));
    grid->addWidget(countdown_, 5, 2);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &Timportex2::onTimer1);
    timer_->start();
    restartCountdown();

    connect(customers_, qOverload<int>(&QComboBox::activated), this, &Timportex2::restartCountdown);
    connect(choose, &QPushButton::clicked, this, &Timportex2::chooseFile);
    connect(run, &QPushButton::clicked, this, &Timportex2::importSheet);
}

void Timportex2::restartCountdown() {
    secondsLeft_ = kIdleSeconds;
    countdown_->setText(QString::number(secondsLeft_));
}

void Timportex2::onTimer1() {
    if (--secondsLeft_ <= 0) {
        timer_->stop();
        closeWithFrame(this);
        return;
    }
    countdown_->setText(QString::number(secondsLeft_));
}

void Timportex2::showRows(const QVector<sheetfile::Row>& rows) {
    grid_->setRowCount(rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        grid_->setItem(i, 0, new QTableWidgetItem(rows[i].num));
        grid_->setItem(i, 1,
                       new QTableWidgetItem(rows[i].h + QLatin1Char('/') + rows[i].t +
                                            QLatin1Char('/') + rows[i].l));
    }
    rowsLabel_->setText(QString::number(rows.size()));
}

void Timportex2::chooseFile() {
    restartCountdown();
    const QString file =
        Dialogs::openFileName(this, QStringLiteral("เลือกFile Excel"),
                              QStringLiteral("Excel (*.xls *.xlsx *.ods *.csv);;All (*)"));
    if (file.isEmpty())
        return;
    path_->setText(file);
    try {
        showRows(sheetfile::read(file));
    } catch (const sheetfile::SheetError& error) {
        grid_->setRowCount(0);
        Dialogs::warning(this, error.message());
    }
}

void Timportex2::importSheet() {
    restartCountdown();
    if (path_->text() == QLatin1String(kNoFile)) {
        Dialogs::warning(this, QStringLiteral("กรุณาเลือกชนิดและข้อมูลExcelในการป้อนข้อมูล"));
        return;
    }
    sheetimport::Result result;
    std::exception_ptr failure;
    try {
        const QVector<sheetfile::Row> rows = sheetfile::read(path_->text());
        showRows(rows);
        std::unique_ptr<Database> book = exchangedesk::openBets(desk_);
        const bool sortDigits = SettingsRecord(desk_.own()).sortDigits();
        result = sheetimport::import(
            *book, rows, customer_.isEmpty() ? customers::combined() : customer_, sortDigits,
            [this](int percent) {
                bar_->setValue(percent);
                rowsLabel_->setText(QString::number(percent) + QLatin1Char('%'));
            });
    } catch (...) {
        failure = std::current_exception();
    }
    if (failure) {
        bar_->setValue(0);
        Dialogs::warning(this, exchangedesk::failureText(failure));
        return;
    }
    bar_->setValue(100);
    desk_.bookWritten(BookChange::imported);
    Dialogs::info(this, sheetimport::report(result));
}
