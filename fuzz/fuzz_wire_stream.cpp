// The byte stream of a network partner, cut anywhere by TCP. Whatever arrives and however
// it is cut, the reassembly gives the same messages as the stream read at once, keeps no
// more than one message's worth of bytes, and the game that receives them keeps its
// invariants. A board's text form sent as INFO is read whole or not at all.
#include "FuzzInput.h"

#include "game/ModelText.h"
#include "game/Protocol.h"
#include "game/THeadlessOwner.h"
#include "game/TPlateau.h"
#include "game/WireStream.h"

#include <string>
#include <vector>

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

std::vector<std::string> Reassemble(const std::string& bytes, size_t step, bool& overflow) {
    TWireStream stream;
    std::vector<std::string> out;
    overflow = false;
    for (size_t at = 0; at < bytes.size() && !overflow; at += step)
        for (std::string& m : stream.Feed(bytes.substr(at, step), overflow))
            out.push_back(std::move(m));
    Expect(stream.Pending() <= kMaxStateMessage + 4096, "the stream kept more than a message");
    for (std::string& m : stream.Flush())
        out.push_back(std::move(m));
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    // The first byte chooses where TCP cuts; the rest is the stream.
    const size_t step = 1 + data[0] % 64;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    bool overflowWhole = false, overflowCut = false;
    const std::vector<std::string> whole = Reassemble(bytes, bytes.size() + 1, overflowWhole);
    const std::vector<std::string> cut = Reassemble(bytes, step, overflowCut);
    if (!overflowWhole && !overflowCut) Expect(whole == cut, "the cuts changed the messages");

    // Only inputs that gave messages reach a game.
    if (!cut.empty()) {
        static THeadlessOwner owner(2);
        static uint32_t now = 0;
        SilentSink sink;
        TPlateau game(
            1, true, &owner, [] { return ++now; }, [] {}, TSearchTable::None);
        game.GameType = kNetworkCaller;
        // A fixed identity, the one of the seed states: a partner's state names the variant
        // instance it belongs to, and one drawn afresh would refuse every state.
        game.Model.Identity = 4242;
        for (const std::string& message : cut)
            ReceiveMessages(game, FromWire(message), sink);
        Expect(game.InvariantProblem().empty(), "a message broke the game's invariants");
    }

    if (const auto model = ReadModelText(FromWire(bytes))) {
        Expect(model->IsPlayable(), "an unplayable board was read");
        Expect(ReadModelText(model->ToText()).has_value(), "a board read does not read back");
    }
    return 0;
}
