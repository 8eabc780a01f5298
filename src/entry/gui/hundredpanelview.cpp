#include "entry/gui/hundredpanelview.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QTableWidget>

namespace {
const QColor kNumberColour(192, 220, 192);

QTableWidgetItem* cell(const QTableWidget* grid, const QString& text, Qt::Alignment alignment,
                       const QColor& background) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setBackground(background);
    item->setForeground(Qt::black);
    item->setFlags(Qt::ItemIsEnabled);
    QFont font = grid->font();
    font.setBold(true);
    item->setFont(font);
    return item;
}
} // namespace

HundredPanelView::HundredPanelView(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Panel7"));
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral(
        "QFrame#Panel7 { background: black; }"
        "QHeaderView::section { font-size: 8pt; padding: 0px; }"
        "QHeaderView::section:first { background: yellow; font-weight: bold; }"
        "QHeaderView::section:last { background: lime; font-weight: bold; }"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    for (int g = 0; g < kPanelGrids; ++g) {
        auto* grid = new QTableWidget(0, 2, this);
        grid->setObjectName(QStringLiteral("DBGrid%1").arg(12 + g));
        grid->setHorizontalHeaderLabels({QStringLiteral("เลข"), QStringLiteral("จำนวน")});
        grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid->setFocusPolicy(Qt::NoFocus);
        grid->setSelectionMode(QAbstractItemView::NoSelection);
        QFont font = grid->font();
        font.setPointSize(8);
        grid->setFont(font);
        // Sixteen rows and both columns in sight, whatever the program's font.
        const int line = QFontMetrics(font).height() + 2;
        grid->verticalHeader()->hide();
        grid->verticalHeader()->setMinimumSectionSize(line);
        grid->verticalHeader()->setDefaultSectionSize(line);
        grid->horizontalHeader()->setFont(font);
        grid->horizontalHeader()->setMinimumSectionSize(16);
        grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
        grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
        QFont bold = font;
        bold.setBold(true);
        grid->setColumnWidth(0, QFontMetrics(bold).horizontalAdvance(QStringLiteral("00")) + 12);
        layout->addWidget(grid);
        grids_[static_cast<size_t>(g)] = grid;
    }
}

void HundredPanelView::setCells(const QVector<PanelCell>& cells) {
    const QLocale english(QLocale::English);
    for (int g = 0; g < kPanelGrids; ++g) {
        QTableWidget* grid = grids_[static_cast<size_t>(g)];
        const QVector<PanelCell> rows = cells.mid(g * kPanelRowsPerGrid, kPanelRowsPerGrid);
        grid->setRowCount(rows.size());
        for (int r = 0; r < rows.size(); ++r) {
            const PanelCell& c = rows[r];
            // Watched wins over the limit.
            QColor mark;
            if (c.watched)
                mark = Qt::green;
            else if (c.overLimit)
                mark = Qt::red;
            grid->setItem(r, 0, cell(grid, c.number, Qt::AlignHCenter,
                                     mark.isValid() ? mark : kNumberColour));
            grid->setItem(r, 1, cell(grid, english.toString(c.total, 'f', 0), Qt::AlignRight,
                                     mark.isValid() ? mark : QColor(Qt::white)));
        }
    }
}
