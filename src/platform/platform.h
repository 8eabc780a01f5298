#pragma once

#include <QString>
#include <QStringList>

// What the program asks of the computer it runs on. The Linux implementation does what
// Linux can; the fake records the calls for tests.
class Platform {
public:
    virtual ~Platform() = default;

    static Platform& instance();
    static void install(Platform* platform); // nullptr puts the default back

    virtual QString computerName() = 0;
    // First IPv4 address of the host, or "No. IP Address".
    virtual QString address() = 0;
    // Free space in kilobytes of the drive holding path.
    virtual double freeDiskKilobytes(const QString& path) = 0;
    // Executable names of the running processes; ok false when the list cannot be read.
    virtual QStringList processNames(bool* ok) = 0;
    // Ends every process whose executable name equals exeName, this one last.
    virtual void endProcessesNamed(const QString& exeName) = 0;

    // Shell: each returns false when the target is missing or cannot be started.
    virtual bool openWithShell(const QString& path) = 0;
    virtual bool startProgram(const QString& path, const QStringList& arguments) = 0;
    virtual bool showFolderProperties(const QString& folder) = 0;
    // The shared folders of another computer of the network, by its name.
    virtual bool openComputerShares(const QString& computer) = 0;

    // Settings of the computer; each returns false when this computer cannot do it.
    virtual bool openNetworkPanel() = 0;
    virtual bool setFixedAddress(const QString& address) = 0;
    virtual bool setAutomaticAddress() = 0;
    virtual bool setComputerName(const QString& name) = 0;
    virtual bool restartComputer() = 0;
    virtual bool applyThaiFontSettings() = 0;

    virtual void beep() = 0;
    virtual void playSound(const QString& wavFile) = 0;
    virtual QString defaultPrinter() = 0;
};
