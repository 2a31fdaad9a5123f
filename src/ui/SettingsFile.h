#pragma once
// Where the settings file "Vantorel.cfg" (an INI file: players, songs, servers) is kept.
#include <QString>
#include <QStringList>

#include <functional>

namespace vantorel {

inline constexpr const char* kSettingsFileName = "Vantorel.cfg";

// The folders searched after the current one: the user's configuration folder, then the
// program's folder.
QStringList SettingsFolders();

// The first "Vantorel.cfg" that exists: in the current directory, then in each folder in
// turn. None found: the name in the first folder (the current directory when there is
// none), which its first writer creates.
QString FindSettingsPath(const QStringList& folders,
                         const std::function<bool(const QString&)>& exists = {});

} // namespace vantorel
