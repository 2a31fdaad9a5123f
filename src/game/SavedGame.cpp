// The saved game: the variant, the state of the game object, the whole history and the
// two players, on the tagged value stream.
#include "GameChecks.h"
#include "TPlateau.h"

#include "engine/TValueStream.h"

#include <algorithm>
#include <ctime>
#include <istream>
#include <ostream>

namespace vantorel {
namespace {

constexpr const char* kLeadingTag = "Vantorel";

// Local date and time as days since 30 December 1899, the fraction being the time of day.
double NowAsDays() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const double days = static_cast<double>(now + local.tm_gmtoff) / 86400.0;
    return 25569.0 + days; // 1970-01-01 is day 25569
}

int8_t LowByte(int32_t value) {
    return static_cast<int8_t>(value & 0xFF);
}

// Everything a file holds, read and checked before the live game is touched.
struct TLoaded {
    Tmodele Model{1};
    int8_t InvalidClicks = 0;
    bool ReplayMode = false;
    int32_t ReplayPosition = 0;
    TMove PendingMove = NoMove;
    int8_t GameType = 0;
    int8_t ClickState = 1;
    int32_t QuietMoves = 0;
    bool KeepHistory = true;
    int8_t SideToMove = 0;
    int32_t MoveCount = 0;
    int32_t LastMover = 1;
    int8_t GameStatus = 0;
    std::string Highlight;
    std::string Title;
    int32_t KeyboardCursor = -1;
    std::array<TDieRec, 4> Dice;
    std::vector<THistoryEntry> Entries;
    std::array<TPlayerRec, 2> Players;
};

// A file may only bring what this game could have recorded: positions the piece records
// can hold, points on the board, dice and codes the game knows.
void CheckEntry(const THistoryEntry& e, const Tmodele& model) {
    const int points = model.PointCount();
    if ((e.Side != kWhite && e.Side != kBlack) ||
        !checks::ValidPosition(e.Position, e.ReserveWhite, e.ReserveBlack, model) ||
        !checks::ValidMove(e.Move, points) || !checks::InRange(e.RemovedPoint, -1, points - 1) ||
        !checks::KnownStatus(e.Status) ||
        !std::all_of(e.DiceValues.begin(), e.DiceValues.end(), checks::ValidDie))
        throw StreamError::Format();
}

} // namespace

void TPlateau::SaveGame(std::ostream& stream) const {
    TValueWriter w(stream);
    w.WriteString(kLeadingTag);
    w.WriteDate(NowAsDays());
    Model.WriteTo(w);
    w.WriteInteger(InvalidClicks);
    w.WriteBoolean(ReplayMode);
    w.WriteInteger(ReplayPosition);
    w.WriteInteger(PendingMove.From);
    w.WriteInteger(PendingMove.To);
    w.WriteInteger(PendingMove.Capture);
    w.WriteInteger(GameType);
    w.WriteInteger(ClickState);
    w.WriteInteger(QuietMoves);
    w.WriteBoolean(KeepHistory);
    w.WriteInteger(SideToMove);
    w.WriteInteger(MoveCount);
    w.WriteInteger(LastMover);
    w.WriteInteger(GameStatus);
    w.WriteString(Highlight);
    w.WriteString(Title);
    w.WriteInteger(KeyboardCursor);
    for (int d = 1; d <= 3; ++d) {
        const TDieRec& die = Dice[static_cast<size_t>(d)];
        w.WriteInteger(die.Value);
        w.WriteInteger(die.Rolling);
        w.WriteInteger(die.StartTick);
    }
    w.WriteListBegin();
    const int entries = RecordedEntries();
    for (int k = 0; k < entries; ++k) {
        const THistoryEntry& e = History[static_cast<size_t>(k)];
        w.WriteInteger(k);
        w.WriteString(e.Position);
        for (int32_t v : {int32_t{e.Side}, int32_t{e.ReserveWhite}, int32_t{e.ReserveBlack},
                          int32_t{e.Move.From}, int32_t{e.Move.To}, int32_t{e.Move.Capture},
                          e.ElapsedMs, e.Tick, int32_t{e.DiceValues[0]}, int32_t{e.DiceValues[1]},
                          int32_t{e.DiceValues[2]}, int32_t{e.RemovedPoint}, int32_t{e.Status}})
            w.WriteInteger(v);
    }
    w.WriteListEnd();
    w.WriteInteger(GameType);
    for (const TPlayerRec& player : Players) {
        w.WriteString(player.Name);
        w.WriteInteger(player.Kind);
        w.WriteString(player.Note);
    }
    w.Flush();
}

