// The saved game: the variant, the state of the game object, the whole history and the
// two players, on the tagged value stream.
#include "TPlateau.h"

#include "engine/TValueStream.h"

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

bool KnownStatus(int8_t status) {
    return (status >= kWaiting && status <= kPrinting) || status == kWhiteWon ||
           status == kBlackWon || status == kDraw || status == kClosing;
}

// A file may only bring positions the engine can play: one character per point, pieces
// and reserves that the records of each side can hold.
void CheckEntry(const THistoryEntry& entry, const Tmodele& model) {
    const auto fail = [] { throw StreamError::Format(); };
    if (entry.Side != 0 && entry.Side != 1) fail();
    if (entry.Position.size() != static_cast<size_t>(model.PointCount())) fail();
    int onBoard[2] = {0, 0};
    for (char c : entry.Position) {
        if (c == 'B')
            ++onBoard[0];
        else if (c == 'N')
            ++onBoard[1];
        else if (c != 'L')
            fail();
    }
    const int reserve[2] = {entry.ReserveWhite, entry.ReserveBlack};
    for (int side = 0; side < 2; ++side)
        if (reserve[side] < 0 || onBoard[side] + reserve[side] > model.PiecesPerSide[side]) fail();
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
    if (in.MoveCount < 0 || in.MoveCount >= static_cast<int32_t>(in.Entries.size()))
        throw StreamError::Format();
    if (in.GameType < kNoGame || in.GameType > kNetworkCaller) throw StreamError::Format();
    if (in.ClickState < kClickDestination || in.ClickState > kClickComputerDice)
        throw StreamError::Format();
    if (!KnownStatus(in.GameStatus)) throw StreamError::Format();

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
