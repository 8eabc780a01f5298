#include "common/settings.h"

#include "store/database.h"
#include "store/dialect.h"

#include <QSqlQuery>
#include <cmath>

namespace {
template <typename Field> struct FieldTable;

template <> struct FieldTable<Backc> {
    static QString table() { return QStringLiteral("backc"); }
    static QString column(Backc f) {
        const int pos = static_cast<int>(f);
        return pos == 0 ? QStringLiteral("back") : QStringLiteral("back%1").arg(pos + 1);
    }
    static int position(Backc f) { return static_cast<int>(f); }
};

template <> struct FieldTable<Cstr> {
    static QString table() { return QStringLiteral("cstr"); }
    static QString column(Cstr f) {
        return f == Cstr::cstr2 ? QStringLiteral("cstr2") : QStringLiteral("tran");
    }
    static int position(Cstr f) { return static_cast<int>(f); }
};

const char* const kEmenuNames[] = {"f1",  "f2",  "f3",  "f4",  "f5", "f6",  "f7",  "f8",
                                   "f9",  "f10", "t2",  "t3",  "t4", "f1t", "f2t", "f3t",
                                   "f4t", "f5t", "f6t", "f7t", "t1", "f8t", "f9t", "f10t"};

template <> struct FieldTable<Emenu> {
    static QString table() { return QStringLiteral("emenu"); }
    static QString column(Emenu f) { return QString::fromLatin1(kEmenuNames[static_cast<int>(f)]); }
    static int position(Emenu f) { return SettingsRecord::emenuPosition(f); }
};

template <> struct FieldTable<Disp> {
    static QString table() { return QStringLiteral("disp"); }
    static QString column(Disp f) { return QStringLiteral("disp%1").arg(static_cast<int>(f) + 1); }
    static int position(Disp f) { return static_cast<int>(f); }
};

template <> struct FieldTable<AutoInput> {
    static QString table() { return QStringLiteral("auto"); }
    static QString column(AutoInput) { return QStringLiteral("disp1"); }
    static int position(AutoInput) { return 0; }
};

template <> struct FieldTable<InputLimit> {
    static QString table() { return QStringLiteral("limit"); }
    static QString column(InputLimit) { return QStringLiteral("l1"); }
    static int position(InputLimit) { return 0; }
};

template <> struct FieldTable<Autocut> {
    static QString table() { return QStringLiteral("autocut"); }
    static QString column(Autocut f) {
        return f == Autocut::ex ? QStringLiteral("ex") : QStringLiteral("tim");
    }
    static int position(Autocut f) { return static_cast<int>(f); }
};

template <> struct FieldTable<Pass> {
    static QString table() { return QStringLiteral("pass"); }
    static QString column(Pass) { return QStringLiteral("pass"); }
    static int position(Pass) { return 0; }
};
} // namespace

int wholeNumber(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > 2147483647.0)
        return 0;
    return static_cast<int>(std::trunc(value));
}

qint64 wholeAmount(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    // 2^63: the first double outside qint64.
    if (!ok || !std::isfinite(value) || std::fabs(value) >= 9223372036854775808.0)
        return 0;
    return static_cast<qint64>(std::trunc(value));
}

namespace {
// A switch: "1" on, "0" off, anything else as a new book holds it.
bool flagOf(const QString& text, bool empty) {
    if (text == QLatin1String("1"))
        return true;
    if (text == QLatin1String("0"))
        return false;
    return empty;
}
} // namespace

bool SettingsRecord::separateDigits() const {
    return flagOf(text(Backc::back5), false);
}
bool SettingsRecord::refreshRequested() const {
    return flagOf(text(Backc::back4), false);
}
QString SettingsRecord::sendMode() const {
    return text(Backc::back6);
}
bool SettingsRecord::lanAuto() const {
    return sendMode() == QLatin1String("2");
}
int SettingsRecord::rowsShown() const {
    return qBound(10, number(Backc::back3), 20000);
}

int SettingsRecord::defaultFunctionKey() const {
    const int key = number(Backc::back10);
    return key >= 1 && key <= 10 ? key : 0;
}

int SettingsRecord::kindNamingMode() const {
    const int mode = number(Backc::back13);
    return mode == 1 || mode == 2 ? mode : 0;
}

