#pragma once

#include <QDateEdit>

// A date picker that shows and takes the year in the Buddhist era (16/03/2557 for 16 March
// 2014); its date is the common one.
class BuddhistDateEdit : public QDateEdit {
    Q_OBJECT
public:
    explicit BuddhistDateEdit(const QDate& date, QWidget* parent = nullptr);

protected:
    QString textFromDateTime(const QDateTime& dateTime) const override;
    QDateTime dateTimeFromText(const QString& text) const override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

private:
    void showEraOnCalendar();
};
