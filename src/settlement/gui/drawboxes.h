#pragma once

#include "settlement/draw.h"

#include <QWidget>
#include <array>

class Database;
class QLineEdit;

// The six boxes of the draw in one line, Edit1 to Edit6: first prize, two-digit bottom, the
// four three-digit bottoms. Clicking into one of the first four empties it.
class DrawBoxes : public QWidget {
    Q_OBJECT
public:
    explicit DrawBoxes(QWidget* parent = nullptr);

    QLineEdit* box(int index) const { return boxes_[static_cast<size_t>(index)]; }
    Draw draw() const;
    void setDraw(const Draw& draw);
    // The first prize as the check reads it ("000" before three characters, "000000" for none).
    void padFirst();
    // Before a check: a first prize of another length is said and refused; a taken one padded.
    bool takeFirst();
    // The draw of the book, and the draw kept for the next opening; a failure is said.
    void load(Database& db);
    void store(Database& db);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QLineEdit*, 6> boxes_{};
};
