#pragma once

#include "exchange/exports.h"

#include <QWidget>
#include <optional>

class Desk;
class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;

// A window of the menu "(4)แสดงยอดExcel": a kind chooser c1 and the button that writes the
// chosen kind's workbook.
class ExcelExport : public QWidget {
    Q_OBJECT
public:
    ExcelExport(Desk& desk, const QString& className, const QString& caption, bool summary);

    QComboBox* kindBox() const { return kinds_; }
    // The workbook last written, empty when none.
    QString written() const { return written_; }

public slots:
    // The button "ส่งออกข้อมูลExcel".
    virtual void exportChosen();

protected:
    Desk& desk() { return desk_; }
    QGridLayout* grid() const { return grid_; }
    // The kind chosen in this opening; none for the summary or nothing chosen.
    std::optional<Kind> kind() const;
    bool summaryChosen() const;
    bool chosen() const { return chosen_; }
    virtual workbook::Book kindBook(Database& db, Kind kind);
    virtual workbook::Book summaryBook(Database& db);
    virtual QString doneText() const = 0;
    // Writes and opens the workbook; says what failed. True when written.
    bool write(const std::function<workbook::Book(Database&)>& build);
    virtual void kindChosen(int index);

    QPushButton* exportButton_ = nullptr;

private:
    Desk& desk_;
    QGridLayout* grid_;
    QComboBox* kinds_;
    bool summary_;
    bool chosen_ = false;
    QString written_;
};

// Current totals of one kind, or the summary of all kinds.
class Texcelnow : public ExcelExport {
    Q_OBJECT
public:
    explicit Texcelnow(Desk& desk);

protected:
    workbook::Book kindBook(Database& db, Kind kind) override;
    workbook::Book summaryBook(Database& db) override;
    QString doneText() const override;
};

// Kept amounts of the latest cut of one kind.
class Texportcut : public ExcelExport {
    Q_OBJECT
public:
    explicit Texportcut(Desk& desk);

protected:
    workbook::Book kindBook(Database& db, Kind kind) override;
    QString doneText() const override;
};

// Sent amounts of the latest cut of one kind, or the summary of all kinds.
class Texport2 : public ExcelExport {
    Q_OBJECT
public:
    explicit Texport2(Desk& desk);

protected:
    workbook::Book kindBook(Database& db, Kind kind) override;
    workbook::Book summaryBook(Database& db) override;
    QString doneText() const override;
};

// The entered lines in entry order, of all or one customer and all or one kind.
class Tlogexcel : public ExcelExport {
    Q_OBJECT
public:
    explicit Tlogexcel(Desk& desk);

public slots:
    // "เริ่มต้นใหม่": every customer and every kind again.
    void restart();
    void exportChosen() override;

protected:
    QString doneText() const override;
    void kindChosen(int index) override;

private:
    std::optional<Kind> logKind() const;
    QComboBox* customers_;
    QLabel* title_;
    QString customer_; // empty: every customer
};
