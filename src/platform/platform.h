#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

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
    // True when the file or folder at path (or the folder it would be made in) lies on a
    // network share (NFS, SMB/CIFS, a FUSE mount and the like) rather than a local disk.
    virtual bool onNetworkShare(const QString& path) = 0;
    // The running copies of the program at executablePath (the same file, links resolved) that
    // belong to the current user, this process included; ok false when the list cannot be read.
    virtual int sameProgramCount(const QString& executablePath, bool* ok) = 0;
    // Ends the current user's copies of the program at executablePath, this process last.
    virtual void endSameProgram(const QString& executablePath) = 0;

    // Ctrl with each of qtKeys (Qt::Key values) for the whole desktop session: pressed(qtKey)
    // runs on the GUI thread when one is pressed, whichever window has the focus and whatever
    // the lock keys say. Returns the keys that could not be had: held by another program, not on
    // the keyboard, or all of them where the session offers no such grabs. A new call replaces
    // the keys of the last one.
    virtual QList<int> grabHotKeys(const QList<int>& qtKeys, std::function<void(int)> pressed) = 0;
    virtual void releaseHotKeys() = 0;

    // Shell: each returns false when the target is missing or cannot be started.
    virtual bool openWithShell(const QString& path) = 0;
    virtual bool startProgram(const QString& path, const QStringList& arguments) = 0;
    virtual bool showFolderProperties(const QString& folder) = 0;
    // The shared folders of another computer of the network, by its name.
    virtual bool openComputerShares(const QString& computer) = 0;

    // What became of a change of the computer's settings; nothing changed unless done.
    struct Change {
        enum Status {
            done,
            already, // it was so before (the shop's server running)
            noTool,  // the desktop lacks the program that does it (detail names it)
            noRight, // the user may not change it
            failed   // the tool refused (detail says why)
        };
        Status status = failed;
        QString detail;
        int port = 0; // the shop's server: the port it listens on
        bool ok() const { return status == done; }
    };
    // The Thai words of a change that was not done.
    static QString refusalText(const Change& change);

    // Settings of the computer; a bool returns false when this computer cannot do it.
    virtual bool openNetworkPanel() = 0;
    // Every connected network card, by its connection: a fixed address (mask 255.255.255.0),
    // or one given by the network. A card that refuses is left as it was.
    virtual Change setFixedAddress(const QString& address) = 0;
    virtual Change setAutomaticAddress() = 0;
    virtual Change setComputerName(const QString& name) = 0;
    virtual Change restartComputer() = 0;
    virtual bool applyThaiFontSettings() = 0;

    // The shop's book server on this computer: a server of the system's database service that
    // listens on the network and starts with the computer, the user tabulox with the password
    // and the database tabulox made when missing; already when it runs. Closing stops it and
    // keeps it from starting.
    virtual Change openShopServer(const QString& password) = 0;
    virtual Change closeShopServer() = 0;

    virtual void beep() = 0;
    virtual void playSound(const QString& wavFile) = 0;
    virtual QString defaultPrinter() = 0;
};