bool SettingsRecord::newsPage() const {
    return flagOf(text(Backc::back15), false);
}
bool SettingsRecord::fiftyPercent() const {
    return flagOf(text(Backc::back19), false);
}
bool SettingsRecord::customersByName() const {
    return flagOf(text(Backc::back21), false);
}
bool SettingsRecord::closedWarning() const {
    return flagOf(text(Backc::back23), false);
}
bool SettingsRecord::clearLineBox() const {
    return text(Backc::back18) != QLatin1String("0");
}
bool SettingsRecord::lineBottomBeforeTod() const {
    return flagOf(text(Backc::back24), false);
}
bool SettingsRecord::redWarning() const {
    return flagOf(text(Backc::back26), false);
}
bool SettingsRecord::watchNumbers() const {
    return flagOf(text(Backc::back27), false);
}
bool SettingsRecord::hundredPanel() const {
    return flagOf(text(Backc::back9), false);
}
int SettingsRecord::twoSpreadMargin() const {
    return qBound(0, number(Backc::back11), 100);
}
int SettingsRecord::todSpreadMargin() const {
    return qBound(0, number(Backc::back12), 100);
}
bool SettingsRecord::fullTodSpread() const {
    return flagOf(text(Backc::back29), false);
}
bool SettingsRecord::warnName() const {
    return flagOf(text(Disp::disp1), false);
}
bool SettingsRecord::keySound() const {
    return flagOf(text(Disp::disp2), true);
}
bool SettingsRecord::autorun() const {
    return flagOf(text(Disp::disp3), false);
}
bool SettingsRecord::autoInput() const {
    return flagOf(text(AutoInput::disp1), false);
}
qint64 SettingsRecord::inputLimit() const {
    return wholeAmount(text(InputLimit::l1));
}
bool SettingsRecord::shown(Emenu flag) const {
    return text(flag) != QLatin1String("0");
}
bool SettingsRecord::station() const {
    return isStation(text(Cstr::tran));
}
bool SettingsRecord::isStation(const QString& tran) {
    return tran == QLatin1String("1");
}

int SettingsRecord::emenuPosition(Emenu field) {
    const int index = static_cast<int>(field);
    if (index <= static_cast<int>(Emenu::f10))
        return index; // f1..f10: 0-9
    if (index <= static_cast<int>(Emenu::t1))
        return 19 + index - static_cast<int>(Emenu::t2); // t2 t3 t4 f1t..f7t t1: 19-29
    return 30 + index - static_cast<int>(Emenu::f8t);    // f8t f9t f10t: 30-32
}

template <typename Field> QString SettingsRecord::text(Field field) const {
    using T = FieldTable<Field>;
    QSqlQuery query =
        db_.exec(QStringLiteral("SELECT * FROM %1").arg(dialect::quoteIdentifier(T::table())));
    if (!query.next())
        return QString();
    return query.value(T::position(field)).toString();
}

template <typename Field> int SettingsRecord::number(Field field) const {
    return wholeNumber(text(field));
}

template <typename Field> void SettingsRecord::set(Field field, const QString& value) {
    using T = FieldTable<Field>;
    db_.exec(
        QStringLiteral("UPDATE %1 SET %2 = ?")
            .arg(dialect::quoteIdentifier(T::table()), dialect::quoteIdentifier(T::column(field))),
        {value});
}

template QString SettingsRecord::text(Backc) const;
template QString SettingsRecord::text(Cstr) const;
template QString SettingsRecord::text(Emenu) const;
template QString SettingsRecord::text(Disp) const;
template QString SettingsRecord::text(AutoInput) const;
template QString SettingsRecord::text(InputLimit) const;
template QString SettingsRecord::text(Autocut) const;
template QString SettingsRecord::text(Pass) const;
template int SettingsRecord::number(Backc) const;
template int SettingsRecord::number(Cstr) const;
template int SettingsRecord::number(Emenu) const;
template int SettingsRecord::number(Disp) const;
template int SettingsRecord::number(AutoInput) const;
template int SettingsRecord::number(InputLimit) const;
template int SettingsRecord::number(Autocut) const;
template void SettingsRecord::set(Backc, const QString&);
template void SettingsRecord::set(Cstr, const QString&);
template void SettingsRecord::set(Emenu, const QString&);
template void SettingsRecord::set(Disp, const QString&);
template void SettingsRecord::set(AutoInput, const QString&);
template void SettingsRecord::set(InputLimit, const QString&);
template void SettingsRecord::set(Autocut, const QString&);
template void SettingsRecord::set(Pass, const QString&);
