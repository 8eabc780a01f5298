#pragma once

#include "platform/platform.h"

// Answers from its fields and records what was asked; never touches the computer.
class FakePlatform : public Platform {
public:
    QString name = QStringLiteral("TESTPC");
    QString ip = QStringLiteral("127.0.0.1");
    double freeKb = 100e6;
    QStringList processes{QStringLiteral("tabulox")};
    bool processListOk = true;
    bool programsExist = true;
    QString printer = QStringLiteral("Printer");

    QStringList ended;      // names passed to endProcessesNamed
    QStringList opened;     // paths opened with the shell
    QStringList started;    // programs started
    QStringList properties; // folders whose properties were shown
    QStringList sounds;
    int beeps = 0;

    QString computerName() override { return name; }
    QString address() override { return ip; }
    double freeDiskKilobytes(const QString&) override { return freeKb; }
    QStringList processNames(bool* ok) override {
        *ok = processListOk;
        return processes;
    }
    void endProcessesNamed(const QString& exeName) override { ended << exeName; }
    bool openWithShell(const QString& path) override {
        opened << path;
        return programsExist;
    }
    bool startProgram(const QString& path, const QStringList&) override {
        started << path;
        return programsExist;
    }
    bool showFolderProperties(const QString& folder) override {
        properties << folder;
        return programsExist;
    }
    void beep() override { ++beeps; }
    void playSound(const QString& wavFile) override { sounds << wavFile; }
    QString defaultPrinter() override { return printer; }
};
