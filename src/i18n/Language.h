#pragma once
// The languages the program speaks: French, the language its texts are written in, and
// English from the translations built with it. Qt's own buttons and dialogs follow.
#include <QLocale>
#include <QString>

namespace vantorel {

inline constexpr const char* kFrench = "FR";
inline constexpr const char* kEnglish = "EN";

// English on a system that speaks English, French on any other.
QString SystemLanguage(const QLocale& system = QLocale::system());
// A stored choice when it is one of ours, else the system's.
QString ChosenLanguage(const QString& stored, const QString& system);
// Replaces the translations of the application by those of `code` ("FR" or "EN"; anything
// else is French); every widget is told with a language-change event. False when the
// program's English translation could not be loaded (the texts then stay French).
bool InstallLanguage(const QString& code);
QString InstalledLanguage();

} // namespace vantorel
