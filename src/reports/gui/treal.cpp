#include "reports/gui/treal.h"

#include "common/desk.h"
#include "common/settings.h"
#include "printing/layout.h"
#include "reports/gui/totalsreport.h"
#include "store/database.h"
#include "ui/dialogs.h"
#include "ui/windowlook.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QColor kMarked(0x00, 0xc0, 0x00);
} // namespace

Treal::Treal(Desk& desk) : desk_(desk), db_(desk.openShared()), timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("Treal"));
    setWindowTitle(QStringLiteral("แสดงเลขปัจุบันที่มียอดสูงสุด"));
    auto* layout = new QGridLayout(this);
    layout->addWidget(titleLabel(this, QStringLiteral("แสดงเลขปัจจุบันที่มียอดซื้อสูงสุด")), 0, 0, 1,
                      topnumbers::kLists + 1, Qt::AlignHCenter);

    for (int i = 0; i < topnumbers::kLists; ++i) {
        const topnumbers::List& list = topnumbers::lists()[static_cast<size_t>(i)];
        auto* heading = new QLabel(QString::fromUtf8(list.title), this);
        heading->setAlignment(Qt::AlignHCenter);
        layout->addWidget(heading, 1, i);
        auto* grid = new QTableWidget(0, 2, this);
        grid->setObjectName(QStringLiteral("list%1").arg(i + 1));
        grid->setHorizontalHeaderLabels({QStringLiteral("เลข"), QStringLiteral("จำนวน")});
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grid->verticalHeader()->hide();
        grid->horizontalHeader()->setStretchLastSection(true);
        grid->setMinimumSize(170, 420);
        layout->addWidget(grid, 2, i);
        grids_[static_cast<size_t>(i)] = grid;
        auto* show = new QPushButton(QStringLiteral("แสดงยอด"), this);
        show->setObjectName(QStringLiteral("show%1").arg(i + 1));
        const QString view = QLatin1String(list.totalsView);
        connect(show, &QPushButton::clicked, this, [this, view] { totals::show(desk_, view); });
        layout->addWidget(show, 3, i);
    }

    auto* side = new QVBoxLayout;
    indicator_ = new QLabel(this);
    indicator_->setObjectName(QStringLiteral("indicator"));
    indicator_->setFixedSize(28, 28);
    side->addWidget(indicator_, 0, Qt::AlignHCenter);
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("progress"));
    bar_->setOrientation(Qt::Vertical);
    bar_->setRange(0, topnumbers::kRefreshAfter);
    bar_->setTextVisible(false);
    side->addWidget(bar_, 1, Qt::AlignHCenter);
    layout->addLayout(side, 1, topnumbers::kLists, 3, 1);
    layout->setRowStretch(2, 1);

    timer_->setObjectName(QStringLiteral("Timer1"));
    connect(timer_, &QTimer::timeout, this, &Treal::tick);
    refresh();
    timer_->start(1000);
}

Treal::~Treal() = default;

bool Treal::indicatorGreen() const {
    return counter_ >= topnumbers::kGreenFrom;
}

void Treal::showIndicator() {
    indicator_->setStyleSheet(
        QStringLiteral("border: 1px solid gray; border-radius: 14px; "
                       "background-color: %1;")
            .arg(indicatorGreen() ? QStringLiteral("lime") : QStringLiteral("white")));
    bar_->setValue(counter_);
}

void Treal::tick() {
    ++counter_;
    if (counter_ > topnumbers::kRefreshAfter)
        refresh();
    showIndicator();
}

void Treal::refresh() {
    counter_ = 0;
    showIndicator();
    topnumbers::Board board;
    try {
        board = topnumbers::read(*db_, SettingsRecord(desk_.own()).watchNumbers());
    } catch (const StoreError& error) {
        // Said once; the next minute tries again.
        timer_->stop();
        Dialogs::warning(this, error.message());
        timer_->start(1000);
        return;
    }
    for (int i = 0; i < topnumbers::kLists; ++i) {
        QTableWidget* grid = grids_[static_cast<size_t>(i)];
        const QVector<topnumbers::Row>& rows = board.rows[static_cast<size_t>(i)];
        const QSet<QString>& marked = board.marked[static_cast<size_t>(i)];
        grid->setRowCount(rows.size());
        for (int row = 0; row < rows.size(); ++row) {
            auto* num = new QTableWidgetItem(rows.at(row).num);
            auto* amount = new QTableWidgetItem(printing::amountText(rows.at(row).amount));
            amount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (marked.contains(rows.at(row).num)) {
                num->setBackground(kMarked);
                amount->setBackground(kMarked);
            }
            grid->setItem(row, 0, num);
            grid->setItem(row, 1, amount);
        }
    }
}
