// The network protocol: framing, fields, the game-state text and the receiver.
#include "Protocol.h"

#include "GameChecks.h"
#include "ModelText.h"
#include "TPlateau.h"

#include "engine/TextCodec.h"
#include "engine/Tmodele.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace vantorel {
namespace {

using checks::InRange;
using checks::KnownStatus;
using checks::ValidDie;
using checks::ValidMovePart;
using checks::ValidPosition;

constexpr std::string_view kPrefix = kWirePrefix;
constexpr const char* kSectionEnd = "\xC2\xA7 "; // "§ ", one byte 0xA7 on the wire
// TextChecksum multiplies by the byte position in 32-bit arithmetic: far below where that
// would overflow, and far above any honest message (a full history is about 2 MB).
constexpr size_t kMaxChecksummedLength = size_t{16} << 20;

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return text;
}

// The reading cursor: taking a field only moves the view, so a long text is read in
// linear time.
int TakeNumberFrom(std::string_view& text) {
    const size_t end = text.find(';');
    if (end == std::string_view::npos) return -1;
    std::string_view field = Trimmed(text.substr(0, end));
    text.remove_prefix(end + 1);
    const bool negative = !field.empty() && field.front() == '-';
    if (negative) field.remove_prefix(1);
    constexpr int64_t kCeiling = int64_t{1} << 31;
    int64_t value = 0;
    for (char c : field) {
        if (c < '0' || c > '9') break;
        value = std::min(kCeiling, value * 10 + (c - '0'));
    }
    if (negative) value = -value;
    return static_cast<int>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                std::numeric_limits<int32_t>::max()));
}

std::string TakeTextFrom(std::string_view& text) {
    const size_t end = text.find(';');
    if (end == std::string_view::npos) return {};
    std::string field(text.substr(0, end));
    text.remove_prefix(end + 1);
    return field;
}

// A body must never hold the prefix, or the receiver would cut the message there.
std::string WithoutPrefix(std::string text) {
    for (size_t at = text.find(kPrefix); at != std::string::npos; at = text.find(kPrefix, at))
        text.insert(at + kPrefix.size() - 1, " ");
    return text;
}

// A text field ends at the first ";": a name holding one would shift every later field.
std::string TextField(std::string text) {
    std::replace(text.begin(), text.end(), ';', ',');
    return WithoutPrefix(std::move(text));
}

void AddNumber(std::string& out, long long value) {
    out += std::to_string(value);
    out += ';';
}

void AddText(std::string& out, const std::string& text) {
    out += TextField(text);
    out += ';';
}

// Everything the game-state text may change, read and checked before the game is touched.
struct TDecodedState {
    int InvalidClicks = 0;
    TMove PendingMove = NoMove;
    int SideToMove = 0;
    int ClickState = 1;
    int MoveCount = 0;
    int LastMover = 1;
    int GameStatus = 0;
    int KeyboardCursor = -1;
    std::vector<std::pair<int, THistoryEntry>> Entries;
    bool HoldsStart = false;
    int Highest = -1;
    bool AdoptPlayer[2] = {false, false};
    TPlayerRec Players[2];
    TDieRec Dice[3];
};

// Reads the header of the click state machine; false when a value is out of its range.
bool ReadHeader(std::string_view& in, int points, TDecodedState& s) {
    s.InvalidClicks = TakeNumberFrom(in);
    const int from = TakeNumberFrom(in);
    const int to = TakeNumberFrom(in);
    const int capture = TakeNumberFrom(in);
    s.SideToMove = TakeNumberFrom(in);
    s.ClickState = TakeNumberFrom(in);
    s.MoveCount = TakeNumberFrom(in);
    s.LastMover = TakeNumberFrom(in);
    s.GameStatus = TakeNumberFrom(in);
    TakeTextFrom(in); // the sender's highlight marks: this machine draws its own
    s.KeyboardCursor = TakeNumberFrom(in);
    if (!InRange(s.InvalidClicks, 0, 127) || !ValidMovePart(from, points) ||
        !ValidMovePart(to, points) || !ValidMovePart(capture, points) ||
        !InRange(s.SideToMove, kWhite, kBlack) ||
        !InRange(s.ClickState, kClickDestination, kClickComputerDice) ||
        !InRange(s.MoveCount, 0, kMaxHistoryEntries - 1) || !InRange(s.LastMover, kWhite, kBlack) ||
        !KnownStatus(s.GameStatus) || !InRange(s.KeyboardCursor, -1, points - 1))
        return false;
    s.PendingMove = {static_cast<int8_t>(from), static_cast<int8_t>(to),
                     static_cast<int8_t>(capture)};
    return true;
}

