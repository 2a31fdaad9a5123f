#include "GameTestSupport.h"

#include "engine/Random.h"

namespace vantorel::testing {

TestGame::TestGame(int kind, int first, int type, uint32_t seed) {
    game = std::make_unique<TPlateau>(
        kind, true, &owner, [this] { return now; }, [seed] { RandSeed(seed); });
    game->GameType = static_cast<int8_t>(type);
    game->NewGame();
    game->LastMover = 1 - first;
    game->SideToMove = static_cast<int8_t>(first);
    game->Engine->SideToMove = static_cast<uint8_t>(first);
    game->History[0].Side = static_cast<int8_t>(1 - first);
}

std::vector<std::string> TestGame::Play(const std::vector<int>& clicks) {
    std::vector<std::string> errors;
    for (int point : clicks) {
        now += 100;
        try {
            game->Click(point);
        } catch (const Ecoup_imposible& e) {
            errors.push_back(e.what());
        }
    }
    return errors;
}

} // namespace vantorel::testing
