// The program: the window, the intro, then the game; a saved game named on the command
// line is opened once the intro is over.
#include "ui/Sdimain.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char** argv) {
    // The scene draws with the fixed-function pipeline: the format precedes the application.
    vantorel::scene::TSceneViewer::PrepareSurfaceFormat();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantorel"));
    QApplication::setOrganizationName(QStringLiteral("TEV"));

    vantorel::TMainWindow window;
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) window.SetStartupFile(arguments.at(1));
    window.show();
    return app.exec();
}
