#pragma once

#include <QString>

class Database;

// The single-row settings tables, field by field. Reads give the stored text; number reads
// give 0 for an empty or non-numeric field and truncate a fraction.
enum class Backc {
    back,
    back2,
    back3,
    back4,
    back5,
    back6,
    back7,
    back8,
    back9,
    back10,
    back11,
    back12,
    back13,
    back14,
    back15,
    back16,
    back17,
    back18,
    back19,
    back20,
    back21,
    back22,
    back23,
    back24,
    back25,
    back26,
    back27,
    back28,
    back29
};
enum class Cstr { cstr2, tran };
// The named fields of emenu (positions 10-18 are read by nobody).
enum class Emenu {
    f1,
    f2,
    f3,
    f4,
    f5,
    f6,
    f7,
    f8,
    f9,
    f10,
    t2,
    t3,
    t4,
    f1t,
    f2t,
    f3t,
    f4t,
    f5t,
    f6t,
    f7t,
    t1,
    f8t,
    f9t,
    f10t
};
enum class Disp { disp1, disp2, disp3 };
enum class AutoInput { disp1 };
enum class InputLimit { l1 };
enum class Autocut { ex, tim };
enum class Pass { pass };

class SettingsRecord {
public:
    explicit SettingsRecord(Database& db) : db_(db) {}

    template <typename Field> QString text(Field field) const;
    template <typename Field> int number(Field field) const;
    template <typename Field> void set(Field field, const QString& value);
    // Writes "1" or "0".
    template <typename Field> void setFlag(Field field, bool on) {
        set(field, on ? QStringLiteral("1") : QStringLiteral("0"));
    }

    // What the options mean, each in this one place. A switch stored as neither "1" nor "0"
    // (an empty field after a settings load, say) reads as a new book holds it.
    bool separateDigits() const; // back5 "1": tod and group numbers as typed; else sorted
    bool sortDigits() const { return !separateDigits(); }
    bool refreshRequested() const;  // back4 "1"
    QString sendMode() const;       // back6: "2" automatic LAN, else by hand
    bool lanAuto() const;           // back6 "2"
    int rowsShown() const;          // back3, held to 10 ... 20000
    int defaultFunctionKey() const; // back10: 1 ... 10, 0 for none
    int kindNamingMode() const;     // back13: 0, 1 or 2; anything else 0
    bool newsPage() const;          // back15 "1"
    bool fiftyPercent() const;      // back19 "1"
    bool customersByName() const;   // back21 "1": by name, else by creation
    bool closedWarning() const;     // back23 "1"
    bool clearLineBox() const;      // back18 not "0": the chat-line box opens empty
    bool lineBottomBeforeTod() const; // back24 "1": three chat amounts are top/bottom/tod
    bool redWarning() const;        // back26 "1"
    bool watchNumbers() const;      // back27 "1"
    bool hundredPanel() const;      // back9 "1": the stock page shows the hundred numbers
    int twoSpreadMargin() const;    // back11: the h2 to h3 spreading's margin, 0 ... 100
    int todSpreadMargin() const;    // back12: the t3 to h3 spreading's margin, 0 ... 100
    bool fullTodSpread() const;     // back29 "1": the h3 to t3 spreading at 6/6, else 5/6
    bool warnName() const;          // disp1 "1"
    bool keySound() const;          // disp2 "1" (a new book has it on)
    bool autorun() const;           // disp3 "1"
    bool autoInput() const;         // auto.disp1 "1"
    qint64 inputLimit() const;      // limit.l1, a whole amount
    bool shown(Emenu flag) const;   // the entry form's buttons and pages: shown unless "0"
    bool station() const;           // cstr.tran "1"
    // The connection mode as read at start: "1" is a station, anything else a server or a
    // stand-alone computer.
    static bool isStation(const QString& tran);

    // Position of an emenu field in the table's 33 columns.
    static int emenuPosition(Emenu field);

private:
    Database& db_;
};

// A field's text read as a whole number: empty or not numeric gives 0, fractions truncate.
int wholeNumber(const QString& text);
// The same for whole amounts, which may pass 32 bits; out of the 64-bit range gives 0.
qint64 wholeAmount(const QString& text);

extern template QString SettingsRecord::text(Backc) const;
extern template QString SettingsRecord::text(Cstr) const;
extern template QString SettingsRecord::text(Emenu) const;
extern template QString SettingsRecord::text(Disp) const;
extern template QString SettingsRecord::text(AutoInput) const;
extern template QString SettingsRecord::text(InputLimit) const;
extern template QString SettingsRecord::text(Autocut) const;
extern template QString SettingsRecord::text(Pass) const;
extern template int SettingsRecord::number(Backc) const;
extern template int SettingsRecord::number(Cstr) const;
extern template int SettingsRecord::number(Emenu) const;
extern template int SettingsRecord::number(Disp) const;
extern template int SettingsRecord::number(AutoInput) const;
extern template int SettingsRecord::number(InputLimit) const;
extern template int SettingsRecord::number(Autocut) const;
extern template void SettingsRecord::set(Backc, const QString&);
extern template void SettingsRecord::set(Cstr, const QString&);
extern template void SettingsRecord::set(Emenu, const QString&);
extern template void SettingsRecord::set(Disp, const QString&);
extern template void SettingsRecord::set(AutoInput, const QString&);
extern template void SettingsRecord::set(InputLimit, const QString&);
extern template void SettingsRecord::set(Autocut, const QString&);
extern template void SettingsRecord::set(Pass, const QString&);
