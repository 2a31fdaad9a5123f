// Text from a network partner comes from anyone. Whatever arrives, the receiver must
// neither crash nor let the game break its invariants; a refused state changes nothing.
#include "FuzzInput.h"

#include "game/Protocol.h"
#include "game/THeadlessOwner.h"
#include "game/TPlateau.h"

#include <string>

using namespace vantorel;
using vantorel::fuzz::Expect;

namespace {

class SilentSink : public TNetworkSink {
public:
    void Log(const TText&) override {}
    void SetIconSmiley(int) override {}
    std::string RemoteHostName() const override { return "partenaire"; }
    void SetRole(int role) override { role_ = role; }
    int Role() const override { return role_; }
    bool HasNetworkWindow() const override { return true; }
    void OnDrawOffer() override {}
    void ShowMessage(const TText&) override {}
    void RebuildViewForNewModel() override {}
    void RefreshView() override {}

private:
    int role_ = 2;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static THeadlessOwner owner(2);
    static uint32_t now = 0;
    SilentSink sink;
    TPlateau game(
        1, true, &owner, [] { return ++now; }, [] {}, TSearchTable::None);
    game.GameType = kNetworkCaller;
    // A fixed identity, the one of the seed states: a partner's state names the variant
    // instance it belongs to, and one drawn afresh would refuse every state.
    game.Model.Identity = 4242;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // The bytes as they came, and framed as the partner's messages would be.
    ReceiveMessages(game, FromWire(bytes), sink);
    Expect(game.InvariantProblem().empty(), "a message broke the game's invariants");
    ReceiveMessages(game, FrameMessage("ETAT", bytes), sink);
    ReceiveMessages(game, FrameMessage("DICE", bytes), sink);
    Expect(game.InvariantProblem().empty(), "a state broke the game's invariants");
    // A state the game wrote itself is always taken back.
    const std::string own = EncodeState(game, -1, false);
    Expect(DecodeState(game, own, false, sink) != kStateRefused, "the game refused its own state");
    return 0;
}
