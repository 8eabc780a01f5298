#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "store/kinds.h"

class Database;
class QComboBox;
class QLabel;
class QLineEdit;
class QTimer;
class QVBoxLayout;

// A small window over a one-row table of per-kind values: ten labels "caption=value", a
// chooser of the column to change, a value box and a save button. The row is read again
// every half second, so a value saved on another computer shows at once.
class KindValueForm : public QWidget {
    Q_OBJECT
public:
    // items: the chooser's captions; item n changes column n of the row of db.
    KindValueForm(const QString& table, std::unique_ptr<Database> db, int namingMode,
                  const QStringList& items, QWidget* parent = nullptr);
    ~KindValueForm() override;

    Database& db() { return *db_; }
    // The chosen item (0 for the first column), -1 before one is chosen in this opening.
    int chosen() const { return chosen_; }
    // The values as read last, in column order.
    const QStringList& values() const { return values_; }
    // The value box's text, as it opens.
    void setValueText(const QString& text);

public slots:
    // Reads the row again and refreshes the labels.
    void onRefreshTick();
    // Writes the value box into the chosen column; false when nothing was written.
    bool save();

protected:
    QVBoxLayout* body() const { return body_; }
    QTimer* refreshTimer() const { return refresh_; }
    // Called after each reading of the row, and after a value was written.
    virtual void refreshed() {}
    virtual void saved() {}

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void readRow();

    QString table_;
    int namingMode_;
    std::unique_ptr<Database> db_;
    QStringList values_;
    int chosen_ = -1;
    bool failing_ = false;
    std::array<QLabel*, kKindCount> labels_{};
    QComboBox* c1_ = nullptr;
    QLineEdit* e1_ = nullptr;
    QVBoxLayout* body_ = nullptr;
    QTimer* refresh_ = nullptr;
};