// Reads the 14 fields after an entry's index; false when the entry is not one this game
// could have recorded.
bool ReadEntry(std::string_view& in, const Tmodele& model, THistoryEntry& e) {
    const int points = model.PointCount();
    std::string position = TakeTextFrom(in);
    if (position.size() > static_cast<size_t>(points)) position.resize(static_cast<size_t>(points));
    const int side = TakeNumberFrom(in);
    const int reserveWhite = TakeNumberFrom(in);
    const int reserveBlack = TakeNumberFrom(in);
    const int from = TakeNumberFrom(in);
    const int to = TakeNumberFrom(in);
    const int capture = TakeNumberFrom(in);
    e.ElapsedMs = TakeNumberFrom(in);
    e.Tick = TakeNumberFrom(in);
    int dice[3];
    for (int& value : dice)
        value = TakeNumberFrom(in);
    const int removed = TakeNumberFrom(in);
    const int status = TakeNumberFrom(in);
    if (!InRange(side, kWhite, kBlack) ||
        !ValidPosition(position, reserveWhite, reserveBlack, model))
        return false;
    if (!ValidMovePart(from, points) || !ValidMovePart(to, points) ||
        !ValidMovePart(capture, points) || !ValidDie(dice[0]) || !ValidDie(dice[1]) ||
        !ValidDie(dice[2]) || !InRange(removed, -1, points - 1) || !KnownStatus(status))
        return false;
    e.Position = std::move(position);
    e.Side = static_cast<int8_t>(side);
    e.ReserveWhite = static_cast<int8_t>(reserveWhite);
    e.ReserveBlack = static_cast<int8_t>(reserveBlack);
    e.Move = {static_cast<int8_t>(from), static_cast<int8_t>(to), static_cast<int8_t>(capture)};
    for (size_t d = 0; d < 3; ++d)
        e.DiceValues[d] = static_cast<int8_t>(dice[d]);
    e.RemovedPoint = static_cast<int8_t>(removed);
    e.Status = static_cast<int8_t>(status);
    return true;
}

void Adopt(TPlateau& game, TDecodedState& s, bool headerOnly) {
    if (!headerOnly) {
        game.InvalidClicks = static_cast<int8_t>(s.InvalidClicks);
        game.PendingMove = s.PendingMove;
        game.SideToMove = static_cast<int8_t>(s.SideToMove);
        game.Engine->SideToMove = static_cast<uint8_t>(s.SideToMove);
        game.ClickState = static_cast<int8_t>(s.ClickState);
        game.MoveCount = s.MoveCount;
        game.LastMover = s.LastMover;
        game.GameStatus = static_cast<int8_t>(s.GameStatus);
        game.KeyboardCursor = s.KeyboardCursor;
    }
    if (!s.Entries.empty()) {
        auto& history = game.History;
        size_t size = history.size();
        while (size <= static_cast<size_t>(s.Highest))
            size += kHistoryGrowth;
        history.resize(size);
        for (auto& [k, entry] : s.Entries)
            history[static_cast<size_t>(k)] = std::move(entry);
        // A text from the starting position is the whole game: moves of an earlier game
        // left after it would come back with Redo and in the game script.
        if (s.HoldsStart)
            for (size_t k = static_cast<size_t>(s.Highest) + 1; k < history.size(); ++k)
                history[k] = THistoryEntry{};
    }
    for (int side = 0; side < 2; ++side)
        if (s.AdoptPlayer[side]) {
            game.Players[side].Name = s.Players[side].Name;
            game.Players[side].Kind = s.Players[side].Kind;
        }
    for (size_t d = 0; d < 3; ++d)
        game.Dice[d + 1] = s.Dice[d];
}

