#include "ui/buddhistdateedit.h"

#include <QCalendarWidget>
#include <QRegularExpression>
#include <QToolButton>

namespace {
constexpr int kEra = 543;

// "dd/MM/yyyy" with its year moved by years; any other text (a year still being typed) as it is.
QString movedYear(const QString& text, int years) {
    static const QRegularExpression date(QStringLiteral("^(\\d{2}/\\d{2}/)(\\d{4})$"));
    const QRegularExpressionMatch m = date.match(text);
    if (!m.hasMatch())
        return text;
    return m.captured(1) + QString::number(m.captured(2).toInt() + years);
}
} // namespace

BuddhistDateEdit::BuddhistDateEdit(const QDate& date, QWidget* parent) : QDateEdit(parent) {
    // Four digits in both eras.
    setDateRange(QDate(1000, 1, 1), QDate(9000, 12, 31));
    setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    setDate(date);
    setCalendarPopup(true);
    showEraOnCalendar();
}

QString BuddhistDateEdit::textFromDateTime(const QDateTime& dateTime) const {
    return movedYear(QDateEdit::textFromDateTime(dateTime), kEra);
}

QDateTime BuddhistDateEdit::dateTimeFromText(const QString& text) const {
    return QDateEdit::dateTimeFromText(movedYear(text, -kEra));
}

QValidator::State BuddhistDateEdit::validate(QString& input, int& pos) const {
    QString common = movedYear(input, -kEra);
    const QValidator::State state = QDateEdit::validate(common, pos);
    input = movedYear(common, kEra);
    return state;
}

void BuddhistDateEdit::fixup(QString& input) const {
    QString common = movedYear(input, -kEra);
    QDateEdit::fixup(common);
    input = movedYear(common, kEra);
}

// The month page of the pop-up names its year in the same era.
void BuddhistDateEdit::showEraOnCalendar() {
    QCalendarWidget* calendar = calendarWidget();
    auto* year = calendar->findChild<QToolButton*>(QStringLiteral("qt_calendar_yearbutton"));
    if (!year)
        return;
    // Its box for typing a year would show the common one: the arrows step through the months.
    year->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto show = [year](int shown) { year->setText(QString::number(shown + kEra)); };
    connect(calendar, &QCalendarWidget::currentPageChanged, year,
            [show](int shown, int) { show(shown); });
    show(calendar->yearShown());
}
