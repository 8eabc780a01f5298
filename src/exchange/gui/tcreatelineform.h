#pragma once

#include <QWidget>
#include <memory>

class Database;
class DataGrid;
class Desk;
class QPlainTextEdit;
class QProgressBar;

// Every bet row of the book written as a chat line, to copy into the chat program.
class Tcreatelineform : public QWidget {
    Q_OBJECT
public:
    explicit Tcreatelineform(Desk& desk);
    ~Tcreatelineform() override;

public slots:
    void build();
    void selectAll();
    void copy();
    void saveText();
    void reset();

private:
    int lineCount() const;
    Desk& desk_;
    std::unique_ptr<Database> book_;
    DataGrid* grid_ = nullptr;
    QPlainTextEdit* box_;
    QProgressBar* gauge_;
    QProgressBar* bar_;
};
