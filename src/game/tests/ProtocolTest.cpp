#include "GameTestSupport.h"

#include "game/Protocol.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <utility>
#include <vector>

using namespace vantorel;
using vantorel::testing::TestGame;

namespace {

class FakeSink : public TNetworkSink {
public:
    std::vector<std::string> log;
    std::vector<std::string> shown;
    int smiley = 0;
    int role = 0;
    int offers = 0;
    int rebuilds = 0;
    int refreshes = 0;
    bool window = true;

    void Log(const TText& text) override { log.push_back(text.French()); }
    void SetIconSmiley(int s) override { smiley = s; }
    std::string RemoteHostName() const override { return "hote"; }
    void SetRole(int r) override { role = r; }
    int Role() const override { return role; }
    bool HasNetworkWindow() const override { return window; }
    void OnDrawOffer() override { ++offers; }
    void ShowMessage(const TText& text) override { shown.push_back(text.French()); }
    void RebuildViewForNewModel() override { ++rebuilds; }
    void RefreshView() override { ++refreshes; }
};

// What one read brings, after the trip through the socket's 8-bit bytes.
int Receive(TestGame& t, FakeSink& sink, const std::string& messages) {
    return ReceiveMessages(*t.game, FromWire(ToWire(messages)), sink);
}

// Two machines on the same variant: the caller's copy has the server's identity, and its
// players are the remote ones until the server says who they are.
struct NetworkPair {
    TestGame server{1};
    TestGame caller{1};
    FakeSink sink;

    NetworkPair() {
        caller.game->Model.Identity = server.game->Model.Identity;
        server.game->Players[kWhite] = {"Anaïs", TPlayerRec::Server, "", 0};
        server.game->Players[kBlack] = {"Zoé", TPlayerRec::Caller, "", 0};
        caller.game->Players[kWhite].Kind = TPlayerRec::Caller;
        caller.game->Players[kBlack].Kind = TPlayerRec::Caller;
    }
};

std::vector<std::string> Fields(const std::string& payload) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t end; (end = payload.find(';', start)) != std::string::npos; start = end + 1)
        fields.push_back(payload.substr(start, end - start));
    fields.push_back(payload.substr(start)); // the "§ " after the last field
    return fields;
}

std::string Joined(const std::vector<std::string>& fields) {
    std::string text;
    for (size_t i = 0; i < fields.size(); ++i)
        text += fields[i] + (i + 1 < fields.size() ? ";" : "");
    return text;
}

std::string Payload(const std::string& checksummed) {
    return checksummed.substr(checksummed.find(';') + 1);
}

// Field positions in a full game-state payload.
constexpr size_t kCount = 13;
constexpr size_t Entry(int index, int field) {
    return 14 + static_cast<size_t>(index) * 15 + field;
}

void ExpectSameEntries(const TPlateau& a, const TPlateau& b) {
    ASSERT_EQ(a.RecordedEntries(), b.RecordedEntries());
    for (int k = 0; k < a.RecordedEntries(); ++k) {
        const auto& x = a.History[static_cast<size_t>(k)];
        const auto& y = b.History[static_cast<size_t>(k)];
        EXPECT_EQ(x.Position, y.Position) << k;
        EXPECT_EQ(x.Side, y.Side) << k;
        EXPECT_EQ(x.ReserveWhite, y.ReserveWhite) << k;
        EXPECT_EQ(x.ReserveBlack, y.ReserveBlack) << k;
        EXPECT_EQ(x.Move, y.Move) << k;
        EXPECT_EQ(x.ElapsedMs, y.ElapsedMs) << k;
        EXPECT_EQ(x.Tick, y.Tick) << k;
        EXPECT_EQ(x.DiceValues, y.DiceValues) << k;
        EXPECT_EQ(x.RemovedPoint, y.RemovedPoint) << k;
        EXPECT_EQ(x.Status, y.Status) << k;
    }
}

} // namespace

