#pragma once

#include "settlement/gui/customerwindow.h"

#include <QVariantList>

class QCheckBox;
class QLineEdit;

// The customer list with the ten discount percents: adding customers one by one or in
// numbered series, deleting all of them and the check of their codes.
class Tcuss : public CustomerWindow {
    Q_OBJECT
public:
    explicit Tcuss(Desk& desk);

public slots:
    void addWithPercents(); // "เพิ่มรายชื่อ%ไม่เท่ากัน"
    void addWithOnePercent(); // "เพิ่มรายชื่อ%เท่ากัน"
    void copySeries();        // "copyรายชื่อ"
    void removeAll();         // "ลบรายชื่อทั้งหมด"
    void check();             // "ตรวจสอบ"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closed() override;

private:
    void build();
    void orderToggled(bool byName);
    // Asks one value; a cancelled box gives the proposed text.
    QString ask(const QString& prompt, const QString& proposed);
    void add(bool onePercent);
    // The list in creation order with its last row chosen.
    void showAdded();

    QCheckBox* f2_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    QVariantList rates_;
};
