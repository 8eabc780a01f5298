#pragma once

#include "platform/platform.h"

// Answers from its fields and records what was asked; never touches the computer.
class FakePlatform : public Platform {
public:
    QString name = QStringLiteral("TESTPC");
    QString ip = QStringLiteral("127.0.0.1");
    double freeKb = 100e6;
    int sameProgramRunning = 1; // the answer of sameProgramCount
    bool processListOk = true;
    bool programsExist = true;
    QString printer = QStringLiteral("Printer");
    bool settingsSupported = false; // adapters, computer name, restart, fonts, network panel

    QStringList counted;       // executable paths passed to sameProgramCount
    QStringList endedPrograms; // executable paths passed to endSameProgram
    QList<int> hotKeys;        // the keys asked of the last grabHotKeys, until released
    QList<int> refusedHotKeys; // keys this desktop will not give
    QStringList opened;        // paths opened with the shell
    QStringList started;       // programs started
    QStringList properties;    // folders whose properties were shown
    QStringList settings;      // computer settings asked for, with their values
    QStringList sounds;
    int beeps = 0;

    QString computerName() override { return name; }
    QString address() override { return ip; }
    double freeDiskKilobytes(const QString&) override { return freeKb; }
    QStringList networkFolders; // paths under these lie on a network share
    bool onNetworkShare(const QString& path) override {
        for (const QString& folder : networkFolders) {
            if (path.startsWith(folder))
                return true;
        }
        return false;
    }
    int sameProgramCount(const QString& executablePath, bool* ok) override {
        counted << executablePath;
        *ok = processListOk;
        return sameProgramRunning;
    }
    void endSameProgram(const QString& executablePath) override { endedPrograms << executablePath; }
    QList<int> grabHotKeys(const QList<int>& qtKeys, std::function<void(int)> pressed) override {
        hotKeys = qtKeys;
        pressed_ = std::move(pressed);
        QList<int> refused;
        for (int key : qtKeys) {
            if (refusedHotKeys.contains(key))
                refused << key;
        }
        return refused;
    }
    void releaseHotKeys() override {
        hotKeys.clear();
        pressed_ = nullptr;
    }
    // Ctrl+qtKey pressed somewhere on the desktop; false when no grab of it would see it.
    bool press(int qtKey) {
        if (!pressed_ || !hotKeys.contains(qtKey) || refusedHotKeys.contains(qtKey))
            return false;
        pressed_(qtKey);
        return true;
    }
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
    bool openComputerShares(const QString& computer) override {
        opened << QStringLiteral("\\\\") + computer;
        return programsExist;
    }
    bool openNetworkPanel() override { return asked(QStringLiteral("network panel")); }
    Change setFixedAddress(const QString& a) override {
        return change(QStringLiteral("fixed ") + a);
    }
    Change setAutomaticAddress() override { return change(QStringLiteral("automatic address")); }
    Change setComputerName(const QString& n) override { return change(QStringLiteral("name ") + n); }
    Change restartComputer() override { return change(QStringLiteral("restart")); }
    bool applyThaiFontSettings() override { return asked(QStringLiteral("thai font")); }

    // The shop's server of this computer, as the fake keeps it.
    bool shopServerRunning = false;
    int shopServerPort = 5432;
    QString shopServerPassword;
    Change openShopServer(const QString& password) override {
        Change result = change(QStringLiteral("open shop server"));
        if (result.ok() && shopServerRunning)
            result.status = Change::already;
        else if (result.ok()) {
            shopServerRunning = true;
            shopServerPassword = password;
        }
        result.port = shopServerPort;
        return result;
    }
    Change closeShopServer() override {
        Change result = change(QStringLiteral("close shop server"));
        if (result.ok())
            shopServerRunning = false;
        return result;
    }
    void beep() override { ++beeps; }
    void playSound(const QString& wavFile) override { sounds << wavFile; }
    QString defaultPrinter() override { return printer; }

private:
    std::function<void(int)> pressed_;

    bool asked(const QString& what) {
        settings << what;
        return settingsSupported;
    }
    // Unsupported settings: the desktop lacks the tool.
    Change change(const QString& what) {
        Change result;
        result.status = asked(what) ? Change::done : Change::noTool;
        result.detail = result.ok() ? QString() : QStringLiteral("nmcli");
        return result;
    }
};
