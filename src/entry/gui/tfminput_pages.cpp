// The head, set and stock pages of the entry form, the stock page's hundred-number panel, and
// switching between the pages.

#include "common/settings.h"
#include "entry/gui/hundredpanelview.h"
#include "entry/gui/tfminput.h"
#include "ui/dialogs.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>

QWidget* Tfminput::buildModePage(EntryPage page) {
    auto* widget = new QWidget(pages_);
    auto* grid = new QGridLayout(widget);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setVerticalSpacing(2);
    const QVector<const EntryModeRow*> rows = pageButtonRows(page);
    const int perRow = 4;
    for (int i = 0; i < rows.size(); ++i) {
        const EntryModeRow* row = rows[i];
        auto* button = new QPushButton(pageButtonCaption(*row), widget);
        button->setObjectName(QString::fromLatin1(row->button));
        button->setToolTip(button->text());
        button->setFocusPolicy(Qt::NoFocus);
        button->setMinimumHeight(28);
        connect(button, &QPushButton::clicked, this, [this, row] { choosePageRow(*row); });
        grid->addWidget(button, i / perRow, i % perRow);
        pageButtons_.append(qMakePair(row->mode, button));
    }
    if (page == EntryPage::stock) {
        panelToggle_ = new QPushButton(widget);
        panelToggle_->setObjectName(QStringLiteral("cb100"));
        panelToggle_->setFocusPolicy(Qt::NoFocus);
        connect(panelToggle_, &QPushButton::clicked, this, &Tfminput::togglePanel);
        // Beside the last row of buttons, so the page keeps two rows like the others.
        grid->addWidget(panelToggle_, std::max(0, static_cast<int>(rows.size() - 1) / perRow),
                        perRow);
    }
    return widget;
}

void Tfminput::choosePageRow(const EntryModeRow& row) {
    if (static_cast<int>(row.page) != page_)
        return;
    QPushButton* button = nullptr;
    for (const auto& entry : pageButtons_) {
        if (entry.first == row.mode)
            button = entry.second;
    }
    arrow_ = 0;
    chooseMode(row.mode, pageButtonCaption(row), button);
}

void Tfminput::showPanel(bool shown) {
    panel_->setVisible(shown);
    if (shown) {
        panelTimer_->start();
        refreshPanel();
    } else {
        panelTimer_->stop();
    }
    panelToggle_->setText(panelWanted_ ? QStringLiteral("ปิด100ตัวเลข")
                                       : QStringLiteral("แสดง100ตัวเลข"));
    panelToggle_->setStyleSheet(panelWanted_ ? QStringLiteral("color: black;")
                                             : QStringLiteral("color: blue;"));
}

void Tfminput::togglePanel() {
    const bool wanted = !panelWanted_;
    if (!saveSwitch(Backc::back9, wanted))
        return;
    panelWanted_ = wanted;
    showPanel(panelWanted_ && page_ == StockPage);
}

void Tfminput::onTimer10() {
    refreshPanel();
}

void Tfminput::refreshPanel() {
    if (!panel_->isVisibleTo(this))
        return;
    try {
        const bool watched = SettingsRecord(own()).watchNumbers();
        panel_->setCells(readHundredPanel(bets(), watched));
    } catch (const StoreError& error) {
        panelTimer_->stop();
        Dialogs::warning(this, error.message());
    }
}

void Tfminput::showPage(int page) {
    if (page < SetPage || page > StockPage)
        return;
    page_ = static_cast<Page>(page);
    pages_->setCurrentIndex(page);
    static const char* const banners[] = {"เมนูชุด", "เมนูเลขหัว", "เมนูปกติ", "เมนูหุ้น"};
    banner_->setText(QString::fromUtf8(banners[page]));
    mode_.reset();
    arrow_ = 0;
    clearButtonColours();
    number_->setStyleSheet(QString());
    numberCaption_->setText(QStringLiteral("เลข"));
    showPanel(page_ == StockPage && panelWanted_);
    showOptionBoxes();
    focusField(number_);
}

void Tfminput::showOptionBoxes() {
    // The normal page's options, shown beside the stakes while that page is in front.
    const bool normal = page_ == NormalPage;
    straightPlusSetBox_->setVisible(normal && f4Shown_);
    bottomBeforeTodBox_->setVisible(normal && f7Shown_);
    twoDigitsTopBottomBox_->setVisible(normal && f7Shown_);
}
