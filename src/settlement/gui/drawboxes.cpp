#include "settlement/gui/drawboxes.h"

#include "store/database.h"
#include "ui/dialogs.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

DrawBoxes::DrawBoxes(QWidget* parent) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    const char* captions[6] = {"รางวัลที่1", "2ตัวล่าง", "3ตัวล่าง", "3ตัวล่าง", "3ตัวล่าง", "3ตัวล่าง"};
    const int lengths[6] = {6, 2, 3, 3, 3, 3};
    for (int i = 0; i < 6; ++i) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        edit->setMaxLength(lengths[i]);
        edit->setAlignment(Qt::AlignCenter);
        edit->setMinimumWidth(i == 0 ? 110 : 70);
        if (i < 4)
            edit->installEventFilter(this);
        boxes_[static_cast<size_t>(i)] = edit;
        grid->addWidget(new QLabel(QString::fromUtf8(captions[i]), this), 0, i);
        grid->addWidget(edit, 1, i);
    }
    grid->setColumnStretch(6, 1);
}

Draw DrawBoxes::draw() const {
    Draw d;
    d.first = boxes_[0]->text();
    d.bottom2 = boxes_[1]->text();
    for (size_t i = 0; i < 4; ++i)
        d.bottom3[i] = boxes_[2 + i]->text();
    return d;
}

void DrawBoxes::setDraw(const Draw& draw) {
    boxes_[0]->setText(draw.first);
    boxes_[1]->setText(draw.bottom2);
    for (size_t i = 0; i < 4; ++i)
        boxes_[2 + i]->setText(draw.bottom3[i]);
}

void DrawBoxes::padFirst() {
    boxes_[0]->setText(Draw::paddedFirst(boxes_[0]->text()));
}

bool DrawBoxes::takeFirst() {
    QLineEdit* first = boxes_[0];
    if (!Draw::firstTaken(first->text())) {
        Dialogs::warning(this, QStringLiteral("รางวัลที่1ต้องเป็นเลข 6 ตัว (หรือ 3 ตัวท้าย)"));
        first->setFocus();
        first->selectAll();
        return false;
    }
    padFirst();
    return true;
}

void DrawBoxes::load(Database& db) {
    try {
        setDraw(drawstore::load(db));
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
}

void DrawBoxes::store(Database& db) {
    try {
        Transaction write(db);
        drawstore::store(db, draw());
        write.commit();
    } catch (const StoreError& error) {
        Dialogs::warning(this, error.message());
    }
}

bool DrawBoxes::eventFilter(QObject* watched, QEvent* event) {
    // Clicking into a box empties it for the new number.
    if (event->type() == QEvent::MouseButtonPress)
        if (auto* edit = qobject_cast<QLineEdit*>(watched))
            edit->clear();
    return QWidget::eventFilter(watched, event);
}