void TPlateau::LoadGame(std::istream& stream) {
    TValueReader r(stream);
    TLoaded in;
    r.ReadString();
    r.ReadDate();
    // A variant whose stored checksum does not match is refused with an empty message.
    if (!in.Model.ReadFrom(r)) throw StreamError(StreamError::Kind::Format, "");
    if (!in.Model.IsPlayable()) throw StreamError::Format();

    in.InvalidClicks = LowByte(r.ReadInteger());
    in.ReplayMode = r.ReadBoolean();
    in.ReplayPosition = r.ReadInteger();
    in.PendingMove.From = LowByte(r.ReadInteger());
    in.PendingMove.To = LowByte(r.ReadInteger());
    in.PendingMove.Capture = LowByte(r.ReadInteger());
    in.GameType = LowByte(r.ReadInteger());
    in.ClickState = LowByte(r.ReadInteger());
    in.QuietMoves = r.ReadInteger();
    in.KeepHistory = r.ReadBoolean();
    in.SideToMove = LowByte(r.ReadInteger());
    in.MoveCount = r.ReadInteger();
    in.LastMover = r.ReadInteger();
    in.GameStatus = LowByte(r.ReadInteger());
    in.Highlight = r.ReadString();
    in.Title = r.ReadString();
    in.KeyboardCursor = r.ReadInteger();
    for (int d = 1; d <= 3; ++d) {
        TDieRec& die = in.Dice[static_cast<size_t>(d)];
        die.Value = LowByte(r.ReadInteger());
        die.Rolling = static_cast<uint8_t>(r.ReadInteger() & 0xFF);
        die.StartTick = r.ReadInteger();
    }
    r.ReadListBegin();
    while (!r.EndOfList()) {
        if (in.Entries.size() >= static_cast<size_t>(kMaxHistoryEntries))
            throw StreamError::Format();
        THistoryEntry e;
        r.ReadInteger(); // the stored index; entries are taken in file order
        e.Position = r.ReadString();
        if (e.Position.size() > static_cast<size_t>(in.Model.PointCount()))
            e.Position.resize(static_cast<size_t>(in.Model.PointCount()));
        e.Side = LowByte(r.ReadInteger());
        e.ReserveWhite = LowByte(r.ReadInteger());
        e.ReserveBlack = LowByte(r.ReadInteger());
        e.Move.From = LowByte(r.ReadInteger());
        e.Move.To = LowByte(r.ReadInteger());
        e.Move.Capture = LowByte(r.ReadInteger());
        e.ElapsedMs = r.ReadInteger();
        e.Tick = r.ReadInteger();
        for (auto& value : e.DiceValues)
            value = LowByte(r.ReadInteger());
        e.RemovedPoint = LowByte(r.ReadInteger());
        e.Status = LowByte(r.ReadInteger());
        CheckEntry(e, in.Model);
        in.Entries.push_back(std::move(e));
    }
    r.ReadListEnd();
    in.GameType = LowByte(r.ReadInteger());
    for (TPlayerRec& player : in.Players) {
        player.Name = r.ReadString();
        player.Kind = static_cast<uint8_t>(r.ReadInteger() & 0xFF);
        player.Note = r.ReadString();
    }

    // The current position must be one of the recorded entries, and the codes known ones.
    const auto entries = static_cast<int32_t>(in.Entries.size());
    if (!checks::InRange(in.MoveCount, 0, entries - 1) ||
        !checks::InRange(in.GameType, kNoGame, kNetworkCaller) ||
        !checks::InRange(in.ClickState, kClickDestination, kClickComputerDice) ||
        !checks::KnownStatus(in.GameStatus) ||
        !checks::ValidMove(in.PendingMove, in.Model.PointCount()) ||
        !std::all_of(in.Dice.begin() + 1, in.Dice.end(),
                     [](const TDieRec& die) { return checks::ValidDie(die.Value); }) ||
        !std::all_of(in.Players.begin(), in.Players.end(), [](const TPlayerRec& player) {
            return checks::InRange(player.Kind, TPlayerRec::Human, TPlayerRec::Server);
        }))
        throw StreamError::Format();
    // A game saved in replay shows one of its entries; outside replay the position is a
    // leftover of an earlier replay, which means nothing: it is started afresh.
    if (!checks::InRange(in.ReplayPosition, 0, entries - 1)) {
        if (in.ReplayMode) throw StreamError::Format();
        in.ReplayPosition = 0;
    }
    // Nothing in the file vouches for its history but the history itself: each position
    // must follow from the one before by the move recorded with it.
    if (checks::FirstBrokenEntry(in.Entries, in.Model) >= 0) throw StreamError::Format();

    // Everything is read: now the game takes it.
    Model.Assign(in.Model);
    NewGame();
    InvalidClicks = in.InvalidClicks;
    ReplayMode = in.ReplayMode;
    ReplayPosition = in.ReplayPosition;
    PendingMove = in.PendingMove;
    GameType = in.GameType;
    ClickState = in.ClickState;
    QuietMoves = in.QuietMoves;
    KeepHistory = true;
    SideToMove = in.SideToMove & 1;
    Engine->SideToMove = static_cast<uint8_t>(SideToMove);
    MoveCount = in.MoveCount;
    LastMover = in.LastMover;
    GameStatus = in.GameStatus;
    if (!Highlight.empty()) {
        // The marks of the file, on exactly one mark per point.
        in.Highlight.resize(Highlight.size(), ' ');
        Highlight = in.Highlight;
    }
    Title = in.Title;
    KeyboardCursor =
        in.KeyboardCursor >= -1 && in.KeyboardCursor < Model.PointCount() ? in.KeyboardCursor : -1;
    Dice = in.Dice;
    History = std::move(in.Entries);
    History.resize(History.size() + kHistoryGrowth);
    for (int side = 0; side < 2; ++side) {
        const int32_t level = Players[side].Level;
        Players[side] = in.Players[side];
        Players[side].Level = level;
    }
    GoToEntry(MoveCount);
    // Mended: the click state of the file was replaced by the placing one whatever the
    // position; it now fits the turn of the side to move, and a finished game stays over.
    ClickState = TurnClickState();
    RestoreLoser();
}

} // namespace vantorel
