#pragma once

#include <QStringList>
#include <QWidget>
#include <memory>

class Database;
class Desk;
class QComboBox;
class QGridLayout;
class QPushButton;

// What the by-customer and entry-order windows share: the kind chooser ("รวม" for all kinds),
// the customer chooser ("เลือกชื่อ", typed or picked) and "เริ่มต้นใหม่", over the shared book.
class CustomerChoice : public QWidget {
    Q_OBJECT
public:
    ~CustomerChoice() override;

    // 0 all kinds, 1..10 the chooser's items.
    int kind() const { return kind_; }
    QComboBox* kindBox() const { return kindBox_; }
    QComboBox* nameBox() const { return nameBox_; }

    // Chooses a name as picking it or typing it and pressing Enter does.
    void chooseName(const QString& name);

protected:
    CustomerChoice(Desk& desk, const QString& objectName, const QString& title,
                   const QStringList& kinds);

    // Fills the customer chooser in the list's order, sheet customers only when asked.
    void loadNames(bool withSheets);
    void setKindText(const QString& text);
    void setNameText(const QString& text);
    virtual void kindChosen() {}
    virtual void nameChosen(const QString& name) = 0;
    virtual void restarted();
    void failed(const QString& message);

    Desk& desk() const { return desk_; }
    Database& db() const { return *db_; }
    QGridLayout* grid() const { return grid_; }

private:
    Desk& desk_;
    std::unique_ptr<Database> db_;
    QGridLayout* grid_;
    QComboBox* kindBox_;
    QComboBox* nameBox_;
    int kind_ = 0;
    bool byName_ = false;
};
