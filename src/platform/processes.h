#pragma once

#include <QList>
#include <QString>

// The running copies of one program, read from a process table laid out as /proc is.
namespace processes {

struct Process {
    qint64 pid = 0;
    QString executable; // as programPath gives it
};

// The path a process table shows for an executable: links resolved, and the " (deleted)" mark
// of a file replaced while it ran dropped, so an older copy still running counts as the same
// program.
QString programPath(const QString& path);

// The processes under procRoot whose real user is uid and whose executable can be read. ok is
// false when procRoot lists no process at all.
QList<Process> ofUser(const QString& procRoot, uint uid, bool* ok);

// Ids of the processes of user uid whose executable is the program at executablePath.
QList<qint64> sameProgram(const QString& procRoot, const QString& executablePath, uint uid,
                          bool* ok);

} // namespace processes
