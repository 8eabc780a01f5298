#pragma once

#include <QString>
#include <stdexcept>

// A row the book cannot take (an amount that is no number): the whole batch it belongs to is
// refused and the book stays as it was.
class RowRefused : public std::runtime_error {
public:
    RowRefused(qint64 line, const QString& message)
        : std::runtime_error(message.toStdString()), line_(line), message_(message) {}
    qint64 line() const { return line_; }
    QString message() const { return message_; }

private:
    qint64 line_;
    QString message_;
};
