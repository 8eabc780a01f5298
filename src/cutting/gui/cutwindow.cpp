#include "cutting/gui/cutwindow.h"

#include "common/desk.h"
#include "cutting/gui/tfmshowcut.h"
#include "store/database.h"
#include "ui/dialogs.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {
size_t at(Kind kind) {
    return static_cast<size_t>(kind);
}

int listingIndex(Kind kind) {
    const auto& order = listingOrder();
    return static_cast<int>(std::find(order.begin(), order.end(), kind) - order.begin());
}
} // namespace

CutWindow::CutWindow(Desk& desk, CutVariant variant)
    : desk_(desk), variant_(variant), namingMode_(desk.run().kindNamingMode),
      book_(desk.openShared()), reports_(new Tfmshowcut(desk, this)) {
    auto* outer = new QVBoxLayout(this);
    header_ = new QLabel(this);
    header_->setObjectName(QStringLiteral("header"));
    QFont big = header_->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    header_->setFont(big);
    outer->addWidget(header_);

    auto* body = new QHBoxLayout;
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("pages"));
    list_->setFixedWidth(190);
    stack_ = new QStackedWidget(this);
    body->addWidget(list_);
    body->addWidget(stack_, 1);
    outer->addLayout(body, 1);

    mainPage_ = new QWidget(this);
    mainPage_->setObjectName(QStringLiteral("mainPage"));
    list_->addItem(QStringLiteral("หน้าหลัก"));
    stack_->addWidget(mainPage_);
    for (Kind kind : listingOrder()) {
        auto* page = new CutPage(kind, variant, this);
        cutPages_[at(kind)] = page;
        list_->addItem(cutPageCaption(kind, namingMode_));
        stack_->addWidget(page);
        connect(page, &CutPage::cutAsked, this, [this](Kind k) { cut(k); });
    }
    for (Kind kind : listingOrder()) {
        auto* page = new ResultPage(kind, variant, this);
        resultPages_[at(kind)] = page;
        list_->addItem(resultPageCaption(kind, namingMode_));
        stack_->addWidget(page);
        connect(page, &ResultPage::keptAsked, this, [this](Kind k) { reports_->showKept(k); });
        connect(page, &ResultPage::sentAsked, this, &CutWindow::showSent);
        connect(page, &ResultPage::halveAsked, this, [this](Kind k) { halve(k); });
    }
    // Every page's name in sight.
    list_->setMinimumHeight(list_->sizeHintForRow(0) * list_->count() + 2 * list_->frameWidth());
    setMinimumSize(900, 0);
    connect(list_, &QListWidget::currentRowChanged, this, &CutWindow::pageShown);
    readRates();
    list_->setCurrentRow(0);
}

CutWindow::~CutWindow() = default;

QString CutWindow::header() const {
    return header_->text();
}

int CutWindow::page() const {
    return stack_->currentIndex();
}

CutPage* CutWindow::cutPage(Kind kind) const {
    return cutPages_[at(kind)];
}

ResultPage* CutWindow::resultPage(Kind kind) const {
    return resultPages_[at(kind)];
}

void CutWindow::showPage(int page) {
    list_->setCurrentRow(page);
}

void CutWindow::showCutPage(Kind kind) {
    showPage(1 + listingIndex(kind));
}

void CutWindow::showResultPage(Kind kind) {
    showPage(1 + kKindCount + listingIndex(kind));
}

void CutWindow::setHeaderText(const QString& text) {
    header_->setText(text);
}

void CutWindow::showMainPageOnly() {
    for (int row = 1; row < list_->count(); ++row)
        list_->item(row)->setHidden(true);
    list_->hide();
    showPage(0);
}

void CutWindow::hideMainPage() {
    list_->item(0)->setHidden(true);
}

void CutWindow::readRates() {
    failed([this] { rates_ = analysis::payRates(*book_); });
}

bool CutWindow::failed(const std::function<void()>& work) {
    try {
        work();
        return false;
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return true;
    }
}

void CutWindow::pageShown(int page) {
    if (page < 0)
        return;
    stack_->setCurrentIndex(page);
    header_->setText(list_->item(page)->text());
    if (page < 1 || page > kKindCount)
        return;
    CutPage* shown = cutPages_[at(listingOrder()[static_cast<size_t>(page - 1)])];
    failed([&] {
        shown->showStatistics(analysis::statistics(*book_, shown->kind()));
        shown->showRate(rateOf(shown->kind()));
    });
}

void CutWindow::showSent(Kind kind) {
    const ResultPage* page = resultPages_[at(kind)];
    reports_->showSent(kind, page->separate(), page->byAmount());
}