// Guards the field reader: trimming, signs, junk after digits, overflow, a missing ";".
TEST(ProtocolFields, TakeNumberCases) {
    struct Case {
        std::string text;
        int value;
        std::string rest;
    } cases[] = {
        {" 12 ;x", 12, "x"},                       // surrounding spaces ignored
        {"-7;", -7, ""},                           // a leading minus negates
        {"abc;1;", 0, "1;"},                       // no digits reads 0 and still consumes
        {"12ab;", 12, ""},                         // leading digits only
        {"--3;", 0, ""},                           // one minus only
        {"99999999999999999999;", 2147483647, ""}, // held to 32 bits, no overflow
        {"-99999999999999999999;", -2147483647 - 1, ""},
        {"7", -1, "7"}, // no ";": −1, text untouched
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(TakeNumber(text), c.value) << c.text;
        EXPECT_EQ(text, c.rest) << c.text;
    }
}

// Guards the text reader: untrimmed, and nothing taken without a ";".
TEST(ProtocolFields, TakeTextCases) {
    std::string text = " Zoé ;4;";
    EXPECT_EQ(TakeText(text), " Zoé ");
    EXPECT_EQ(text, "4;");
    std::string open = "abc";
    EXPECT_EQ(TakeText(open), "");
    EXPECT_EQ(open, "abc");
}

