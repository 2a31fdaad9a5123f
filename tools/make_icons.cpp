// Writes the program's icon as PNG files, one per size, for the desktop to install:
// make_icons FOLDER writes FOLDER/vantorel-16.png ... FOLDER/vantorel-256.png.
#include "ui/AppIcon.h"

#include <QDir>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString path = QDir(folder).filePath(QStringLiteral("vantorel-%1.png").arg(size));
        if (!vantorel::DrawVantorelIcon(size).save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
