#include "SettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vantorel {

QStringList SettingsFolders() {
    QStringList folders;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (!config.isEmpty()) folders << config;
    folders << QCoreApplication::applicationDirPath();
    return folders;
}

QString FindSettingsPath(const QStringList& folders,
                         const std::function<bool(const QString&)>& exists) {
    const auto isFile =
        exists ? exists : [](const QString& path) { return QFileInfo(path).isFile(); };
    const QString here = QDir::current().absoluteFilePath(kSettingsFileName);
    if (isFile(here)) return here;
    for (const QString& folder : folders) {
        const QString path = QDir(folder).absoluteFilePath(kSettingsFileName);
        if (isFile(path)) return path;
    }
    // None yet: the first writer creates it in the user's configuration folder rather
    // than in whatever folder the program was started from.
    if (!folders.isEmpty()) {
        QDir().mkpath(folders.constFirst());
        return QDir(folders.constFirst()).absoluteFilePath(kSettingsFileName);
    }
    return here;
}

} // namespace vantorel