// The checksum of a DICE, NULR or STAT body; a mismatch is only logged.
bool ChecksumHolds(std::string_view& body, TNetworkSink& sink) {
    const int received = TakeNumberFrom(body);
    if (body.size() > kMaxChecksummedLength ||
        received != Tmodele::TextChecksum(std::string(body))) {
        sink.Log(texts::kNetChecksumError);
        return false;
    }
    return true;
}

void ReceiveChat(std::string_view body, TNetworkSink& sink) {
    const std::string line(Trimmed(body));
    sink.Log(TText::Data(sink.RemoteHostName() + texts::kNetChatSeparator + line));
    if (line.find(":-)") != std::string::npos)
        sink.SetIconSmiley(1);
    else if (line.find(";-)") != std::string::npos)
        sink.SetIconSmiley(2);
    else if (line.find(":-(") != std::string::npos)
        sink.SetIconSmiley(3);
}

void ReceiveDrawAnswer(std::string_view body, TNetworkSink& sink) {
    if (!ChecksumHolds(body, sink)) return;
    // The answer is shown, not acted on: the game status stays as it was.
    const char* text = TakeNumberFrom(body) == 1 ? texts::kDrawAccepted : texts::kDrawRefused;
    sink.ShowMessage(text);
    sink.Log(text);
}

void ReceiveDice(TPlateau& game, std::string_view body, TNetworkSink& sink) {
    if (!ChecksumHolds(body, sink)) return;
    const int side = TakeNumberFrom(body);
    if (side != kWhite && side != kBlack) return;
    game.SideToMove = static_cast<int8_t>(side);
    game.Engine->SideToMove = static_cast<uint8_t>(side);
    int values[3];
    for (int& value : values) {
        value = TakeNumberFrom(body);
        if (!InRange(value, 1, 6)) return;
    }
    const auto setDice = [&] {
        for (size_t d = 0; d < 3; ++d)
            game.Dice[d + 1].Value = static_cast<int8_t>(values[d]);
    };
    setDice();
    game.ClickState = kClickRollDice;
    game.Click(-1, kNoColour, -1);
    // Both boards must show the roller's throw, whatever the roll click draws itself.
    setDice();
}

void ReceiveRole(std::string_view body, TNetworkSink& sink) {
    if (!ChecksumHolds(body, sink)) return;
    if (TakeNumberFrom(body) == 1) {
        sink.SetRole(2);
        sink.Log(texts::kNetPartner);
    } else {
        sink.SetRole(3);
        sink.Log(texts::kNetObserver);
    }
}

void ReceiveState(TPlateau& game, std::string_view body, TNetworkSink& sink) {
    const int r = DecodeState(game, std::string(body), false, sink);
    if (r == kStateRefused) return;
    if (r >= 1) {
        // The position before the last move at once, then the last move animated.
        if (r > 2) {
            game.GoToEntry(r - 1);
            sink.RefreshView();
        }
        if (game.GoToEntry(r) > 4) sink.RefreshView();
    } else {
        game.GoToEntry(0);
        game.SyncPieces();
        sink.RefreshView();
    }
}

// Both machines must play the same board, or every state would be refused as another
// variant's: the receiver adopts the sender's, read whole and checked first.
void ReceiveModel(TPlateau& game, std::string_view body, TNetworkSink& sink) {
    std::optional<Tmodele> model = ReadModelText(std::string(body));
    if (!model) {
        sink.Log(texts::kNetModelRefused);
        return;
    }
    sink.Log(texts::kNetModelReceived);
    // The text form carries no name: the board alone decides whether anything changes.
    Tmodele probe = *model;
    probe.Name = game.Model.Name;
    probe.Description = game.Model.Description;
    if (probe.Identity != game.Model.Identity || !probe.SameAs(game.Model)) {
        game.Model = std::move(*model);
        // A fresh game on the new board; the sender's state follows and replaces it.
        game.NewGame();
        // Only a new board costs a new view: a peer repeating its board costs nothing.
        sink.RebuildViewForNewModel();
    }
}

