#pragma once

#include "platform/platform.h"

#include <QHash>

class QSoundEffect;

class LinuxPlatform : public Platform {
public:
    ~LinuxPlatform() override;
    QString computerName() override;
    QString address() override;
    double freeDiskKilobytes(const QString& path) override;
    int sameProgramCount(const QString& executablePath, bool* ok) override;
    void endSameProgram(const QString& executablePath) override;
    QStringList processNames(bool* ok) override;
    void endProcessesNamed(const QString& exeName) override;
    bool openWithShell(const QString& path) override;
    bool startProgram(const QString& path, const QStringList& arguments) override;
    bool showFolderProperties(const QString& folder) override;
    bool openComputerShares(const QString& computer) override;
    bool openNetworkPanel() override;
    bool setFixedAddress(const QString& address) override;
    bool setAutomaticAddress() override;
    bool setComputerName(const QString& name) override;
    bool restartComputer() override;
    bool applyThaiFontSettings() override;
    void beep() override;
    void playSound(const QString& wavFile) override;
    QString defaultPrinter() override;

private:
    QHash<QString, QSoundEffect*> sounds_;
};
