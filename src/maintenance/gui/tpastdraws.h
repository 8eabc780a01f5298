#pragma once

#include "maintenance/archive.h"

#include <QVector>
#include <QWidget>
#include <functional>
#include <memory>

class Desk;
class QGridLayout;
class QLabel;
class QPushButton;
class QTableWidget;

// One view of a past draw: its caption, and how the frame shows it over the draw's desk.
struct PastDrawView {
    QString caption;
    std::function<void(const std::shared_ptr<Desk>& draw)> open;
    bool needsCheck = false; // only for a draw whose prize check was made
};

// "งวดที่ผ่านมา": the archived draws, the latest first, with what each held; a draw opened
// shows its views, read-only, under a banner that names it.
class Tpastdraws : public QWidget {
    Q_OBJECT
public:
    Tpastdraws(Desk& desk, QVector<PastDrawView> views);
    ~Tpastdraws() override;

    QTableWidget* list() const { return list_; }
    // The draw opened, or none.
    const std::shared_ptr<Desk>& draw() const { return draw_; }
    QPushButton* viewButton(int index) const { return buttons_.value(index); }

public slots:
    void reload();
    // "เปิดดูงวดนี้": the chosen draw becomes the one shown.
    void openChosen();
    void openView(int index);

private:
    Desk& desk_;
    QVector<PastDrawView> views_;
    QVector<archive::Entry> entries_;
    std::shared_ptr<Desk> draw_;
    archive::Summary shown_;
    QTableWidget* list_;
    QPushButton* open_;
    QLabel* banner_;
    QVector<QPushButton*> buttons_;
};
