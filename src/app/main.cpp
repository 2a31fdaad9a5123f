// The program: the window, the intro, then the game; a saved game named on the command
// line (or opened from the desktop) is opened once the intro is over.
#include "ui/AppIcon.h"
#include "ui/Sdimain.h"
#include "ui/Splash.h"
#include "ui/TMonHint.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

int main(int argc, char** argv) {
    // The scene draws with the fixed-function pipeline: the format precedes the application.
    vantorel::scene::TSceneViewer::PrepareSurfaceFormat();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantorel"));
    QApplication::setOrganizationName(QStringLiteral("TEV"));
    QApplication::setWindowIcon(vantorel::VantorelIcon());

    // The program speaks French: Qt's own buttons and dialogs too.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Vantorel, le jeu du moulin"));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("partie"),
                                 QStringLiteral("Une partie enregistrée (.Vtl) à ouvrir."));
    parser.process(app);

    // The bubble replaces the system's tool tips before any window exists.
    vantorel::TMonHintInstaller hints;
    auto splash = std::make_unique<vantorel::TSplashForm>();
    splash->ShowNow();
    vantorel::TMainWindow window;
    if (!parser.positionalArguments().isEmpty())
        window.SetStartupFile(parser.positionalArguments().constFirst());
    window.show();
    splash.reset();
    return app.exec();
}
