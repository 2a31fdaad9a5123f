#include "engine/Tjeu.h"
#include "engine/Tmodele.h"

#include <gtest/gtest.h>

using namespace vantorel;

TEST(Smoke, StartHas24Placements) {
    Tmodele model(1);
    Tjeu jeu(model);
    Tsuivants moves;
    jeu.LegalMoves(0, jeu.LiveBoard, moves);
    EXPECT_EQ(moves.size(), 24u);
}
