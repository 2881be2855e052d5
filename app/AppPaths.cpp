#include "app/AppPaths.h"

#include "app/TmRegistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

TAppPaths TAppPaths::ForRunningProgram()
{
    TAppPaths p;
    p.programDir = QCoreApplication::applicationDirPath() + '/';
    p.storeFolder = TmRegistry::DefaultStoreFolder();
    p.userDataDir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/tintwell/";
    p.systemShareDir = QStringLiteral("/usr/share");
    p.userConfigDir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return p;
}

bool FolderIsWritable(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return false;
    QTemporaryFile probe(folder + "/.write-test-XXXXXX");
    return probe.open();
}
