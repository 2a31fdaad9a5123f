// A ".Vtl" file comes from anyone. Opening it must either take the whole game or leave the
// current one exactly as it was, and a game it brings must be playable from where it
// stands: the history can be walked and clicks on any point are safe.
#include "FuzzInput.h"

#include "engine/TValueStream.h"
#include "game/THeadlessOwner.h"
#include "game/TPlateau.h"

#include <sstream>
#include <string>

using namespace vantorel;
using vantorel::fuzz::Expect;

namespace {

// The saved bytes without the leading tag and the date of saving, which moves with the clock.
std::string Saved(const TPlateau& game) {
    std::ostringstream out;
    game.SaveGame(out);
    return out.str().substr(19);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static THeadlessOwner owner;
    static uint32_t now = 0;
    TPlateau game(
        0, true, &owner, [] { return ++now; }, [] {}, TSearchTable::None);
    const std::string before = Saved(game);
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    try {
        game.LoadGame(in);
    } catch (const StreamError&) {
        Expect(Saved(game) == before, "a refused file changed the game");
        return 0;
    }
    Expect(game.InvariantProblem().empty(), "an opened game breaks the game's invariants");
    // Walk the history and click every point: nothing may reach outside the board.
    const int entries = game.RecordedEntries();
    for (int k = 0; k < entries && k < 64; ++k)
        game.GoToEntry(k);
    game.GoToEntry(game.MoveCount);
    for (int point = -1; point <= game.Model.PointCount() && point < 140; ++point) {
        try {
            game.Click(point);
        } catch (const Ecoup_imposible&) {
        }
    }
    (void)game.GameScript();
    return 0;
}