bool Dispatch(TPlateau& game, std::string_view command, std::string_view body, TNetworkSink& sink) {
    if (command == "CHAT") {
        ReceiveChat(body, sink);
    } else if (command == "NULL") {
        sink.Log(texts::kNetDrawOffer);
        sink.OnDrawOffer();
    } else if (command == "NULR") {
        ReceiveDrawAnswer(body, sink);
    } else if (command == "DICE") {
        ReceiveDice(game, body, sink);
    } else if (command == "STAT") {
        ReceiveRole(body, sink);
    } else if (command == "INFO") {
        ReceiveModel(game, body, sink);
    } else if (command == "ETAT") {
        ReceiveState(game, body, sink);
    } else {
        return false;
    }
    return true;
}

} // namespace

std::string FrameMessage(const std::string& command, const std::string& body) {
    return std::string(kPrefix) + command + " " + body;
}

std::string ToWire(const std::string& utf8Message) {
    return Utf8ToCp1252(utf8Message);
}

std::string FromWire(const std::string& wireBytes) {
    return Cp1252ToUtf8(wireBytes);
}

int TakeNumber(std::string& text) {
    std::string_view view = text;
    const size_t before = view.size();
    const int value = TakeNumberFrom(view);
    text.erase(0, before - view.size());
    return value;
}

std::string TakeText(std::string& text) {
    std::string_view view = text;
    const size_t before = view.size();
    std::string field = TakeTextFrom(view);
    text.erase(0, before - view.size());
    return field;
}

std::string ChecksummedBody(const std::string& payload) {
    return std::to_string(Tmodele::TextChecksum(payload)) + ";" + payload;
}

std::string EncodeState(const TPlateau& game, int count, bool headerOnly) {
    std::string p;
    AddNumber(p, game.Model.Kind);
    AddNumber(p, game.Model.Identity);
    if (!headerOnly) {
        for (long long v :
             {(long long)game.InvalidClicks, (long long)game.PendingMove.From,
              (long long)game.PendingMove.To, (long long)game.PendingMove.Capture,
              (long long)game.SideToMove, (long long)game.ClickState, (long long)game.MoveCount,
              (long long)game.LastMover, (long long)game.GameStatus})
            AddNumber(p, v);
        AddText(p, game.Highlight);
        AddNumber(p, game.KeyboardCursor);
    }
    const int last = game.RecordedEntries() - 1;
    const int first = count <= 0 ? 0 : std::max(0, last - count);
    AddNumber(p, last < 0 ? 0 : last - first + 1);
    for (int k = first; k <= last; ++k) {
        const THistoryEntry& e = game.History[static_cast<size_t>(k)];
        AddNumber(p, k);
        AddText(p, e.Position);
        for (long long v : {(long long)e.Side, (long long)e.ReserveWhite, (long long)e.ReserveBlack,
                            (long long)e.Move.From, (long long)e.Move.To, (long long)e.Move.Capture,
                            (long long)e.ElapsedMs, (long long)e.Tick, (long long)e.DiceValues[0],
                            (long long)e.DiceValues[1], (long long)e.DiceValues[2],
                            (long long)e.RemovedPoint, (long long)e.Status})
            AddNumber(p, v);
    }
    for (const TPlayerRec& player : game.Players) {
        AddText(p, player.Name);
        AddNumber(p, player.Kind);
    }
    for (size_t d = 1; d <= 3; ++d) {
        const TDieRec& die = game.Dice[d];
        AddNumber(p, die.Value);
        AddNumber(p, die.Rolling);
        AddNumber(p, die.StartTick);
    }
    p += kSectionEnd;
    return ChecksummedBody(p);
}

