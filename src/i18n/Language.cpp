#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace vantorel {

namespace {

struct TInstalled {
    std::unique_ptr<QTranslator> Program;
    std::unique_ptr<QTranslator> Qt;
    QString Code;
};

TInstalled& Installed() {
    static TInstalled installed;
    return installed;
}

} // namespace

QString SystemLanguage(const QLocale& system) {
    return QString::fromLatin1(system.language() == QLocale::English ? kEnglish : kFrench);
}

QString ChosenLanguage(const QString& stored, const QString& system) {
    const QString code = stored.trimmed().toUpper();
    if (code == QLatin1String(kFrench) || code == QLatin1String(kEnglish)) return code;
    return system == QLatin1String(kEnglish) ? QString::fromLatin1(kEnglish)
                                             : QString::fromLatin1(kFrench);
}

bool InstallLanguage(const QString& code) {
    const bool english = code == QLatin1String(kEnglish);
    TInstalled& installed = Installed();
    const QString wanted = QString::fromLatin1(english ? kEnglish : kFrench);
    if (installed.Code == wanted) return true;
    // The old ones go first: each removal and installation tells the widgets again, and
    // what they read last must be the new language.
    for (std::unique_ptr<QTranslator>* old : {&installed.Program, &installed.Qt})
        if (*old) {
            QCoreApplication::removeTranslator(old->get());
            old->reset();
        }
    const QLocale locale = english ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                   : QLocale(QLocale::French, QLocale::France);
    QLocale::setDefault(locale);
    bool loaded = true;
    if (english) {
        auto program = std::make_unique<QTranslator>();
        loaded = program->load(QStringLiteral(":/i18n/vantorel_en.qm"));
        if (loaded) {
            QCoreApplication::installTranslator(program.get());
            installed.Program = std::move(program);
        }
    }
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        installed.Qt = std::move(qt);
    }
    installed.Code = wanted;
    return loaded;
}

QString InstalledLanguage() {
    const QString& code = Installed().Code;
    return code.isEmpty() ? QString::fromLatin1(kFrench) : code;
}

} // namespace vantorel
