#include "spreading/gui/spreadwindow.h"

#include "common/desk.h"
#include "printing/layout.h"
#include "spreading/spreadbook.h"
#include "store/database.h"
#include "ui/dialogs.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

SpreadWindow::SpreadWindow(Desk& desk, spread::Conversion conversion)
    : desk_(desk), book_(desk.openOwnLines()), conversion_(conversion) {
    const spread::ConversionInfo& info = spread::infoOf(conversion);
    setWindowTitle(QString::fromUtf8(info.windowCaption));
    layout_ = new QVBoxLayout(this);

    grid_ = totalsGrid(this);
    layout_->addWidget(grid_, 1);

    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("progress"));
    bar_->setRange(0, 100);
    bar_->setValue(0);
    layout_->addWidget(bar_);
    start_ = new QPushButton(QString::fromUtf8(info.startCaption), this);
    start_->setObjectName(QStringLiteral("start"));
    connect(start_, &QPushButton::clicked, this, &SpreadWindow::start);
    layout_->addWidget(start_);
    reload();
}

SpreadWindow::~SpreadWindow() = default;

int SpreadWindow::progress() const {
    return bar_->value();
}

QTableWidget* SpreadWindow::totalsGrid(QWidget* parent) {
    auto* grid = new QTableWidget(0, 2, parent);
    grid->setObjectName(QStringLiteral("grid"));
    grid->setHorizontalHeaderLabels({QStringLiteral("เลข"), QStringLiteral("จำนวน")});
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setMinimumSize(260, 360);
    return grid;
}

void SpreadWindow::showTotals(QTableWidget* grid, const QVector<spread::Total>& totals) {
    grid->setRowCount(totals.size());
    for (int row = 0; row < totals.size(); ++row) {
        grid->setItem(row, 0, new QTableWidgetItem(totals.at(row).num));
        auto* amount = new QTableWidgetItem(printing::amountText(totals.at(row).total));
        amount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->setItem(row, 1, amount);
    }
}

QStringList SpreadWindow::shownRows(const QTableWidget* grid) {
    QStringList rows;
    for (int row = 0; row < grid->rowCount(); ++row)
        rows << grid->item(row, 0)->text() + QLatin1Char('|') + grid->item(row, 1)->text();
    return rows;
}

void SpreadWindow::addRow(QWidget* row) {
    layout_->insertWidget(layout_->indexOf(grid_), row);
}

QLabel* SpreadWindow::statusLine() {
    if (!status_) {
        status_ = new QLabel(this);
        status_->setObjectName(QStringLiteral("status"));
        layout_->insertWidget(0, status_);
    }
    return status_;
}

void SpreadWindow::addMarginRow(Backc field) {
    marginField_ = field;
    margin_ = field == Backc::back11 ? SettingsRecord(desk_.own()).twoSpreadMargin()
                                     : SettingsRecord(desk_.own()).todSpreadMargin();
    statusLine()->setText(QStringLiteral("ส่วนต่างในการกระจายเลข=%1%").arg(margin_));
    auto* button = new QPushButton(QStringLiteral("ตั้งค่า%ส่วนต่าง"), this);
    button->setObjectName(QStringLiteral("setMargin"));
    connect(button, &QPushButton::clicked, this, &SpreadWindow::askMargin);
    addRow(button);
}

void SpreadWindow::askMargin() {
    bool ok = false;
    const QString typed = Dialogs::input(this, QStringLiteral("ป้อน%ส่วนต่างในการกระจายเลขที่ต้องการ"),
                                         QStringLiteral("ป้อน%ที่ต้องการ"), QStringLiteral("20"), &ok);
    // A cancelled box leaves the margin as it was.
    if (!ok)
        return;
    int margin = 0;
    QString refusal;
    if (!spread::marginOf(typed, &margin, &refusal)) {
        Dialogs::warning(this, refusal);
        return;
    }
    try {
        SettingsRecord(desk_.own()).set(marginField_, QString::number(margin));
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return;
    }
    margin_ = margin;
    statusLine()->setText(QStringLiteral("ส่วนต่างในการกระจายเลข=%1%").arg(margin_));
}

void SpreadWindow::reload() {
    QVector<spread::Total> totals;
    try {
        totals = spread::totalsOf(*book_, spread::infoOf(conversion_).source);
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
    showTotals(grid_, totals);
    // The l1 window starts without totals too, and then writes nothing.
    start_->setEnabled(!totals.isEmpty() || conversion_ == spread::Conversion::runToTwo);
}

void SpreadWindow::start() {
    start_->setEnabled(false);
    bar_->setValue(0);
    try {
        spread::convert(*book_, conversion_, options(), [this](const spread::Progress& step) {
            // Painted at once: the window's events wait for the end of the transaction.
            if (bar_->value() != step.percent()) {
                bar_->setValue(step.percent());
                bar_->repaint();
            }
            stepped(step);
        });
    } catch (const StoreError& error) {
        bar_->setValue(0);
        Dialogs::warning(this, error.message());
        reload();
        return;
    }
    bar_->setValue(100);
    desk_.bookWritten(BookChange::spread);
    Dialogs::info(this, QString::fromUtf8(spread::infoOf(conversion_).doneText));
    reload();
}
