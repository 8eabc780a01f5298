#pragma once

#include "cutting/analysis.h"
#include "cutting/keptsent.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

// The pages of the cut windows for one kind: the cut page, where a keep value is typed and
// cut, and the result page, which says what the cut means in money. The analysis window's
// pages have the capital box, "คำนวณสู้" and the rounding; the deduct-out window's the choice
// of amount or percent and "สลับยอด".
enum class CutVariant { trial, deductOut };

// "ตัดยอด3ตัวบน" ... and "ผล3ตัวบน" ... in the kind naming mode.
QString cutPageCaption(Kind kind, int namingMode);
QString resultPageCaption(Kind kind, int namingMode);

class CutPage : public QWidget {
    Q_OBJECT
public:
    CutPage(Kind kind, CutVariant variant, QWidget* parent = nullptr);

    Kind kind() const { return kind_; }
    void showStatistics(const analysis::Statistics& statistics);
    // The pay rate and, after "คำนวณสู้", the net takings.
    void showRate(qint64 rate);
    void showNet(qint64 net);
    void setKeep(qint64 keep);
    QString keepText() const;
    QString capitalText() const;
    // The rounding chosen, none when "ปัดเศษ" is not ticked.
    analysis::Rounding rounding() const;
    void showRoundingStatus(const QString& text);
    // The kind's sent rows in the grid beside the rounding.
    void showSent(const keptsent::Listing& sent);
    bool percent() const;
    bool swap() const;

signals:
    void cutAsked(Kind kind);
    void fightAsked(Kind kind);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void roundingToggled(bool on);

    Kind kind_;
    QLabel* lowest_;
    QLabel* highest_;
    QLabel* average_;
    QLineEdit* keep_;
    QLineEdit* capital_ = nullptr;
    QLabel* net_ = nullptr;
    QLabel* rate_ = nullptr;
    QCheckBox* rounding_ = nullptr;
    QComboBox* roundingChoice_ = nullptr;
    QLabel* roundingStatus_ = nullptr;
    QTableWidget* sentGrid_ = nullptr;
    QRadioButton* percent_ = nullptr;
    QCheckBox* swap_ = nullptr;
};

class ResultPage : public QWidget {
    Q_OBJECT
public:
    ResultPage(Kind kind, CutVariant variant, QWidget* parent = nullptr);

    Kind kind() const { return kind_; }
    void showResult(const analysis::Result& result);
    bool byAmount() const;
    // "แยกเลขอั้น": the sent report leaves out the numbers with a limit of their own.
    bool separate() const;

signals:
    void keptAsked(Kind kind);
    void sentAsked(Kind kind);
    void halveAsked(Kind kind);

private:
    Kind kind_;
    QLabel* title_;
    QLabel* largest_;
    QLabel* smallest_;
    QLabel* kept_;
    QLabel* atLargest_;
    QLabel* atSmallest_;
    QCheckBox* byAmount_;
    QCheckBox* separate_ = nullptr;
};
