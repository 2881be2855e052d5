// Where the program finds what lies beside its own file, and where the user's
// settings and data go.
#pragma once

#include <QString>

struct TAppPaths {
    QString programDir; // folder of the program file, with a trailing '/'
    QString storeFolder; // the settings store
    QString userDataDir; // fallback for palettes and exports when programDir is read-only
    // Where other programs keep their palettes, offered as libraries: the
    // system's shared data (/usr/share) and the user's configuration folder
    // (~/.config). Empty: not looked at.
    QString systemShareDir;
    QString userConfigDir;

    // The running program: its own file's folder, whatever the working folder.
    static TAppPaths ForRunningProgram();
    QString libraryDir() const { return programDir + "library/"; }
    QString helpDir() const { return programDir + "Help/"; }
};

// True when files can be created in `folder` (it is made when missing).
bool FolderIsWritable(const QString& folder);
