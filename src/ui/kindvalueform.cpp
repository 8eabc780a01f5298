#include "ui/kindvalueform.h"

#include "store/database.h"
#include "store/kindcaptions.h"
#include "store/kindrow.h"
#include "ui/dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

KindValueForm::KindValueForm(const QString& table, std::unique_ptr<Database> db, int namingMode,
                             const QStringList& items, QWidget* parent)
    : QWidget(parent), table_(table), namingMode_(namingMode), db_(std::move(db)) {
    setAttribute(Qt::WA_DeleteOnClose);

    body_ = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    for (Kind kind : columnOrder()) {
        const int index = static_cast<int>(kind);
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Label%1").arg(index + 1));
        labels_[static_cast<size_t>(index)] = label;
        grid->addWidget(label, index % 5, index / 5);
    }
    body_->addLayout(grid);

    auto* row = new QHBoxLayout;
    c1_ = new QComboBox(this);
    c1_->setObjectName(QStringLiteral("c1"));
    c1_->addItems(items);
    c1_->setPlaceholderText(QStringLiteral("เลือกข้อมูล"));
    c1_->setToolTip(QStringLiteral("เลือกข้อมูล"));
    c1_->setCurrentIndex(-1);
    c1_->setMinimumContentsLength(10);
    connect(c1_, qOverload<int>(&QComboBox::currentIndexChanged), this, [this](int index) {
        chosen_ = index;
        if (index >= 0 && index < values_.size())
            e1_->setText(kindrow::shown(values_.at(index)));
    });
    e1_ = new QLineEdit(QStringLiteral("100"), this);
    e1_->setObjectName(QStringLiteral("e1"));
    e1_->installEventFilter(this);
    auto* button = new QPushButton(QStringLiteral("บันทึกค่า"), this);
    button->setObjectName(QStringLiteral("BitBtn1"));
    button->setToolTip(QStringLiteral("บันทึกค่า"));
    connect(button, &QPushButton::clicked, this, &KindValueForm::save);
    row->addWidget(c1_);
    row->addWidget(e1_);
    row->addWidget(button);
    body_->addLayout(row);

    refresh_ = new QTimer(this);
    refresh_->setObjectName(QStringLiteral("Timer1"));
    refresh_->setInterval(500);
    connect(refresh_, &QTimer::timeout, this, &KindValueForm::onRefreshTick);
    refresh_->start();
    readRow();
}

KindValueForm::~KindValueForm() = default;

void KindValueForm::setValueText(const QString& text) {
    e1_->setText(text);
}

bool KindValueForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == e1_ && event->type() == QEvent::MouseButtonPress)
        e1_->clear();
    return QWidget::eventFilter(watched, event);
}

void KindValueForm::readRow() {
    try {
        values_ = kindrow::read(*db_, table_);
        failing_ = false;
    } catch (const StoreError& error) {
        // One message while the reading keeps failing, not one every half second.
        if (!failing_) {
            failing_ = true;
            Dialogs::warning(this, error.message());
        }
        return;
    }
    for (Kind kind : columnOrder()) {
        const int index = static_cast<int>(kind);
        const QString value =
            index < values_.size() ? kindrow::shown(values_.at(index)) : QString();
        labels_[static_cast<size_t>(index)]->setText(kindCaption(kind, namingMode_) +
                                                     QLatin1Char('=') + value);
    }
}

void KindValueForm::onRefreshTick() {
    // A message box of the program is open: its answer comes first.
    if (sender() == refresh_ && QApplication::activeModalWidget())
        return;
    readRow();
    refreshed();
}

bool KindValueForm::save() {
    if (chosen_ < 0) {
        Dialogs::warning(this, QStringLiteral("กรุณาเลือกข้อมูลก่อนบันทึกค่า"));
        return false;
    }
    try {
        kindrow::write(*db_, table_, chosen_, e1_->text());
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
        return false;
    }
    onRefreshTick();
    saved();
    return true;
}
