#pragma once

#include <QStringList>
#include <QWidget>
#include <memory>

class Database;
class DataGrid;
class Desk;

// What the two customer windows share: their connection to the shared database, the grid
// over the customer list, its order, the number check of edited cells and the codes set
// from the names when the window closes.
class CustomerWindow : public QWidget {
    Q_OBJECT
public:
    ~CustomerWindow() override;

    DataGrid* grid() const { return grid_; }

protected:
    CustomerWindow(Desk& desk, const QString& objectName, const QString& title, int gridExtras);

    // Opens the grid on "ชื่อลูกค้า", the number columns (only numbers are posted into them)
    // and, when readOnlyField is set, that field shown as "ID" and not edited; false when the
    // database could not be opened (the message shown).
    bool openList(const QStringList& numberFields, const QStringList& captions,
                  const QString& readOnlyField = QString());
    void showInOrder(bool byName);
    // Writes the grid's pending edits; false when they were refused.
    bool settle();
    // Codes from names; the refusal shows message.
    void codesFromNames(const QString& refusal);
    // Shows a database failure.
    void failed(const QString& message);
    // Closing writes the pending edits (refused ones keep the window open) and sets the codes
    // from the names; closed() follows.
    void closeEvent(QCloseEvent* event) override;
    virtual void closed() {}

    Database* db() const { return db_.get(); }
    int namingMode() const { return namingMode_; }
    Desk& desk() const { return desk_; }

private:
    QString uncheckedCell() const;

    Desk& desk_;
    std::unique_ptr<Database> db_;
    DataGrid* grid_ = nullptr;
    QStringList numberFields_;
    int namingMode_ = 0;
};
