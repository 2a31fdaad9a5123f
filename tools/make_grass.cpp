// Writes the grass picture of the stone circle: make_grass FILE writes it as a BMP, which the
// build puts into the program's resources as "HERBE".
#include "GrassPicture.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_grass FILE\n");
        return 2;
    }
    if (!vantorel::grass::GrassPicture().save(QString::fromLocal8Bit(argv[1]), "BMP")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