int DecodeState(TPlateau& game, const std::string& text, bool headerOnly, TNetworkSink& sink) {
    if (text.size() > kMaxChecksummedLength) return kStateRefused;
    std::string_view in = text;
    const int received = TakeNumberFrom(in);
    const int computed = Tmodele::TextChecksum(std::string(in));
    if (received != computed) {
        sink.ShowMessage(
            TText(texts::kNetStateChecksumError,
                  {TText::Data(std::to_string(computed)), TText::Data(std::to_string(received))}));
        return kStateRefused;
    }
    const Tmodele& model = game.Model;
    const int kind = TakeNumberFrom(in);
    const int identity = TakeNumberFrom(in);
    if (kind != model.Kind || identity != model.Identity) return kStateRefused;

    const int points = model.PointCount();
    TDecodedState s;
    if (!headerOnly && !ReadHeader(in, points, s)) return kStateRefused;

    // Counts and indices come from a stranger: nothing is sized from them beyond what a
    // game can hold.
    const int n = TakeNumberFrom(in);
    if (n > kMaxHistoryEntries) return kStateRefused;
    for (int i = 0; i < n; ++i) {
        const int k = TakeNumberFrom(in);
        if (k >= kMaxHistoryEntries) return kStateRefused;
        s.Highest = std::max(s.Highest, k);
        if (k < 0) continue;
        THistoryEntry entry;
        if (!ReadEntry(in, model, entry)) return kStateRefused;
        s.HoldsStart = s.HoldsStart || k == 0;
        s.Entries.emplace_back(k, std::move(entry));
    }

    for (int side = 0; side < 2; ++side) {
        const std::string name = SanitizeUtf8(TakeTextFrom(in));
        const int playerKind = TakeNumberFrom(in);
        // The empty name and the placeholder "?" sort first: a side the sender does not
        // know yet keeps its local name, and nobody renames this machine's own human.
        s.AdoptPlayer[side] =
            name > "?" && sink.HasNetworkWindow() && game.Players[side].Kind != TPlayerRec::Human;
        if (!s.AdoptPlayer[side]) continue;
        if (!InRange(playerKind, TPlayerRec::Human, TPlayerRec::Server)) return kStateRefused;
        s.Players[side].Name = name;
        s.Players[side].Kind = static_cast<uint8_t>(playerKind);
    }

    for (TDieRec& die : s.Dice) {
        const int value = TakeNumberFrom(in);
        const int rolling = TakeNumberFrom(in);
        die.StartTick = TakeNumberFrom(in);
        if (!ValidDie(value) || !InRange(rolling, 0, 255)) return kStateRefused;
        die.Value = static_cast<int8_t>(value);
        die.Rolling = static_cast<uint8_t>(rolling);
    }

    Adopt(game, s, headerOnly);
    return s.Highest;
}

std::string EncodeChat(const std::string& line) {
    return FrameMessage("CHAT", WithoutPrefix(line));
}

std::string EncodeDrawOffer() {
    return FrameMessage("NULL", "");
}

std::string EncodeDrawAnswer(bool accepted) {
    return FrameMessage("NULR", ChecksummedBody(accepted ? "1;" : "0;"));
}

std::string EncodeDice(int side, int d1, int d2, int d3) {
    std::string payload;
    for (int v : {side, d1, d2, d3})
        AddNumber(payload, v);
    return FrameMessage("DICE", ChecksummedBody(payload));
}

std::string EncodeRole(int role) {
    std::string payload;
    AddNumber(payload, role);
    return FrameMessage("STAT", ChecksummedBody(payload + kSectionEnd));
}

std::string EncodeModel(const Tmodele& model, char decimalSeparator) {
    return FrameMessage("INFO", model.ToText(decimalSeparator));
}

std::string EncodeStateMessage(const TPlateau& game, int count, bool headerOnly) {
    return FrameMessage("ETAT", EncodeState(game, count, headerOnly));
}

int ReceiveMessages(TPlateau& game, const std::string& receivedText, TNetworkSink& sink) {
    // A roll still turning belongs to the state these messages may replace: it ends first.
    if (game.ClickState == kClickStopDice) game.Click(-1, kNoColour, -1);
    // A stranger's bytes: always valid text from here on.
    const std::string text = SanitizeUtf8(receivedText);
    std::string_view rest = text;
    int handled = 0;
    while (rest.size() >= kMinimumMessageLength && rest.starts_with(kPrefix)) {
        const size_t next = rest.find(kPrefix, kMinimumMessageLength - 1);
        const std::string_view message = rest.substr(0, next);
        rest = next == std::string_view::npos ? std::string_view{} : rest.substr(next);
        if (message.size() < kMinimumMessageLength) continue;
        const std::string_view command = message.substr(kWirePrefixLength, 4);
        const std::string_view body = message.substr(kWirePrefixLength + 4);
        if (Dispatch(game, command, body, sink)) ++handled;
    }
    // Whatever is left does not start with the prefix: the tail of a cut message.
    return handled;
}

} // namespace vantorel
