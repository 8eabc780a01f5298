#pragma once

#include "cutting/cutbylimit.h"

#include <QWidget>

class Desk;
class QLabel;
class QProgressBar;
class QTimer;

// The menu cut's progress window. After a pause it makes the copy before the cut, cuts all
// ten kinds at once in one transaction of the book, then shows kind by kind what was cut with
// the beeps and pauses of the cut (the book is free again meanwhile), and ends with the
// latest sent list; the window closes with its preview.
class Tcutend : public QWidget {
    Q_OBJECT
public:
    explicit Tcutend(Desk& desk);
    ~Tcutend() override;

    enum class Stage { opening, waiting, cutting, showing, done, counting, finished };
    Stage stage() const { return stage_; }
    QString status() const;
    int progress() const;
    const cut::MenuCutResult& result() const { return result_; }

public slots:
    // The next stage now; the window's timer calls it after each pause.
    void advance();

private:
    void after(int ms);
    void cutAll();
    void showStep();
    void showSent();

    Desk& desk_;
    QLabel* status_;
    QProgressBar* bar_;
    QTimer* timer_;
    Stage stage_ = Stage::opening;
    cut::MenuCutResult result_;
    int step_ = 0;
    int countdown_ = 5;
};
