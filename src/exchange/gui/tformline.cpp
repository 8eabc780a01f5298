#include "exchange/gui/tformline.h"

#include "common/desk.h"
#include "common/settings.h"
#include "exchange/gui/exchangedesk.h"
#include "exchange/linetext.h"
#include "platform/platform.h"
#include "ui/dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTextBlock>
#include <QTimer>

namespace {
QLineEdit* shownBox(QWidget* parent, const char* name, int width) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    box->setFixedWidth(width);
    return box;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}
} // namespace

Tformline::Tformline(Desk& desk) : desk_(desk) {
    setObjectName(QStringLiteral("Tformline"));
    setWindowTitle(QStringLiteral("เพิ่มข้อมูลจากโปรแกรม Line"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* grid = new QGridLayout(this);

    box_ = new QPlainTextEdit(this);
    box_->setObjectName(QStringLiteral("me1"));
    box_->setMinimumSize(260, 420);
    grid->addWidget(box_, 0, 0, 12, 1);

    auto* shown = new QGridLayout;
    lineShown_ = shownBox(this, "strtext", 300);
    shown->addWidget(lineShown_, 0, 0, 1, 4);
    const char* captions[] = {"เลข", "บน", "โต๊ด", "ล่าง"};
    for (int i = 0; i < 4; ++i)
        shown->addWidget(new QLabel(QString::fromUtf8(captions[i]), this), 1, i);
    number_ = shownBox(this, "nump", 70);
    top_ = shownBox(this, "n1", 70);
    tod_ = shownBox(this, "n2", 70);
    bottom_ = shownBox(this, "n3", 70);
    shown->addWidget(number_, 2, 0);
    shown->addWidget(top_, 2, 1);
    shown->addWidget(tod_, 2, 2);
    shown->addWidget(bottom_, 2, 3);
    grid->addLayout(shown, 0, 1, 1, 3);

    format_ = new QLabel(this);
    format_->setObjectName(QStringLiteral("format"));
    format_->setAutoFillBackground(true);
    grid->addWidget(format_, 1, 1, 1, 2);
    orderBox_ = new QCheckBox(QStringLiteral("บน/ล่าง/โต๊ด"), this);
    orderBox_->setObjectName(QStringLiteral("cbtl"));
    grid->addWidget(orderBox_, 1, 3);

    auto* pasteButton = button(this, "past", QStringLiteral("Past"));
    auto* load = button(this, "loadTxt", QStringLiteral("LoadTxt"));
    auto* save = button(this, "saveTxt", QStringLiteral("SaveTxt"));
    auto* resetButton = button(this, "reset", QStringLiteral("Reset"));
    auto* checkButton = button(this, "check", QStringLiteral("ตรวจสอบ"));
    grid->addWidget(pasteButton, 2, 1);
    grid->addWidget(load, 2, 2);
    grid->addWidget(save, 2, 3);
    grid->addWidget(resetButton, 3, 1);
    grid->addWidget(checkButton, 3, 2);
    clearBox_ = new QCheckBox(QStringLiteral("Clearข้อมูล"), this);
    clearBox_->setObjectName(QStringLiteral("f2c"));
    grid->addWidget(clearBox_, 3, 3);

    lineCount_ = new QLabel(this);
    lineCount_->setObjectName(QStringLiteral("lineCount"));
    grid->addWidget(lineCount_, 4, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Delay Time"), this), 5, 1);
    delay_ = new QSlider(Qt::Horizontal, this);
    delay_->setObjectName(QStringLiteral("TrackBar1"));
    delay_->setRange(0, 2000);
    delay_->setValue(100);
    grid->addWidget(delay_, 5, 2);
    delayShown_ = new QLabel(QStringLiteral("100"), this);
    delayShown_->setObjectName(QStringLiteral("delay"));
    grid->addWidget(delayShown_, 5, 3);

    auto* start = button(this, "start", QStringLiteral("เพิ่มข้อมูลลงตาราง"));
    start->setStyleSheet(QStringLiteral("font-weight: bold; color: blue;"));
    start->setMinimumHeight(40);
    grid->addWidget(start, 6, 1, 1, 3);
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("pg1"));
    grid->addWidget(bar_, 7, 1, 1, 3);
    grid->setRowStretch(11, 1);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(100);
    connect(timer_, &QTimer::timeout, this, &Tformline::onTimer1);

    bool clear = false;
    bool bottomBeforeTod = false;
    try {
        SettingsRecord settings(desk_.own());
        clear = settings.clearLineBox();
        bottomBeforeTod = settings.lineBottomBeforeTod();
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
    clearBox_->setChecked(clear);
    orderBox_->setChecked(bottomBeforeTod);
    setOrder(bottomBeforeTod);
    if (!clear)
        box_->setPlainText(linetext::sampleLines().join(QLatin1Char('\n')));
    lineCount_->setText(
        QStringLiteral("จำนวน %1 บรรทัด").arg(linetext::linesOf(box_->toPlainText()).size()));

    connect(pasteButton, &QPushButton::clicked, this, &Tformline::paste);
    connect(load, &QPushButton::clicked, this, &Tformline::loadText);
    connect(save, &QPushButton::clicked, this, &Tformline::saveText);
    connect(resetButton, &QPushButton::clicked, this, &Tformline::reset);
    connect(checkButton, &QPushButton::clicked, this, &Tformline::check);
    connect(start, &QPushButton::clicked, this, &Tformline::startImport);
    connect(box_, &QPlainTextEdit::cursorPositionChanged, this, &Tformline::caretMoved);
    connect(box_, &QPlainTextEdit::textChanged, this, &Tformline::edited);
    connect(delay_, &QSlider::valueChanged, this, [this](int ms) {
        timer_->setInterval(ms);
        delayShown_->setText(QString::number(ms));
    });
    connect(clearBox_, &QCheckBox::toggled, this, [this](bool on) {
        try {
            SettingsRecord(desk_.own()).setFlag(Backc::back18, on);
        } catch (const StoreError& error) {
            Dialogs::warning(this, error.message());
        }
        if (on)
            reset();
    });
    connect(orderBox_, &QCheckBox::toggled, this, [this](bool on) {
        try {
            SettingsRecord(desk_.own()).setFlag(Backc::back24, on);
        } catch (const StoreError& error) {
            Dialogs::warning(this, error.message());
        }
        setOrder(on);
    });
    desk_.lineInputSwitched(true);
}

Tformline::~Tformline() {
    desk_.lineInputSwitched(false);
}

bool Tformline::importing() const {
    return timer_->isActive();
}

void Tformline::setOrder(bool bottomBeforeTod) {
    format_->setText(bottomBeforeTod ? QStringLiteral("เลข - บน/ล่าง/โต๊ด")
                                     : QStringLiteral("เลข - บน/โต๊ด/ล่าง"));
    format_->setStyleSheet(bottomBeforeTod ? QStringLiteral("background: red; color: white;")
                                           : QStringLiteral("background: white; color: black;"));
    showParse(box_->textCursor().block().text());
}

void Tformline::showParse(const QString& line) {
    const linetext::Parse parse = linetext::parse(line, orderBox_->isChecked());
    lineShown_->setText(line);
    number_->setText(parse.number);
    top_->setText(parse.top);
    tod_->setText(parse.tod);
    bottom_->setText(parse.bottom);
}

void Tformline::caretMoved() {
    if (!feeding_)
        showParse(box_->textCursor().block().text());
}

void Tformline::edited() {
    if (feeding_)
        return;
    // An edited text starts again at its first line; an import under way stops rather than
    // give its earlier lines twice.
    timer_->stop();
    next_ = 0;
    lineCount_->setText(
        QStringLiteral("จำนวน %1 บรรทัด").arg(linetext::linesOf(box_->toPlainText()).size()));
    showParse(box_->textCursor().block().text());
}

void Tformline::paste() {
    box_->setPlainText(QApplication::clipboard()->text());
}

void Tformline::loadText() {
    const QString file = Dialogs::openFileName(this, QStringLiteral("เลือกFile Access"),
                                               QStringLiteral("Text (*.txt);;All (*)"));
    if (file.isEmpty())
        return;
    QFile text(file);
    if (!text.open(QIODevice::ReadOnly)) {
        Dialogs::warning(this, QStringLiteral("เปิดไฟล์ไม่ได้: ") + text.errorString());
        return;
    }
    box_->setPlainText(QString::fromUtf8(text.readAll()));
}

void Tformline::saveText() {
    exchangedesk::saveText(this, desk_, box_->toPlainText());
}

void Tformline::reset() {
    box_->clear();
    next_ = 0;
}

void Tformline::check() {
    box_->setPlainText(linetext::checked(box_->toPlainText()));
    Dialogs::info(this, QStringLiteral("พบข้อมูล จำนวน ") +
                            QString::number(linetext::linesOf(box_->toPlainText()).size()) +
                            QStringLiteral(" บรรทัด"));
}

void Tformline::startImport() {
    if (timer_->isActive())
        return;
    Platform::instance().playSound(desk_.run().programFolder + QStringLiteral("sound/de.wav"));
    lines_ = linetext::linesOf(box_->toPlainText());
    if (next_ == 0 || next_ >= lines_.size()) {
        next_ = 0;
        taken_ = 0;
        skipped_.clear();
    }
    timer_->start();
}

void Tformline::highlight(int line) {
    QTextCursor cursor(box_->document());
    int seen = -1;
    for (QTextBlock block = box_->document()->begin(); block.isValid(); block = block.next()) {
        if (linetext::linesOf(block.text()).isEmpty())
            continue;
        if (++seen == line) {
            cursor.setPosition(block.position());
            cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
            break;
        }
    }
    feeding_ = true;
    box_->setTextCursor(cursor);
    feeding_ = false;
}

void Tformline::onTimer1() {
    if (next_ >= lines_.size()) {
        finishImport();
        return;
    }
    const int index = next_++;
    const QString line = lines_[index];
    const linetext::Parse parse = linetext::parse(line, orderBox_->isChecked());
    QString why;
    if (!parse.hasDash) {
        why = QStringLiteral("ไม่มีเครื่องหมาย -");
    } else {
        LineOffer offer;
        offer.number = parse.number;
        offer.amounts = parse.amounts;
        offer.bottomBeforeTod = orderBox_->isChecked();
        desk_.offerLine(offer);
        if (!offer.heard) {
            timer_->stop();
            --next_;
            Dialogs::warning(this, QStringLiteral("กรุณาเปิดหน้าป้อนข้อมูลก่อนเพิ่มข้อมูลจากโปรแกรม Line"));
            return;
        }
        if (offer.taken)
            ++taken_;
        else
            why = offer.why;
    }
    if (!why.isEmpty())
        skipped_ << QStringLiteral("บรรทัดที่ %1: %2 (%3)").arg(index + 1).arg(line.trimmed(), why);
    showParse(line);
    highlight(index);
    bar_->setValue(static_cast<int>((index + 1) * 100LL / lines_.size()));
}

void Tformline::finishImport() {
    timer_->stop();
    desk_.bookWritten(BookChange::linesWritten);
    QString text = QStringLiteral("โหลดข้อมูลจำนวน ") + QString::number(lines_.size()) +
                   QStringLiteral(" บรรทัด  เรียบร้อย");
    if (!skipped_.isEmpty()) {
        text +=
            QStringLiteral("\nบันทึก %1 บรรทัด ข้ามไป %2 บรรทัด:\n").arg(taken_).arg(skipped_.size()) +
            skipped_.mid(0, 20).join(QLatin1Char('\n'));
        if (skipped_.size() > 20)
            text += QStringLiteral("\nและอีก %1 บรรทัด").arg(skipped_.size() - 20);
    }
    next_ = 0;
    Platform::instance().playSound(desk_.run().programFolder + QStringLiteral("sound/sound.wav"));
    Dialogs::info(this, text);
}
