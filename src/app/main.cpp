// The program: the window, the intro, then the game; a saved game named on the command
// line (or opened from the desktop) is opened once the intro is over.
#include "i18n/Language.h"
#include "ui/AppIcon.h"
#include "ui/Sdimain.h"
#include "ui/Session.h"
#include "ui/Splash.h"
#include "ui/TMonHint.h"

#include <QApplication>
#include <QCommandLineParser>

#include <csignal>
#include <memory>

int main(int argc, char** argv) {
    // A file size limit then fails a save with an error the window reports, instead of
    // killing the program in the middle of it.
    std::signal(SIGXFSZ, SIG_IGN);
    // The scene draws with the fixed-function pipeline: the format precedes the application.
    vantorel::scene::TSceneViewer::PrepareSurfaceFormat();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantorel"));
    QApplication::setOrganizationName(QStringLiteral("TEV"));
    QApplication::setWindowIcon(vantorel::VantorelIcon());
    vantorel::scene::TSceneViewer::FitSurfaceFormatToRenderer();

    // The language of the last run, or the system's at the first: the splash and the
    // command line's help speak it already; the window takes it from the same value.
    vantorel::InstallLanguage(vantorel::ChosenLanguage(
        vantorel::TUserStore().Read(QStringLiteral("Langue"), {}), vantorel::SystemLanguage()));
    const auto text = [](const char* french) {
        return QCoreApplication::translate("main", french);
    };

    QCommandLineParser parser;
    parser.setApplicationDescription(text(QT_TRANSLATE_NOOP("main", "Vantorel, le jeu du moulin")));
    parser.addHelpOption();
    parser.addPositionalArgument(
        text(QT_TRANSLATE_NOOP("main", "partie")),
        text(QT_TRANSLATE_NOOP("main", "Une partie enregistrée (.Vtl) à ouvrir.")));
    const QCommandLineOption serve(
        QStringLiteral("serve"),
        text(QT_TRANSLATE_NOOP("main", "Attendre un adversaire sur le réseau.")));
    const QCommandLineOption call(
        QStringLiteral("call"),
        text(QT_TRANSLATE_NOOP("main", "Appeler un adversaire (HOTE ou HOTE:PORT).")),
        text(QT_TRANSLATE_NOOP("main", "hote")));
    const QCommandLineOption port(QStringLiteral("port"),
                                  text(QT_TRANSLATE_NOOP("main", "Le port TCP du jeu en réseau.")),
                                  QStringLiteral("port"));
    parser.addOptions({serve, call, port});
    parser.process(app);
    // A network game from the command line: two windows on one desktop can play.
    int networkRole = 0;
    QString networkHost;
    quint16 networkPort = 0;
    if (parser.isSet(port)) networkPort = static_cast<quint16>(parser.value(port).toUInt());
    if (parser.isSet(serve)) {
        networkRole = 2;
    } else if (parser.isSet(call)) {
        networkRole = 1;
        networkHost = parser.value(call);
        const qsizetype colon = networkHost.lastIndexOf(u':');
        if (colon > 0 && !networkHost.left(colon).contains(u':')) {
            networkPort = static_cast<quint16>(networkHost.mid(colon + 1).toUInt());
            networkHost.truncate(colon);
        }
    }

    // The bubble replaces the system's tool tips before any window exists.
    vantorel::TMonHintInstaller hints;
    auto splash = std::make_unique<vantorel::TSplashForm>();
    splash->ShowNow();
    vantorel::TMainWindow window;
    if (!parser.positionalArguments().isEmpty())
        window.SetStartupFile(parser.positionalArguments().constFirst());
    if (networkRole != 0) window.SetStartupNetwork(networkRole, networkHost, networkPort);
    window.show();
    splash.reset();
    return app.exec();
}
