// Where a completed move reaches the live game: validation, the history entry, the next
// turn, the end of the game and the draws.
#include "TPlateau.h"

namespace vantorel {
namespace {

bool Settled(const THistoryEntry& entry) {
    return entry.ReserveWhite == 0 && entry.ReserveBlack == 0;
}

} // namespace

bool TPlateau::ExecuteMove(int side, TMove move) {
    Tjeu& engine = *Engine;
    const int code = engine.CheckMove(side, move);
    if (code != 0) {
        const TText text(texts::kIllegalMove,
                         {TText::Data(std::to_string(code)), TText::Data(MoveText(move))});
        CancelSelection();
        // A refused placement leaves its record on the point; put the records back in
        // line with the position the move did not change.
        SyncPieces();
        throw Ecoup_imposible(text);
    }
    InvalidClicks = 0;
    const int8_t loser = engine.PlayMove(side, true, move);
    ++MoveCount;

    const bool recording = KeepHistory && !ReplayMode;
    if (recording) {
        GrowHistoryFor(MoveCount);
        const uint32_t now = Now();
        // A game's clock starts with its first move.
        if (MoveCount == 1) History[0].Tick = static_cast<int32_t>(now);
        THistoryEntry& entry = History[static_cast<size_t>(MoveCount)];
        entry.Position = engine.LiveBoard;
        entry.Side = SideToMove;
        entry.Move = move;
        entry.Tick = static_cast<int32_t>(now);
        const int32_t earlier =
            MoveCount > 2 ? History[static_cast<size_t>(MoveCount) - 2].ElapsedMs : 0;
        entry.ElapsedMs =
            earlier +
            static_cast<int32_t>(
                now - static_cast<uint32_t>(History[static_cast<size_t>(MoveCount) - 1].Tick));
        entry.ReserveWhite = engine.LiveReserve[kWhite];
        entry.ReserveBlack = engine.LiveReserve[kBlack];
        if (Model.DiceRule == 1)
            for (int d = 0; d < 3; ++d)
                entry.DiceValues[static_cast<size_t>(d)] = Dice[static_cast<size_t>(d) + 1].Value;
        // A move played after going back cuts off the moves that followed.
        const auto next = static_cast<size_t>(MoveCount) + 1;
        if (next < History.size() && !History[next].Empty()) EmptyEntry(History[next]);
    }

    if (move.From == -1)
        QuietMoves = 0;
    else
        QuietMoves = move.Capture < 0 ? QuietMoves + 1 : 0;

    if (loser == kUndecided) {
        SideToMove = static_cast<int8_t>(1 - SideToMove);
        ClickState = TurnClickState();
        if (!ReplayMode) {
            switch (GameType) {
            case kNoGame:
                GameStatus = kComputerToAct;
                break;
            case kHumanVsComputer:
                if (GameStatus == kWaiting || GameStatus == kHumanToAct)
                    GameStatus = kComputerToAct;
                else if (GameStatus == kComputerToAct)
                    GameStatus = kHumanToAct;
                break;
            case kHumanVsHuman:
            case kNetworkServer:
            case kNetworkCaller:
                GameStatus = kHumanToAct;
                break;
            case kComputerVsComputer:
                // The root side changes from move to move: old bounds would mislead.
                if (THashTable* table = engine.Search.HashTable()) table->Clear();
                if (GameStatus != kWaiting) GameStatus = kComputerToAct;
                break;
            default:
                break;
            }
        }
    } else {
        GameStatus = loser == kWhite ? kBlackWon : loser == kBlack ? kWhiteWon : kDraw;
    }

    if (Owner && (GameType == kNetworkServer || GameType == kNetworkCaller)) Owner->SendMove(move);

    if (GameStatus == kComputerToAct) {
        if (GameType == kHumanVsComputer && IsRepetitionDraw()) {
            if (Owner) {
                Owner->StopAnimation();
                if (Owner->AskYesNo(texts::kAcceptDraw, 1000))
                    GameStatus = kDraw;
                else
                    QuietMoves = 0;
            }
        } else if (GameType == kComputerVsComputer && IsRepetitionDraw()) {
            GameStatus = kDraw;
        }
    }
    if (recording) History[static_cast<size_t>(MoveCount)].Status = GameStatus;

    if (Owner) {
        ShowLastMoves();
        Owner->RefreshCommandStates();
        if (move.From >= 0) Owner->HideDice();
    }
    for (int d = 1; d <= 3; ++d)
        Dice[static_cast<size_t>(d)].Value = -1;
    PendingMove = NoMove;
    return true;
}

bool TPlateau::ApplyDiceRemoval(int victim, int point) {
    Tjeu& engine = *Engine;
    Tsuivants captures;
    engine.LegalCaptures(victim, engine.LiveBoard, captures);
    bool listed = false;
    for (const TMove m : captures)
        listed = listed || m.Capture == point;
    if (!listed) return false;

    if (point >= 0)
        engine.LiveBoard[static_cast<size_t>(point)] = 'L';
    else
        --engine.LiveReserve[victim];
    engine.LastMove = {-2, -2, static_cast<int8_t>(point)};
    const int8_t loser = engine.DecideLoser(victim);
    engine.Loser = loser;

    if (KeepHistory && !ReplayMode) {
        // The mover's own move will be written into this same entry, keeping RemovedPoint.
        const int index = MoveCount + 1;
        GrowHistoryFor(index);
        THistoryEntry& entry = History[static_cast<size_t>(index)];
        entry.Position = engine.LiveBoard;
        entry.Side = SideToMove;
        entry.Move = {-2, -2, static_cast<int8_t>(point)};
        entry.Tick = static_cast<int32_t>(Now());
        entry.ReserveWhite = engine.LiveReserve[kWhite];
        entry.ReserveBlack = engine.LiveReserve[kBlack];
        for (int d = 0; d < 3; ++d)
            entry.DiceValues[static_cast<size_t>(d)] = Dice[static_cast<size_t>(d) + 1].Value;
        entry.RemovedPoint = static_cast<int8_t>(point);
    }
    if (loser == kUndecided)
        ClickState = kClickDestination;
    else
        GameStatus = loser == kWhite ? kBlackWon : loser == kBlack ? kWhiteWon : kDraw;
    if (Owner) ShowLastMoves();
    return true;
}

bool TPlateau::IsRepetitionDraw() const {
    if (QuietMoves < 3 || MoveCount <= 3) return false;
    if (QuietMoves > 50) return true;
    if (static_cast<size_t>(MoveCount) >= History.size()) return false;
    const int opening = Model.PiecesPerSide[kWhite];
    int count = 0;
    int e = MoveCount;
    int stoppedAt = opening + 1;
    // Looks for the position of entry e twice more among the settled entries before it,
    // for e and then for the entries just before it.
    while (Settled(History[static_cast<size_t>(e)]) && count < 2 && e > 1 && stoppedAt > opening) {
        int i = e - 1;
        for (; Settled(History[static_cast<size_t>(i)]) && count < 3 && i > 0 && i > opening; --i)
            if (History[static_cast<size_t>(i)].Position ==
                History[static_cast<size_t>(e)].Position)
                ++count;
        stoppedAt = i;
        if (count >= 2) return true;
        count = 0;
        --e;
    }
    return false;
}

void TPlateau::OfferDraw() {
    if (GameType == kNetworkServer || GameType == kNetworkCaller) {
        if (Owner && Owner->NetworkRole() > 0) Owner->SendDrawOffer();
        return;
    }
    if (GameType != kHumanVsComputer) return;
    Tjeu& engine = *Engine;
    int computer = -1;
    if (Players[kBlack].Kind == TPlayerRec::Human)
        computer = kWhite;
    else if (Players[kWhite].Kind == TPlayerRec::Human)
        computer = kBlack;
    const bool humanPlays = computer >= 0;

    bool accepted;
    if (engine.LiveReserve[kBlack] > 0 || (engine.LiveReserve[kWhite] > 0 && humanPlays)) {
        accepted = false;
    } else if (QuietMoves >= 40 || !humanPlays) {
        accepted = true;
    } else {
        const int32_t value =
            engine.EvaluatePosition(computer, engine.LiveBoard, 1, {-2, -2, -2},
                                    engine.LiveReserve[kBlack], engine.LiveReserve[kWhite]);
        accepted = QuietMoves >= 10 ? value < 50 : value <= 5;
    }
    if (Owner) Owner->Inform(accepted ? texts::kDrawAccepted : texts::kDrawRefused, 100);
    if (accepted) {
        GameStatus = kDraw;
        // The entry keeps the end, so that going back and forth comes back to it.
        if (KeepHistory && !ReplayMode && MoveCount < static_cast<int>(History.size()))
            History[static_cast<size_t>(MoveCount)].Status = kDraw;
    }
}

} // namespace vantorel
