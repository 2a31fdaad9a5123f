// The stream reassembly and the reader of the variant's text form: what TCP may do to a
// message stream, and what a stranger may send as a board.
#include "GameTestSupport.h"

#include "game/ModelText.h"
#include "game/Protocol.h"
#include "game/WireStream.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace vantorel;
using vantorel::testing::TestGame;

namespace {

// A stream a serving machine sends a new caller, then a game's worth of traffic: every
// kind of message, an accented name, a chat line last (the one kind without an end).
std::vector<std::string> SampleMessages() {
    TestGame t(1);
    t.game->Players[kWhite].Name = "Anaïs";
    t.Play({0, 9, 1, 10});
    std::vector<std::string> out = {EncodeModel(t.game->Model),
                                    EncodeStateMessage(*t.game),
                                    EncodeRole(1),
                                    EncodeDice(0, 3, 5, 6),
                                    EncodeChat("bonjour §"),
                                    EncodeDrawOffer(),
                                    EncodeDrawAnswer(false),
                                    EncodeStateMessage(*t.game, 2, false),
                                    EncodeChat("à toi :-)")};
    for (std::string& m : out)
        m = ToWire(m);
    return out;
}

std::string Joined(const std::vector<std::string>& messages) {
    std::string all;
    for (const std::string& m : messages)
        all += m;
    return all;
}

// Feeds the pieces, then the quiet moment at the end.
std::vector<std::string> Reassemble(const std::vector<std::string>& pieces) {
    TWireStream stream;
    std::vector<std::string> got;
    for (const std::string& piece : pieces) {
        bool overflow = true;
        for (std::string& m : stream.Feed(piece, overflow))
            got.push_back(std::move(m));
        EXPECT_FALSE(overflow);
    }
    for (std::string& m : stream.Flush())
        got.push_back(std::move(m));
    return got;
}

// Guards against a message processed twice, dropped, or cut where TCP cut it.
TEST(WireStream, EveryCutGivesTheSameMessagesOnce) {
    const std::vector<std::string> messages = SampleMessages();
    const std::string all = Joined(messages);
    for (size_t cut = 0; cut <= all.size(); ++cut)
        ASSERT_EQ(Reassemble({all.substr(0, cut), all.substr(cut)}), messages) << cut;
    // Many small reads at random places, fixed seed.
    std::mt19937 random(7);
    for (int trial = 0; trial < 200; ++trial) {
        std::vector<std::string> pieces;
        for (size_t at = 0; at < all.size();) {
            const size_t length = 1 + random() % 40;
            pieces.push_back(all.substr(at, length));
            at += length;
        }
        ASSERT_EQ(Reassemble(pieces), messages) << trial;
    }
    // One byte at a time.
    std::vector<std::string> bytes;
    for (char c : all)
        bytes.emplace_back(1, c);
    EXPECT_EQ(Reassemble(bytes), messages);
}

// Guards the mended reassembly (found by fuzz_wire_stream): a DICE or NULR message whose
// fields ran on through the next prefix came out whole when it arrived in one read, and cut
// at the prefix when the prefix arrived first. The prefix now always ends the message.
TEST(WireStream, AFormNeverRunsThroughAPrefix) {
    const std::string prefix = kWirePrefix;
    const struct {
        std::string stream;
        std::vector<std::string> messages;
    } cases[] = {
        {prefix + "DICE x;" + prefix + "CHAT a;b;c;d;",
         {prefix + "DICE x;", prefix + "CHAT a;b;c;d;"}},
        {prefix + "NULR 12" + prefix + "NULL ;", {prefix + "NULR 12", prefix + "NULL "}},
    };
    for (const auto& c : cases)
        for (size_t cut = 0; cut <= c.stream.size(); ++cut)
            EXPECT_EQ(Reassemble({c.stream.substr(0, cut), c.stream.substr(cut)}), c.messages)
                << c.stream << " cut at " << cut;
}

// A message that is whole by its own form is handed out at once, without waiting for the
// next one: the last message of a burst must not hang until the peer speaks again.
TEST(WireStream, CompleteMessagesNeedNoSuccessor) {
    const std::vector<std::string> messages = SampleMessages();
    for (const std::string& m : messages) {
        TWireStream stream;
        bool overflow = false;
        const std::vector<std::string> got = stream.Feed(m, overflow);
        const bool chat = m.compare(kWirePrefixLength, 4, "CHAT") == 0;
        EXPECT_EQ(got.size(), chat ? 0U : 1U) << m.substr(0, 20);
        if (chat) {
            EXPECT_EQ(stream.Flush(), std::vector<std::string>{m});
        }
    }
    // A state cut before its end is not whole, even at a quiet moment.
    TWireStream stream;
    bool overflow = false;
    EXPECT_TRUE(stream.Feed(messages[1].substr(0, messages[1].size() - 5), overflow).empty());
    EXPECT_TRUE(stream.Flush().empty());
    EXPECT_EQ(stream.Feed(messages[1].substr(messages[1].size() - 5), overflow),
              std::vector<std::string>{messages[1]});
}

TEST(WireStream, GarbageAndFloodsAreBounded) {
    struct Case {
        const char* guards;
        std::string bytes;
        bool overflow;
        size_t pendingAtMost;
    };
    const std::string prefix = kWirePrefix;
    const Case cases[] = {
        {"bytes without a prefix are not kept", std::string(100000, 'x'), false, 12},
        {"a chat line past its limit drops the connection",
         prefix + "CHAT " + std::string(kMaxChatMessage, 'a'), true, 0},
        {"a state that never ends drops the connection",
         prefix + "ETAT 1;" + std::string(kMaxStateMessage, '7'), true, 0},
        {"an unknown command waits for the next prefix", prefix + "XXXX y", false, 24},
        {"a draw offer leaves the next prefix's start", prefix + "NULL TEV/VAN", false, 7},
        {"a DICE body never reaching its fields", prefix + "DICE " + std::string(300, '1'), true,
         0},
    };
    for (const Case& c : cases) {
        TWireStream stream;
        bool overflow = false;
        stream.Feed(c.bytes, overflow);
        EXPECT_EQ(overflow, c.overflow) << c.guards;
        EXPECT_LE(stream.Pending(), c.pendingAtMost) << c.guards;
    }
}

// The variant's text form read back: the board the sender plays, whatever separator.
TEST(ModelText, ReadsBackWhatToTextWrites) {
    Tmodele odd(1);
    odd.Kind = 7;
    odd.Points[3].X = 0.125;
    odd.Points[4].Y = -2.5;
    odd.DiceRule = 1;
    odd.PiecesPerSide[0] = 12;
    odd.PiecesPerSide[1] = 12;
    for (const Tmodele& model : {Tmodele(0), Tmodele(1), odd})
        for (char separator : {'.', ','}) {
            const auto read = ReadModelText(model.ToText(separator));
            ASSERT_TRUE(read) << model.Kind << separator;
            EXPECT_EQ(read->Points, model.Points);
            EXPECT_EQ(read->Links, model.Links);
            EXPECT_EQ(read->Mills, model.Mills);
            EXPECT_EQ(read->Identity, model.Identity);
            EXPECT_EQ(read->Kind, model.Kind);
            EXPECT_EQ(read->DiceRule, model.DiceRule);
            EXPECT_EQ(read->PiecesPerSide[0], model.PiecesPerSide[0]);
        }
}

// A cut or altered text is never a board: each prefix, and each digit changed.
TEST(ModelText, DamagedTextsAreRefused) {
    const std::string text = Tmodele(0).ToText();
    for (size_t cut = 0; cut + 2 < text.size(); ++cut)
        EXPECT_FALSE(ReadModelText(text.substr(0, cut))) << cut;
    for (size_t at = 0; at < text.size(); at += 3) {
        std::string bad = text;
        if (bad[at] < '0' || bad[at] > '8') continue;
        ++bad[at];
        EXPECT_FALSE(ReadModelText(bad)) << at;
    }
    // A well summed text of a board the engine cannot hold.
    Tmodele tooBig(1);
    tooBig.Points.resize(200);
    EXPECT_FALSE(ReadModelText(tooBig.ToText()));
}

} // namespace
