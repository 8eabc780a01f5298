#pragma once

#include "platform/platform.h"

#include <QHash>

#include <memory>

class QSoundEffect;
class X11HotKeys;

class LinuxPlatform : public Platform {
public:
    LinuxPlatform();
    ~LinuxPlatform() override;
    QString computerName() override;
    QString address() override;
    double freeDiskKilobytes(const QString& path) override;
    bool onNetworkShare(const QString& path) override;
    int sameProgramCount(const QString& executablePath, bool* ok) override;
    void endSameProgram(const QString& executablePath) override;
    QList<int> grabHotKeys(const QList<int>& qtKeys, std::function<void(int)> pressed) override;
    void releaseHotKeys() override;
    bool openWithShell(const QString& path) override;
    bool startProgram(const QString& path, const QStringList& arguments) override;
    bool showFolderProperties(const QString& folder) override;
    bool openComputerShares(const QString& computer) override;
    bool openNetworkPanel() override;
    Change setFixedAddress(const QString& address) override;
    Change setAutomaticAddress() override;
    Change setComputerName(const QString& name) override;
    Change restartComputer() override;
    Change openShopServer(const QString& password) override;
    Change closeShopServer() override;
    bool applyThaiFontSettings() override;
    void beep() override;
    void playSound(const QString& wavFile) override;
    QString defaultPrinter() override;

private:
    QHash<QString, QSoundEffect*> sounds_;
    std::unique_ptr<X11HotKeys> hotKeys_;
};
