#pragma once

#include "cutting/gui/cutwindow.h"

class QComboBox;
class QPushButton;

// The deduct-out cut: on a kind's cut page an amount or a percent kept per number (or, swapped,
// the excess kept), the lines rewritten and the rest logged; on the main page the log of a
// kind's cuts, printed or restored into the book.
class Tfmcut2 : public CutWindow {
    Q_OBJECT
public:
    // cut: the cut and result pages, the log controls hidden; log: the log alone, under its
    // own header (coloured for the restore command).
    enum class Mode { cut, log, coloredLog };
    Tfmcut2(Desk& desk, Mode mode);
    ~Tfmcut2() override;

    Mode mode() const { return mode_; }
    QComboBox* kinds() const { return kinds_; }
    QComboBox* cuts() const { return cuts_; }

public slots:
    void printChosen();
    void restoreChosen();

protected:
    void cut(Kind kind) override;
    void halve(Kind kind) override;

private:
    void fillCuts();
    // The chosen kind and cut (0 all cuts) after the checks; false once the reason is said.
    bool chosen(bool restoring, Kind* kind, int* cut);

    Mode mode_;
    bool fiftyPercent_ = false;
    QComboBox* kinds_;
    QComboBox* cuts_;
};
