#pragma once

#include "common/settings.h"

#include <QString>

// Facts of this run, set while the main window starts and read by the other windows.
struct RunValues {
    QString programFolder;   // ends with '/'
    QString programFileName; // the executable's name without folder
    QString executablePath;  // the executable's whole path
    QString computerName;
    QString address;
    QString versionLabel;
    QString serverPath; // cstr2
    QString tran;       // connection mode: "0" server or stand-alone, "1" station
    QString sharedPath; // the database the shared windows work on
    bool serverFound = false;
    bool newsPage = false; // back15
    int instanceCount = 0;
    int stationCeiling = 50; // back22
    int kindNamingMode = 0;  // back13
    // A past draw shown as it was: every book of the desk is this archive, opened read-only,
    // and every view says so with the banner.
    QString archive;
    QString archiveBanner;
    QString archiveTitle; // the draw in a few words, for printed headings
    // A station's server book could not be reached when the entry form opened: later openings
    // do not wait for it.
    bool serverMissing = false;
    // The network warnings said (the first four are).
    int networkWarnings = 0;

    QString ownPath() const { return programFolder + QStringLiteral("db/tabulox.mde"); }
    bool isStation() const { return SettingsRecord::isStation(tran); }
};