// Guards the bytes on the wire: framing, checksum over the 8-bit payload, "§" as 0xA7.
TEST(ProtocolFields, MessagesOnTheWire) {
    struct Case {
        std::string message;
        std::string wire;
    } cases[] = {
        {EncodeRole(1), "TEV/VANTOREL/STAT 25265;1;\xA7 "},
        {EncodeDice(1, 2, 4, 6), "TEV/VANTOREL/DICE 20690;1;2;4;6;"},
        {EncodeDrawAnswer(false), "TEV/VANTOREL/NULR 24753;0;"},
        {EncodeDrawOffer(), "TEV/VANTOREL/NULL "},
        {EncodeChat("bien joué"), "TEV/VANTOREL/CHAT bien jou\xE9"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ToWire(c.message), c.wire);
    EXPECT_EQ(FromWire("Zo\xE9 \xA7"), "Zoé §");
}

// Guards the choice of entries: count ≤ 0 all, count > 0 the last count + 1, capped.
TEST(ProtocolState, CountSelectsTheLastEntries) {
    TestGame t;
    t.Play({0, 9, 1, 10, 2, 9}); // entries 0..5
    struct Case {
        int count;
        std::string n;
        std::string firstIndex;
    } cases[] = {{-1, "6", "0"}, {0, "6", "0"}, {1, "2", "4"}, {5, "6", "0"}, {40, "6", "0"}};
    for (const Case& c : cases) {
        const auto fields = Fields(Payload(EncodeState(*t.game, c.count, false)));
        EXPECT_EQ(fields[kCount], c.n) << c.count;
        EXPECT_EQ(fields[kCount + 1], c.firstIndex) << c.count;
    }
}

// Guards the round trip through the wire: same history, header, players and dice, with
// accented names surviving the 8-bit form and its checksum.
TEST(ProtocolState, RoundTripKeepsHistoryPlayersAndDice) {
    NetworkPair p;
    p.server.Play({0, 9, 1, 10, 2, 9});
    TPlateau& source = *p.server.game;
    source.Dice[1] = {2, 1, 4321};
    source.Dice[2] = {5, 0, 4322};
    source.Dice[3] = {6, 1, -17};
    TPlateau& target = *p.caller.game;
    const std::string wire = ToWire(EncodeState(source, -1, false));
    EXPECT_EQ(DecodeState(target, FromWire(wire), false, p.sink), 5);
    EXPECT_TRUE(p.sink.shown.empty());
    ExpectSameEntries(source, target);
    for (int side = 0; side < 2; ++side) {
        EXPECT_EQ(target.Players[side].Name, source.Players[side].Name);
        EXPECT_EQ(target.Players[side].Kind, source.Players[side].Kind);
    }
    for (size_t d = 1; d <= 3; ++d) {
        EXPECT_EQ(target.Dice[d].Value, source.Dice[d].Value);
        EXPECT_EQ(target.Dice[d].Rolling, source.Dice[d].Rolling);
        EXPECT_EQ(target.Dice[d].StartTick, source.Dice[d].StartTick);
    }
    EXPECT_EQ(target.MoveCount, source.MoveCount);
    EXPECT_EQ(target.ClickState, source.ClickState);
    EXPECT_EQ(target.GameStatus, source.GameStatus);
    EXPECT_EQ(target.SideToMove, source.SideToMove);
    EXPECT_EQ(target.Engine->SideToMove, static_cast<uint8_t>(target.SideToMove));
}

// Guards the header-only form: the click state machine of the receiver is left alone.
TEST(ProtocolState, HeaderOnlyTextKeepsTheLocalClickState) {
    NetworkPair p;
    p.server.Play({0, 9, 1});
    p.caller.game->ClickState = kClickRollDice;
    EXPECT_EQ(DecodeState(*p.caller.game, EncodeState(*p.server.game, -1, true), true, p.sink), 3);
    EXPECT_EQ(p.caller.game->ClickState, kClickRollDice);
    EXPECT_EQ(p.caller.game->SideToMove, kWhite);
    ExpectSameEntries(*p.server.game, *p.caller.game);
}

// Guards the mended history: a whole game replaces the receiver's longer one, while a
// partial text keeps the entries before it.
TEST(ProtocolState, WholeGameClearsStaleEntriesPartialKeepsEarlierOnes) {
    NetworkPair p;
    p.caller.Play({3, 4, 5, 6, 7});
    EXPECT_EQ(Receive(p.caller, p.sink, EncodeStateMessage(*p.server.game)), 1);
    EXPECT_EQ(p.caller.game->RecordedEntries(), 1);
    EXPECT_EQ(p.caller.game->MoveCount, 0);
    EXPECT_EQ(p.caller.Engine().LiveBoard.find_first_not_of('L'), std::string::npos);

    p.server.Play({0, 9, 1});
    Receive(p.caller, p.sink, EncodeStateMessage(*p.server.game));
    p.server.Play({10, 2, 9});
    EXPECT_EQ(DecodeState(*p.caller.game, EncodeState(*p.server.game, 1, false), false, p.sink), 5);
    ExpectSameEntries(*p.server.game, *p.caller.game);
}

// Guards the ETAT handling: the receiver ends on the sender's last position, consistent.
TEST(ProtocolReceive, StateMessageShowsTheLastPosition) {
    NetworkPair p;
    p.server.Play({0, 9, 1, 10, 2, 9});
    EXPECT_EQ(Receive(p.caller, p.sink, EncodeStateMessage(*p.server.game)), 1);
    TPlateau& target = *p.caller.game;
    EXPECT_EQ(target.MoveCount, 5);
    EXPECT_EQ(p.caller.Engine().LiveBoard, p.server.Engine().LiveBoard);
    EXPECT_EQ(p.caller.Engine().LiveReserve[0], p.server.Engine().LiveReserve[0]);
    EXPECT_EQ(p.caller.Engine().LiveReserve[1], p.server.Engine().LiveReserve[1]);
    EXPECT_EQ(target.SideToMove, p.server.game->SideToMove);
    EXPECT_GE(p.sink.refreshes, 1);
    EXPECT_EQ(target.InvariantProblem(), "");
}

// Guards the splitting of one read into messages and the action of each command.
TEST(ProtocolReceive, MessagesAndTheirActions) {
    struct Case {
        const char* guards;
        std::string text;
        int handled;
        std::vector<std::string> log;
        int smiley, role, offers, rebuilds;
    } cases[] = {
        {"two messages in one read are both handled, the chat without the STAT text",
         EncodeChat("hello") + EncodeRole(1),
         2,
         {"hote : hello", texts::kNetPartner},
         0,
         2,
         0,
         0},
        {"the first smiley", EncodeChat(":-) salut"), 1, {"hote : :-) salut"}, 1, 0, 0, 0},
        {"the second smiley, accents through the wire",
         EncodeChat("bien joué ;-)"),
         1,
         {"hote : bien joué ;-)"},
         2,
         0,
         0,
         0},
        {"the chat line is trimmed, third smiley",
         EncodeChat("  zut :-(  \r\n"),
         1,
         {"hote : zut :-("},
         3,
         0,
         0,
         0},
        {"a draw offer at the shortest length",
         EncodeDrawOffer(),
         1,
         {texts::kNetDrawOffer},
         0,
         0,
         1,
         0},
        {"role 0 makes an observer", EncodeRole(0), 1, {texts::kNetObserver}, 0, 3, 0, 0},
        {"a STAT with a wrong checksum changes no role",
         "TEV/VANTOREL/STAT 1;1;\xC2\xA7 ",
         1,
         {texts::kNetChecksumError},
         0,
         0,
         0,
         0},
        {"INFO rebuilds the view",
         EncodeModel(Tmodele(1)),
         1,
         {texts::kNetModelReceived},
         0,
         0,
         0,
         1},
        {"an unknown command is skipped", "TEV/VANTOREL/XXXX 1;", 0, {}, 0, 0, 0, 0},
        {"a 17-character fragment is skipped", "TEV/VANTOREL/CHAT", 0, {}, 0, 0, 0, 0},
        {"text before the prefix drops the read", "bruit" + EncodeChat("x"), 0, {}, 0, 0, 0, 0},
        {"a chat quoting the prefix stays one message",
         EncodeChat("TEV/VANTOREL/STAT 1;"),
         1,
         {"hote : TEV/VANTOREL /STAT 1;"},
         0,
         0,
         0,
         0},
    };
    for (const Case& c : cases) {
        TestGame t;
        FakeSink sink;
        EXPECT_EQ(Receive(t, sink, c.text), c.handled) << c.guards;
        EXPECT_EQ(sink.log, c.log) << c.guards;
        EXPECT_EQ(sink.smiley, c.smiley) << c.guards;
        EXPECT_EQ(sink.role, c.role) << c.guards;
        EXPECT_EQ(sink.offers, c.offers) << c.guards;
        EXPECT_EQ(sink.rebuilds, c.rebuilds) << c.guards;
    }
}

// Guards DICE: a valid throw rolls with the sender's values; a bad value only sets the
// side; a side that does not exist or a wrong checksum changes nothing.
TEST(ProtocolReceive, DiceMessages) {
    struct Case {
        const char* guards;
        std::string text;
        int side;
        int clickState;
        std::array<int, 3> dice;
        bool rolled;
    } cases[] = {
        {"a valid throw rolls the peer's values",
         EncodeDice(1, 2, 4, 6),
         kBlack,
         kClickStopDice,
         {2, 4, 6},
         true},
        {"3, 3, 7 sets the side without rolling",
         EncodeDice(1, 3, 3, 7),
         kBlack,
         kClickDestination,
         {-1, -1, -1},
         false},
        {"side 5 is refused whole",
         EncodeDice(5, 2, 4, 6),
         kWhite,
         kClickDestination,
         {-1, -1, -1},
         false},
        {"a wrong checksum changes nothing",
         "TEV/VANTOREL/DICE 9;1;2;4;6;",
         kWhite,
         kClickDestination,
         {-1, -1, -1},
         false},
    };
    for (const Case& c : cases) {
        TestGame t;
        FakeSink sink;
        Receive(t, sink, c.text);
        const TPlateau& g = *t.game;
        EXPECT_EQ(g.SideToMove, c.side) << c.guards;
        EXPECT_EQ(t.Engine().SideToMove, c.side) << c.guards;
        EXPECT_EQ(g.ClickState, c.clickState) << c.guards;
        for (size_t d = 0; d < 3; ++d)
            EXPECT_EQ(g.Dice[d + 1].Value, c.dice[d]) << c.guards;
        const bool rolled =
            std::count(t.owner.calls.begin(), t.owner.calls.end(), "StartDiceRoll") == 1;
        EXPECT_EQ(rolled, c.rolled) << c.guards;
    }
}

// Guards NULR: the answer is shown and logged, and never ends the game.
TEST(ProtocolReceive, DrawAnswerIsOnlyNews) {
    for (const bool accepted : {true, false}) {
        TestGame t;
        FakeSink sink;
        t.Play({0});
        const int status = t.game->GameStatus;
        Receive(t, sink, EncodeDrawAnswer(accepted));
        const std::string text = accepted ? "Nul accepté" : "Nul refusé";
        EXPECT_EQ(sink.shown, std::vector<std::string>{text});
        EXPECT_EQ(sink.log, std::vector<std::string>{text});
        EXPECT_EQ(t.game->GameStatus, status);
    }
}

// Guards the checksum refusal: computed then received in the message, nothing adopted.
TEST(ProtocolState, ChecksumMismatchIsRefusedWithBothValues) {
    NetworkPair p;
    p.server.Play({0, 9});
    const std::string payload = Payload(EncodeState(*p.server.game, -1, false));
    const int computed = Tmodele::TextChecksum(payload);
    const int received = computed == 12345 ? 12346 : 12345;
    const std::string before = EncodeState(*p.caller.game, -1, false);
    EXPECT_EQ(DecodeState(*p.caller.game, std::to_string(received) + ";" + payload, false, p.sink),
              kStateRefused);
    EXPECT_EQ(p.sink.shown,
              std::vector<std::string>{"erreur crc plateau " + std::to_string(computed) + "<>" +
                                       std::to_string(received)});
    EXPECT_EQ(EncodeState(*p.caller.game, -1, false), before);
}

// Guards the variant check: a state of another variant is ignored without a word.
TEST(ProtocolState, OtherVariantIsIgnored) {
    NetworkPair p;
    p.server.Play({0, 9});
    TestGame otherKind(0);
    otherKind.game->Model.Identity = p.server.game->Model.Identity;
    p.caller.game->Model.Identity = p.server.game->Model.Identity + 1;
    for (TestGame* target : {&p.caller, &otherKind}) {
        const std::string before = EncodeState(*target->game, -1, false);
        EXPECT_EQ(Receive(*target, p.sink, EncodeStateMessage(*p.server.game)), 1);
        EXPECT_EQ(EncodeState(*target->game, -1, false), before);
    }
    EXPECT_TRUE(p.sink.shown.empty());
}

// Guards which received names replace the local ones (white: the serving player, Kind 4).
TEST(ProtocolState, PlayerNamesAdoptedOnlyWhereAllowed) {
    struct Case {
        const char* guards;
        std::string sent;
        int localKind;
        bool window;
        std::string expected;
        int expectedKind;
    } cases[] = {
        {"the placeholder does not replace a name", "?", TPlayerRec::Caller, true, "Olvira",
         TPlayerRec::Caller},
        {"nor does the empty name", "", TPlayerRec::Caller, true, "Olvira", TPlayerRec::Caller},
        {"a real name replaces a remote player's, with its kind", "Zoé", TPlayerRec::Caller, true,
         "Zoé", TPlayerRec::Server},
        {"this machine's human keeps the name", "Zoé", TPlayerRec::Human, true, "Olvira",
         TPlayerRec::Human},
        {"without a network window nothing is renamed", "Zoé", TPlayerRec::Caller, false, "Olvira",
         TPlayerRec::Caller},
        {"a \";\" in a name no longer shifts the fields", "Jo;Jo", TPlayerRec::Caller, true,
         "Jo,Jo", TPlayerRec::Server},
        {"the prefix in a name no longer cuts the message", "TEV/VANTOREL/x", TPlayerRec::Caller,
         true, "TEV/VANTOREL /x", TPlayerRec::Server},
    };
    for (const Case& c : cases) {
        NetworkPair p;
        p.sink.window = c.window;
        p.server.game->Players[kWhite].Name = c.sent;
        p.caller.game->Players[kWhite].Kind = static_cast<uint8_t>(c.localKind);
        EXPECT_EQ(Receive(p.caller, p.sink, EncodeStateMessage(*p.server.game)), 1) << c.guards;
        EXPECT_EQ(p.caller.game->Players[kWhite].Name, c.expected) << c.guards;
        EXPECT_EQ(p.caller.game->Players[kWhite].Kind, c.expectedKind) << c.guards;
    }
}

// Guards the receiver against a hostile peer: every value out of range, a count or an
// index past the limit, a short or foreign position refuse the whole state, correctly
// checksummed or not, and nothing of the game changes.
TEST(ProtocolState, HostileValuesRefuseTheWholeState) {
    struct Case {
        const char* guards;
        size_t field;
        std::string value;
    } cases[] = {
        {"count beyond 10 000", kCount, "10001"},
        {"count beyond 32 bits", kCount, "99999999999999999999"},
        {"history index at the limit", Entry(1, 0), "10000"},
        {"history index near 2^31", Entry(1, 0), "2147483647"},
        {"short position", Entry(1, 1), "BL"},
        {"foreign mark in the position", Entry(1, 1), "X" + std::string(23, 'L')},
        {"more pieces than a side owns", Entry(1, 3), "9"},
        {"negative reserve", Entry(1, 4), "-1"},
        {"entry side 2", Entry(1, 2), "2"},
        {"empty entry side", Entry(1, 2), "-1"},
        {"move off the board", Entry(1, 6), "24"},
        {"capture code below −2", Entry(1, 7), "-3"},
        {"history die 7", Entry(1, 10), "7"},
        {"removed point off the board", Entry(1, 13), "99"},
        {"unknown entry status", Entry(1, 14), "7"},
        {"invalid clicks negative", 2, "-1"},
        {"pending move off the board", 3, "127"},
        {"side to move 2", 6, "2"},
        {"click state 0", 7, "0"},
        {"click state 8", 7, "8"},
        {"move count at the limit", 8, "10000"},
        {"last mover −1", 9, "-1"},
        {"unknown game status", 10, "9"},
        {"keyboard cursor off the board", 12, "24"},
        // After the three entries: white's name and kind, black's, then the dice.
        {"player kind 9 for an adopted name", Entry(3, 1), "9"},
        {"die value 0", Entry(3, 4), "0"},
        {"rolling beyond a byte", Entry(3, 5), "256"},
    };
    NetworkPair p;
    p.server.Play({0, 9}); // entries 0..2
    const auto fields = Fields(Payload(EncodeState(*p.server.game, -1, false)));
    ASSERT_EQ(fields[Entry(1, 0)], "1");
    const std::string before = EncodeState(*p.caller.game, -1, false);
    for (const Case& c : cases) {
        auto changed = fields;
        changed[c.field] = c.value;
        EXPECT_EQ(DecodeState(*p.caller.game, ChecksummedBody(Joined(changed)), false, p.sink),
                  kStateRefused)
            << c.guards;
        EXPECT_EQ(EncodeState(*p.caller.game, -1, false), before) << c.guards;
    }
    EXPECT_TRUE(p.sink.shown.empty());
}

// Guards the count limit on its own: entries with a negative index read nothing, so only
// the limit stops a peer announcing billions of them.
TEST(ProtocolState, CountLimitHoldsEvenForEmptyEntries) {
    NetworkPair p;
    const auto fields = Fields(Payload(EncodeState(*p.server.game, -1, false))); // one entry
    for (const auto& [count, expected] : {std::pair{10000, -1}, std::pair{10001, kStateRefused}}) {
        std::vector<std::string> changed(fields.begin(), fields.begin() + kCount);
        changed.push_back(std::to_string(count));
        changed.insert(changed.end(), static_cast<size_t>(count), "-1");
        changed.insert(changed.end(), fields.begin() + Entry(1, 0), fields.end());
        EXPECT_EQ(DecodeState(*p.caller.game, ChecksummedBody(Joined(changed)), false, p.sink),
                  expected)
            << count;
    }
}

// Guards the index limit's other side: the last index a game may hold is taken, and the
// history grows by steps of 20 to just hold it.
TEST(ProtocolState, IndexBelowTheLimitGrowsTheHistoryInSteps) {
    NetworkPair p;
    auto fields = Fields(Payload(EncodeState(*p.server.game, -1, false)));
    fields[Entry(0, 0)] = std::to_string(kMaxHistoryEntries - 1);
    EXPECT_EQ(DecodeState(*p.caller.game, ChecksummedBody(Joined(fields)), false, p.sink),
              kMaxHistoryEntries - 1);
    EXPECT_EQ(p.caller.game->History.size(), static_cast<size_t>(kMaxHistoryEntries));
}

// Guards against reading past the text: the state cut anywhere (checksum recomputed) is
// either refused whole or, once every field is there, adopted.
TEST(ProtocolState, TruncatedStatesAreRefusedOrComplete) {
    NetworkPair p;
    p.server.Play({0, 9, 1});
    const std::string payload = Payload(EncodeState(*p.server.game, -1, false));
    const size_t lastDie = payload.rfind(';', payload.rfind(';') - 1);
    TPlateau& target = *p.caller.game;
    const std::string before = EncodeState(target, -1, false);
    for (size_t cut = 0; cut < payload.size(); ++cut) {
        const int r = DecodeState(target, ChecksummedBody(payload.substr(0, cut)), false, p.sink);
        if (cut <= lastDie) {
            EXPECT_EQ(r, kStateRefused) << cut;
            EXPECT_EQ(EncodeState(target, -1, false), before) << cut;
        } else {
            EXPECT_EQ(r, 3) << cut;
        }
    }
}

// Guards the adopted state's soundness under random damage (fixed seed): whatever is
// taken keeps the side to move in step with the engine, known codes and full positions.
TEST(ProtocolState, DamagedStatesNeverLeaveAnUnsoundGame) {
    NetworkPair p;
    p.server.Play({0, 9, 1, 10, 2, 9});
    const std::string payload = Payload(EncodeState(*p.server.game, -1, false));
    std::mt19937 random(20240611);
    const std::string alphabet = "0123456789-;LBN ?";
    TPlateau& target = *p.caller.game;
    for (int round = 0; round < 3000; ++round) {
        std::string damaged = payload;
        for (int n = 1 + static_cast<int>(random() % 3); n > 0; --n)
            damaged[random() % damaged.size()] = alphabet[random() % alphabet.size()];
        const int r = DecodeState(target, ChecksummedBody(damaged), false, p.sink);
        ASSERT_TRUE(r == kStateRefused || (r >= -1 && r < kMaxHistoryEntries)) << damaged;
        ASSERT_EQ(target.Engine->SideToMove, static_cast<uint8_t>(target.SideToMove)) << damaged;
        ASSERT_GE(target.ClickState, kClickDestination);
        ASSERT_LE(target.ClickState, kClickComputerDice);
        ASSERT_LE(target.History.size(), static_cast<size_t>(kMaxHistoryEntries + kHistoryGrowth));
        for (int k = 0; k < target.RecordedEntries(); ++k)
            ASSERT_EQ(target.History[static_cast<size_t>(k)].Position.size(), 24u) << damaged;
    }
}
