#pragma once

#include "cutting/numberlists.h"

#include <QMap>
#include <QWidget>
#include <memory>

class DataGrid;
class Database;
class QBoxLayout;
class QComboBox;
class QLineEdit;
class QProgressBar;
class Desk;
class QPushButton;

// The window over one per-number list: a grid per kind with its navigator and delete button,
// the entry panel (item, number, amount), the bulk fill by digit position, the copy from the
// server and a place for the list's switches. The two list windows differ only in their
// items, their shown kinds, their texts and their switches.
class NumberListForm : public QWidget {
    Q_OBJECT
public:
    struct Texts {
        const char* objectName;
        const char* title;
        const char* amountCaption; // beside n2
        const char* amountHint;    // n2's hint
        const char* bulkCaption;   // the bulk panel's caption
    };
    ~NumberListForm() override;

    int namingMode() const { return namingMode_; }

protected:
    NumberListForm(Desk& desk, NumberList list, const Texts& texts);

    // Builds the widgets; called by the subclass's constructor, where the hooks below answer.
    void build();

    // The items of c1, one caption per item numbered from 1.
    virtual QStringList itemCaptions() const = 0;
    virtual bool item(int index, EntryItem* out) const = 0;
    // The kinds whose grids are shown; the others are built hidden.
    virtual QVector<Kind> shownKinds() const = 0;
    // Bulk fill; the limit window first asks for its take/send choice.
    virtual BulkOutcome fill(const BulkRequest& request, const std::function<void(int)>& progress);
    // After a refused bulk fill (the message already shown).
    virtual void fillRefused() {}
    // The subclass's switches, under the bulk panel, and its choices ahead of the bulk kind.
    virtual void addSwitches(QBoxLayout* column) = 0;
    virtual void addBulkChoices(QBoxLayout* row) { (void)row; }

    Database* db() const { return db_.get(); }
    Desk& desk() const { return desk_; }
    QLineEdit* bulkAmount() const { return e1_; }
    // Writes a switch; on failure the message is shown and the value before is kept.
    bool saveSwitch(const std::function<bool(Database&, bool)>& set, bool on, bool before);

protected slots:
    void itemChosen(int comboIndex);
    void enterAmount();
    void runFill();
    void copyFromServer();
    void deleteKind(Kind kind);
    void deleteAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildGrid(Kind kind);
    QWidget* buildEntry();
    QWidget* buildBulk();
    void reopen(Kind kind);
    void reopenAll();
    bool pathKey(QKeyEvent* key);
    void pathEdited(const QString& text);
    void moveToAmount();
    // Shows a result: the deletion and copy texts as information, anything else as a warning.
    void report(bool ok, const QString& message);
    // Refusal of a grid's edited rows: a number of the wrong shape, an amount that is not a
    // number, or a number already listed for the kind. Empty lets the edits go.
    QString checkEdits(Kind kind) const;
    bool listedElsewhere(Kind kind, const QString& num, const QVariant& id) const;
    int widthOf(Kind kind) const;
    QString gridTitle(Kind kind) const;

    Desk& desk_;
    NumberList list_;
    Texts texts_;
    std::unique_ptr<Database> db_;
    int namingMode_ = 0;

    QMap<Kind, DataGrid*> grids_;
    QComboBox* c1_ = nullptr;
    QLineEdit* path_ = nullptr;
    QLineEdit* n2_ = nullptr;
    QComboBox* c2_ = nullptr;
    QComboBox* c3_ = nullptr;
    QComboBox* c4_ = nullptr;
    QLineEdit* e1_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* bt2_ = nullptr;
};
