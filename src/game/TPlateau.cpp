#include "TPlateau.h"

#include "engine/Random.h"

namespace vantorel {

TPlateau::TPlateau(int32_t modelKind, bool keepHistory, TGameOwner* owner, Clock clock,
                   std::function<void()> reseed, TSearchTable table)
    : Owner(owner), KeepHistory(keepHistory), Model(modelKind),
      clock_(clock ? std::move(clock) : Clock(TickCount)),
      reseed_(reseed ? std::move(reseed) : std::function<void()>(RandomizeFromClock)),
      table_(table) {
    statusLink_.game = this;
    reseed_();
    if (KeepHistory) History.resize(kHistoryGrowth);
    RebuildEngine();
    ResetPieces();
    RecordStart();
    Title = texts::kUntitled;
    Players[kWhite] = {texts::kDefaultWhiteName, TPlayerRec::Human, "", 0};
    Players[kBlack] = {texts::kDefaultBlackName, TPlayerRec::Computer, "", 0};
    ClickState = InitialClickState();
}

void TPlateau::RebuildEngine() {
    Engine = std::make_unique<Tjeu>(Model, SideToMove, &statusLink_);
    if (Owner) {
        // Without a table of its own the search lends itself one for each run.
        if (table_ == TSearchTable::Own)
            Engine->Search.SetHashTable(std::make_unique<THashTable>(Model.PointCount()));
        Highlight.assign(static_cast<size_t>(Model.PointCount()), ' ');
    } else {
        Highlight.clear();
    }
}

void TPlateau::ResetPieces() {
    for (int side = 0; side < 2; ++side)
        Pieces[side].assign(static_cast<size_t>(Model.PiecesPerSide[side]), TPieceRec{});
}

void TPlateau::EmptyEntry(THistoryEntry& entry) const {
    entry = THistoryEntry{};
}

// Entry 0: the starting position, credited to the side that does not begin.
void TPlateau::RecordStart() {
    if (!KeepHistory) return;
    THistoryEntry& start = History[0];
    start = THistoryEntry{};
    start.Position = Engine->LiveBoard;
    start.Side = static_cast<int8_t>(LastMover);
    start.Tick = static_cast<int32_t>(Now());
    start.ReserveWhite = Engine->LiveReserve[kWhite];
    start.ReserveBlack = Engine->LiveReserve[kBlack];
}

void TPlateau::GrowHistoryFor(int index) {
    if (index < static_cast<int>(History.size())) return;
    History.resize(static_cast<size_t>(index) + kHistoryGrowth);
}

void TPlateau::NewGame() {
    reseed_();
    GameStatus = kWaiting;
    ReplayMode = false;
    MoveCount = 0;
    InvalidClicks = 0;
    HintsShown = false;
    QuietMoves = 0;
    LastMover = static_cast<int32_t>(RandomBelow(17) % 2);
    SideToMove = static_cast<int8_t>(1 - LastMover);
    RebuildEngine();
    if (Owner) {
        Owner->SetMovePanel(1, "");
        Owner->SetMovePanel(2, "");
    }
    for (auto& entry : History)
        EmptyEntry(entry);
    RecordStart();
    ResetPieces();
    Title = texts::kUntitled;
    PendingMove = NoMove;
    ClickState = InitialClickState();
    if (Owner && GameType == kNetworkServer && Owner->NetworkRole() == 1) Owner->SendGameState();
}

bool TPlateau::NetworkGuardAllows() const {
    const int mover = SideToMove;
    if (GameType == kNetworkServer)
        return Owner && Owner->NetworkRole() == 1 && Players[mover].Kind == TPlayerRec::Server;
    if (GameType == kNetworkCaller)
        return Owner && Owner->NetworkRole() == 2 && Players[mover].Kind == TPlayerRec::Caller;
    return true;
}

void TPlateau::ClearHighlight() {
    Highlight.assign(Highlight.size(), ' ');
}

void TPlateau::MarkOnly(int point, char mark) {
    ClearHighlight();
    if (point >= 0 && point < static_cast<int>(Highlight.size()))
        Highlight[static_cast<size_t>(point)] = mark;
}

TPieceRec* TPlateau::RecordOn(int side, int point) {
    for (auto& record : Pieces[side])
        if (record.Point == point) return &record;
    return nullptr;
}

TPieceRec* TPlateau::HighestReserveRecord(int side) {
    auto& records = Pieces[side];
    for (size_t i = records.size(); i-- > 0;)
        if (records[i].State == TPieceRec::InReserve) return &records[i];
    return nullptr;
}

void TPlateau::Click(int point, int colour, int pieceIndex) {
    const int mover = SideToMove;
    const char theirs = mover == kBlack ? 'B' : 'N';
    const char mine = mover == kBlack ? 'N' : 'B';
    const int8_t state = ClickState;
    const TMove before = PendingMove;

    if (!Owner || !Owner->HasView() || point < -1) return;
    HintsShown = false;
    KeyboardCursor = -1;
    // In a network game only the side this machine plays may click (the dice excepted).
    if (state != kClickRollDice && state != kClickStopDice && !NetworkGuardAllows()) return;

    const bool onBoard = point >= 0 && point < Model.PointCount();
    const auto boardAt = [&](int p) { return Engine->LiveBoard[static_cast<size_t>(p)]; };
    switch (state) {
    case kClickDestination:
        if (!onBoard)
            Reject();
        else
            ClickDestination(point, colour, pieceIndex);
        break;
    case kClickSelect: {
        TPieceRec* record = onBoard && boardAt(point) == mine ? RecordOn(mover, point) : nullptr;
        if (!record) {
            Reject();
            break;
        }
        record->State = TPieceRec::Selected;
        PendingMove = {static_cast<int8_t>(point), -1, kNoCapture};
        ClickState = kClickDestination;
        MarkOnly(point, 'S');
        break;
    }
    case kClickCapture: {
        if (!onBoard) {
            Reject();
            break;
        }
        if (boardAt(point) != theirs) {
            Reject();
            if (point == PendingMove.From || point == PendingMove.To) CancelSelection();
            break;
        }
        TPieceRec* record = RecordOn(1 - mover, point);
        if (!record) {
            Reject();
            break;
        }
        record->State = TPieceRec::Captured;
        record->PreviousPoint = record->Point;
        record->Point = -2;
        // Stamped after the move so that the views show the capture second.
        record->Stamp = static_cast<int32_t>(Now() + 1);
        PendingMove.Capture = static_cast<int8_t>(point);
        ExecuteMove(mover, PendingMove);
        if (!Highlight.empty()) Highlight[static_cast<size_t>(point)] = 'P';
        break;
    }
    case kClickRollDice:
        // The values were thrown before the click (RollDice, or a partner's message).
        Owner->StartDiceRoll();
        ClickState = kClickStopDice;
        if (GameStatus == kWaiting) GameStatus = kHumanToAct;
        break;
    case kClickStopDice:
    case kClickComputerDice:
        Owner->StopDiceRoll();
        if (Dice[1].Value == Dice[2].Value && Dice[2].Value == Dice[3].Value) {
            ClickState = kClickDiceRemoval;
        } else {
            ClickState = kClickDestination;
            if (GameStatus == kWaiting) GameStatus = kHumanToAct;
        }
        break;
    case kClickDiceRemoval: {
        const int victim = 1 - mover;
        TPieceRec* record = point == -1 ? HighestReserveRecord(victim)
                                        : (onBoard ? RecordOn(victim, point) : nullptr);
        if (!record) break; // an empty point: nothing happens, nothing is counted
        const TPieceRec saved = *record;
        record->State = TPieceRec::Captured;
        record->PreviousPoint = record->Point;
        record->Point = -2;
        record->Stamp = static_cast<int32_t>(Now() + 1);
        PendingMove.Capture = static_cast<int8_t>(point);
        if (ApplyDiceRemoval(victim, point)) {
            if (point >= 0 && !Highlight.empty()) Highlight[static_cast<size_t>(point)] = 'P';
        } else {
            ClickState = state;
            PendingMove = before;
            *record = saved;
        }
        break;
    }
    default:
        break;
    }
    if (InvalidClicks > 3 && ClickState != kClickDiceRemoval) CancelSelection();
    Owner->RefreshStatus();
    Owner->RedrawView();
}

void TPlateau::ClickDestination(int point, int colour, int pieceIndex) {
    const int mover = SideToMove;
    if (Engine->LiveBoard[static_cast<size_t>(point)] != 'L') {
        Reject();
        if (point == PendingMove.From) CancelSelection();
        return;
    }
    if (Engine->LiveReserve[mover] > 0) {
        // A reserve piece dragged onto the point is placed itself; a plain click takes the
        // highest-numbered piece still in reserve.
        TPieceRec* record = nullptr;
        if (colour == mover && pieceIndex >= 0 &&
            pieceIndex < static_cast<int>(Pieces[mover].size()) &&
            Pieces[mover][static_cast<size_t>(pieceIndex)].State == TPieceRec::InReserve)
            record = &Pieces[mover][static_cast<size_t>(pieceIndex)];
        else
            record = HighestReserveRecord(mover);
        if (!record) {
            Reject();
            return;
        }
        PendingMove.From = -1;
        PendingMove.To = static_cast<int8_t>(point);
        record->State = TPieceRec::OnBoard;
        record->PreviousPoint = -1;
        record->Point = static_cast<int8_t>(point);
        record->Stamp = static_cast<int32_t>(Now());
        MarkOnly(point, 'D');
    } else {
        TPieceRec* record = nullptr;
        for (auto& r : Pieces[mover])
            if (r.State == TPieceRec::Selected) {
                record = &r;
                break;
            }
        if (!record) {
            Reject();
            return;
        }
        PendingMove.To = static_cast<int8_t>(point);
        record->State = TPieceRec::OnBoard;
        record->PreviousPoint = record->Point;
        record->Point = static_cast<int8_t>(point);
        record->Stamp = static_cast<int32_t>(Now());
        for (char& mark : Highlight)
            if (mark != 'S') mark = ' ';
        if (!Highlight.empty()) Highlight[static_cast<size_t>(point)] = 'D';
    }
    PendingMove.Capture = kNoCapture;
    const char kind = Engine->CaptureKind(mover, PendingMove);
    if (kind == 'J' || kind == 'M') {
        ClickState = kClickCapture;
        return;
    }
    if (kind == 'R') {
        // The piece taken from the opponent's reserve leaves its records too, so that the
        // views stop showing it.
        PendingMove.Capture = kReserveCapture;
        if (TPieceRec* taken = HighestReserveRecord(1 - mover)) {
            taken->State = TPieceRec::Captured;
            taken->PreviousPoint = taken->Point;
            taken->Point = -2;
            taken->Stamp = static_cast<int32_t>(Now() + 1);
        }
    }
    ExecuteMove(mover, PendingMove);
}

void TPlateau::CancelSelection() {
    InvalidClicks = 0;
    HintsShown = false;
    const bool pieceSelected =
        ClickState == kClickDestination && Engine->LiveReserve[SideToMove] <= 0;
    if (ClickState == kClickCapture || pieceSelected) {
        PendingMove = NoMove;
        ClearHighlight();
        ClickState = Engine->LiveReserve[SideToMove] > 0 ? kClickDestination : kClickSelect;
        for (auto& side : Pieces)
            for (auto& record : side)
                record.Stamp = 0;
        SyncPieces();
    }
    if (Owner) Owner->RefreshView();
}

void TPlateau::MarkMoveHints(int side) {
    if (Highlight.empty() || HintsShown) return;
    HintsShown = true;
    const bool playable = GameType == kHumanVsComputer || GameType == kHumanVsHuman ||
                          GameType == kNetworkServer || GameType == kNetworkCaller;
    if (!playable || (GameStatus != kWaiting && GameStatus != kHumanToAct)) return;
    if (!NetworkGuardAllows()) return;
    Tsuivants moves;
    Engine->LegalMoves(side, Engine->LiveBoard, moves);
    for (const TMove m : moves) {
        if (ClickState == kClickDestination && m.From == PendingMove.From && m.To >= 0)
            Highlight[static_cast<size_t>(m.To)] = 'C';
        else if (ClickState == kClickSelect && m.From >= 0)
            Highlight[static_cast<size_t>(m.From)] = 'C';
        else if (ClickState == kClickCapture && m.From == PendingMove.From &&
                 m.To == PendingMove.To && m.Capture >= 0)
            Highlight[static_cast<size_t>(m.Capture)] = 'C';
    }
}

void TPlateau::MarkDiceRemovals(int victim, bool& reserveRemovable) {
    reserveRemovable = false;
    const bool playable = GameType == kHumanVsComputer || GameType == kHumanVsHuman ||
                          GameType == kNetworkServer || GameType == kNetworkCaller;
    if (Highlight.empty() || !playable || (GameStatus != kWaiting && GameStatus != kHumanToAct))
        return;
    Tsuivants captures;
    Engine->LegalCaptures(victim, Engine->LiveBoard, captures);
    for (const TMove m : captures) {
        if (m.Capture >= 0) Highlight[static_cast<size_t>(m.Capture)] = 'C';
        if (m.Capture == kReserveCapture) reserveRemovable = true;
    }
}

int TPlateau::SyncPieces() {
    InvalidClicks = 0;
    HintsShown = false;
    ClearHighlight();
    for (auto& side : Pieces)
        for (auto& record : side) {
            record.State = TPieceRec::InReserve;
            record.Point = -1;
        }
    int count = 0;
    const std::string& board = Engine->LiveBoard;
    for (size_t point = 0; point < board.size(); ++point) {
        const int side = board[point] == 'B' ? kWhite : board[point] == 'N' ? kBlack : -1;
        if (side < 0) continue;
        ++count;
        if (TPieceRec* record = HighestReserveRecord(side)) {
            record->State = TPieceRec::OnBoard;
            record->Point = static_cast<int8_t>(point);
        }
    }
    for (int side = 0; side < 2; ++side) {
        int inReserve = 0;
        for (const auto& record : Pieces[side])
            inReserve += record.State == TPieceRec::InReserve;
        auto& records = Pieces[side];
        for (size_t i = records.size(); i-- > 0 && inReserve > Engine->LiveReserve[side];) {
            if (records[i].State != TPieceRec::InReserve) continue;
            records[i].State = TPieceRec::Captured;
            --inReserve;
            ++count;
        }
    }
    PendingMove = NoMove;
    return count;
}

void TPlateau::RollDice() {
    for (int d = 1; d <= 3; ++d) {
        Dice[static_cast<size_t>(d)].Value = static_cast<int8_t>(RandomBelow(6) + 1);
        Dice[static_cast<size_t>(d)].StartTick = static_cast<int32_t>(Now());
    }
}

bool TPlateau::PlayPreviewMove() {
    InvalidClicks = 0;
    KeyboardCursor = -1;
    Tjeu& engine = *Engine;
    const TPly live = engine.LivePly();
    if (live.Total(kWhite) <= 2 || live.Total(kBlack) <= 2) return false;
    TMove move = NoMove;
    engine.ComputerMove(SideToMove, 0, move);
    if (move.To < 0) return false;
    const int mover = SideToMove;
    const auto n = static_cast<int>(engine.LiveBoard.size());
    if (move.To < n) engine.LiveBoard[static_cast<size_t>(move.To)] = mover == kWhite ? 'B' : 'N';
    if (move.Capture >= 0 && move.Capture < n)
        engine.LiveBoard[static_cast<size_t>(move.Capture)] = 'L';
    if (move.From >= 0 && move.From < n) engine.LiveBoard[static_cast<size_t>(move.From)] = 'L';
    if (move.From < 0) --engine.LiveReserve[mover];
    if (move.Capture == kReserveCapture) --engine.LiveReserve[1 - mover];
    ++MoveCount;
    engine.LastMove = move;
    SideToMove = static_cast<int8_t>(1 - mover);
    engine.SideToMove = static_cast<uint8_t>(SideToMove);
    return true;
}

std::string TPlateau::InvariantProblem() const {
    // A finished game keeps the last mover as its side to move; the engine has passed on.
    if (GameStatus < kWhiteWon && Engine->SideToMove != static_cast<uint8_t>(SideToMove))
        return "the engine and the game disagree on the side to move";
    if (Owner && Highlight.size() != static_cast<size_t>(Model.PointCount()))
        return "the highlight does not have one mark per point";
    for (int side = 0; side < 2; ++side)
        if (Pieces[side].size() != static_cast<size_t>(Model.PiecesPerSide[side]))
            return "a side does not have one record per piece";
    return Engine->LiveInvariantProblem();
}

} // namespace vantorel
