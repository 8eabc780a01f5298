#include "settlement/gui/tcheckbycus.h"

#include "common/desk.h"
#include "settlement/customercheck.h"
#include "settlement/gui/drawboxes.h"
#include "settlement/gui/winnersreport.h"
#include "store/database.h"
#include "ui/buddhistdateedit.h"
#include "ui/dialogs.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

Tcheckbycus::Tcheckbycus(Desk& desk)
    : desk_(desk), book_(desk.openShared()), mode_(desk.run().kindNamingMode) {
    setObjectName(QStringLiteral("Tcheckbycus"));
    setWindowTitle(QStringLiteral("หน้าตรวจรางวัล"));
    auto* grid = new QGridLayout(this);
    auto* heading = new QLabel(QStringLiteral("ผลการตรวจรางวัล"), this);
    QFont big = heading->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    heading->setFont(big);
    grid->addWidget(heading, 0, 0, 1, 3);
    draw_ = new DrawBoxes(this);
    grid->addWidget(draw_, 1, 0, 1, 3);

    grid->addWidget(new QLabel(QStringLiteral("เลือกงวด"), this), 2, 0);
    date_ = new BuddhistDateEdit(QDate::currentDate(), this);
    date_->setObjectName(QStringLiteral("dt1"));
    grid->addWidget(date_, 2, 1);
    dateText_ = new QLabel(this);
    dateText_->setObjectName(QStringLiteral("dateText"));
    grid->addWidget(dateText_, 2, 2);
    connect(date_, &QDateEdit::dateChanged, this,
            [this](const QDate& date) { dateText_->setText(customercheck::drawDateText(date)); });
    dateText_->setText(customercheck::drawDateText(date_->date()));

    check_ = new QPushButton(QStringLiteral("ตรวจรางวัล"), this);
    check_->setObjectName(QStringLiteral("check"));
    connect(check_, &QPushButton::clicked, this, &Tcheckbycus::runCheck);
    grid->addWidget(check_, 3, 0);
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("progress"));
    bar_->setRange(0, 100);
    bar_->setValue(0);
    grid->addWidget(bar_, 3, 1, 1, 2);

    grid_ = new QTableWidget(0, 1, this);
    grid_->setObjectName(QStringLiteral("DBGrid1"));
    grid_->setHorizontalHeaderLabels({QStringLiteral("ชื่อ")});
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setToolTip(QStringLiteral("คลิ๊กที่ชื่อเพื่อดูรายละเอียด"));
    grid_->setMinimumHeight(240);
    connect(grid_, &QTableWidget::cellClicked, this, [this](int row, int) { printCustomer(row); });
    grid->addWidget(grid_, 4, 0, 1, 3);
    total_ = new QLabel(this);
    total_->setObjectName(QStringLiteral("total"));
    grid->addWidget(total_, 5, 0, 1, 2);
    auto* reset = new QPushButton(QStringLiteral("Reset"), this);
    reset->setObjectName(QStringLiteral("reset"));
    connect(reset, &QPushButton::clicked, this, &Tcheckbycus::resetCount);
    grid->addWidget(reset, 5, 2, Qt::AlignLeft);
    grid->setColumnStretch(2, 1);

    // The accounts are read once, as the window opens.
    accounts_ = accounts::buildAccounts(*book_);
    draw_->load(*book_);
}

Tcheckbycus::~Tcheckbycus() = default;

QString Tcheckbycus::dateText() const {
    return dateText_->text();
}

void Tcheckbycus::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!padded_) {
        padded_ = true;
        draw_->padFirst();
    }
}

void Tcheckbycus::runCheck() {
    if (!draw_->takeFirst())
        return;
    check_->setEnabled(false);
    grid_->setEnabled(false);
    bar_->setValue(10);
    draw_->store(*book_);
    try {
        lines_ = customercheck::winningLines(*book_, draw_->draw(), mode_);
    } catch (const StoreError& error) {
        lines_.clear();
        Dialogs::warning(this, error.message());
    }
    bar_->setValue(60);
    const QVector<customercheck::Winner> winners = customercheck::winnersOf(lines_);
    grid_->setRowCount(winners.size());
    for (int row = 0; row < winners.size(); ++row) {
        auto* item = new QTableWidgetItem(winners[row].name);
        item->setData(Qt::UserRole, winners[row].cus);
        grid_->setItem(row, 0, item);
    }
    total_->setText(customercheck::countText(winners.size()));
    bar_->setValue(100);
    dateText_->setText(customercheck::drawDateText(date_->date()));
    grid_->setEnabled(true);
    check_->setEnabled(true);
}

void Tcheckbycus::printCustomer(int row) {
    QTableWidgetItem* item = grid_->item(row, 0);
    if (!item)
        return;
    const QString cus = item->data(Qt::UserRole).toString();
    customercheck::Settlement settlement;
    settlement.won = customercheck::wonBy(lines_, cus);
    if (const auto account = accounts::accountOf(accounts_, cus)) {
        settlement.total = account->total;
        settlement.discount = account->discount;
        settlement.toCollect = account->toCollect;
    }
    QVector<prizecheck::WinningLine> his;
    for (const prizecheck::WinningLine& line : lines_)
        if (line.cus == cus)
            his.push_back(line);
    winnersreport::showSettlement(desk_, item->text(), dateText(), his, settlement);
}

void Tcheckbycus::resetCount() {
    total_->clear();
}

void Tcheckbycus::closeEvent(QCloseEvent* event) {
    draw_->store(*book_);
    QWidget::closeEvent(event);
    desk_.checkByCustomerClosed();
}
