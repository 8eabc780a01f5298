#pragma once

#include <QString>
#include <QStringList>

// Default values of a new database and the program's fixed secrets, kept in one place.
namespace defaults {

QString loginDefault();   // the four digits the login box starts with
QString fourDigitCode();  // the code that guards the role and sorting commands
QString setupPassword();  // the seven-character set-up password
QString storedPassword(); // the stored form of loginDefault()

QStringList payRates();      // change: h3 t3 l3 h2 t2 l2 h1 l1 h4 h5 hb lb
QStringList kindLimits();    // change2: h3 ... h5
QStringList discountRates(); // change3: h3 ... h5 hb lb
QString inputLimit();        // limit.l1

} // namespace defaults
