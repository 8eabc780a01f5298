#pragma once

#include <QString>
#include <QStringList>

// The sound folder beside the program: 0.wav ... 9.wav and the named effects.
namespace soundfiles {

QStringList names();
// Writes each missing file as a short tone; returns how many were written.
int writeMissing(const QString& programFolder);

} // namespace soundfiles
