#include "reports/gui/tfindcus.h"

#include "common/desk.h"
#include "printing/layout.h"
#include "reports/search.h"
#include "store/database.h"
#include "ui/choicebox.h"
#include "ui/dialogs.h"
#include "ui/windowlook.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

Tfindcus::Tfindcus(Desk& desk) : db_(desk.openOwnLines()) {
    setObjectName(QStringLiteral("Tfindcus"));
    setWindowTitle(QStringLiteral("ค้นหาชื่อลูกค้าจากตัวเลข"));
    paintBackground(this, QColor(0x00, 0xff, 0x00));

    auto* layout = new QGridLayout(this);
    layout->addWidget(titleLabel(this, QStringLiteral("ค้นหาชื่อลูกค้าจากตัวเลข")), 0, 0, 1, 3);
    layout->addWidget(new QLabel(QStringLiteral("เลือกชนิดเลข"), this), 1, 0);
    group_ = choiceBox(this, "group", false);
    group_->addItems(search::groupChoices(desk.run().kindNamingMode));
    showChoiceText(group_, QStringLiteral("เลือกชนิดเลข"));
    group_->setMinimumWidth(180);
    layout->addWidget(group_, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("ป้อนตัวเลข"), this), 2, 0);
    number_ = new QLineEdit(this);
    number_->setObjectName(QStringLiteral("num"));
    number_->setMaxLength(5);
    layout->addWidget(number_, 2, 1);
    auto* find = new QPushButton(QStringLiteral("ค้นหา"), this);
    find->setObjectName(QStringLiteral("find"));
    layout->addWidget(find, 2, 2);
    result_ = new QLabel(this);
    result_->setObjectName(QStringLiteral("result"));
    layout->addWidget(result_, 3, 0, 1, 3);

    grid_ = new QTableWidget(0, 6, this);
    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setHorizontalHeaderLabels({QStringLiteral("รหัสลูกค้า"), QStringLiteral("ชื่อลูกค้า"),
                                      QStringLiteral("เลข"), QStringLiteral("บน"),
                                      QStringLiteral("โต๊ด"), QStringLiteral("ล่าง")});
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->setMinimumSize(600, 360);
    layout->addWidget(grid_, 4, 0, 1, 3);
    layout->setRowStretch(4, 1);

    connect(group_, qOverload<int>(&QComboBox::activated), this, [this] {
        number_->setFocus();
        number_->selectAll();
    });
    connect(find, &QPushButton::clicked, this, &Tfindcus::find);
    connect(number_, &QLineEdit::returnPressed, this, &Tfindcus::find);
}

Tfindcus::~Tfindcus() = default;

QString Tfindcus::resultText() const {
    return result_->text();
}

QStringList Tfindcus::shownRows() const {
    QStringList rows;
    for (int row = 0; row < grid_->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < grid_->columnCount(); ++column)
            cells << grid_->item(row, column)->text();
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

void Tfindcus::find() {
    // Without a group the rows already listed stay and are counted.
    if (group_->currentIndex() >= 0) {
        QVector<search::CustomerRow> rows;
        try {
            rows = search::customersOf(*db_, group_->currentIndex(), number_->text().trimmed());
        } catch (const StoreError& error) {
            Dialogs::warning(this, error.message());
            return;
        }
        grid_->setRowCount(rows.size());
        for (int row = 0; row < rows.size(); ++row) {
            const search::CustomerRow& found = rows.at(row);
            const QStringList cells = {found.cus,
                                       found.name,
                                       found.num,
                                       printing::amountText(found.h),
                                       printing::amountText(found.t),
                                       printing::amountText(found.l)};
            for (int column = 0; column < cells.size(); ++column) {
                auto* item = new QTableWidgetItem(cells.at(column));
                if (column >= 3)
                    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                grid_->setItem(row, column, item);
            }
        }
    }
    result_->setText(search::foundText(grid_->rowCount()));
}
