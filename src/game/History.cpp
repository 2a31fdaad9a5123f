// Reading the history: going back and forth, the notation of moves and entries, the
// last-move panels, the game script and the replay.
#include "TPlateau.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace vantorel {

int TPlateau::RecordedEntries() const {
    int count = 0;
    while (count < static_cast<int>(History.size()) && !History[static_cast<size_t>(count)].Empty())
        ++count;
    return count;
}

int TPlateau::GoToEntry(int index) {
    if (!KeepHistory || index < 0 || index >= static_cast<int>(History.size())) return 0;
    const THistoryEntry& entry = History[static_cast<size_t>(index)];
    if (entry.Empty() || entry.Position.size() != static_cast<size_t>(Model.PointCount())) return 0;
    Tjeu& engine = *Engine;
    KeyboardCursor = -1;
    LastMover = entry.Side;
    SideToMove = static_cast<int8_t>(1 - entry.Side);
    engine.SideToMove = static_cast<uint8_t>(SideToMove);
    engine.LiveBoard = entry.Position;
    engine.LiveReserve[kWhite] = entry.ReserveWhite;
    engine.LiveReserve[kBlack] = entry.ReserveBlack;
    const int count = SyncPieces();
    ClickState = kClickDestination;
    for (int d = 1; d <= 3; ++d) {
        Dice[static_cast<size_t>(d)].Value = entry.DiceValues[static_cast<size_t>(d) - 1];
        Dice[static_cast<size_t>(d)].StartTick = static_cast<int32_t>(Now());
        Dice[static_cast<size_t>(d)].Rolling = 0;
    }
    MoveCount = index;
    return count;
}

namespace {

bool Finished(int status) {
    return status == kWhiteWon || status == kBlackWon || status == kDraw;
}

} // namespace

int8_t TPlateau::TurnClickState() const {
    if (Engine->LiveReserve[SideToMove] <= 0) return kClickSelect;
    return InitialClickState();
}

void TPlateau::RestoreLoser() {
    // A decided position refuses every move; a live one must not.
    Engine->Loser = Finished(GameStatus) ? Engine->DecideLoser(LastMover) : kUndecided;
}

// Mended: a history move used to keep the status and the loser of the position left, so
// after the end of a game every move was refused, and the click state was always the
// placing one. Now the game is live again at the entry, or over again at the last one.
void TPlateau::ResumeAt(int index) {
    GoToEntry(index);
    if (MoveCount != index) return; // not a recorded entry: nothing was shown
    const int8_t recorded = History[static_cast<size_t>(index)].Status;
    if (Finished(recorded))
        GameStatus = recorded;
    else if (GameType == kHumanVsComputer)
        GameStatus = Players[static_cast<size_t>(SideToMove)].Kind == TPlayerRec::Computer
                         ? kComputerToAct
                         : kHumanToAct;
    else
        GameStatus = kHumanToAct;
    RestoreLoser();
    ClickState = TurnClickState();
}

void TPlateau::Undo() {
    InvalidClicks = 0;
    if (!KeepHistory || MoveCount < 1) return;
    if (GameType == kHumanVsComputer || GameType == kNetworkServer) {
        // Back to the same player's previous turn: two entries back, or one when the game
        // ended on that player's own move (two would leave the computer to play).
        if (MoveCount < 2) return;
        const bool endedByHuman =
            GameType == kHumanVsComputer && Finished(GameStatus) &&
            Players[static_cast<size_t>(History[static_cast<size_t>(MoveCount)].Side & 1)].Kind !=
                TPlayerRec::Computer;
        ResumeAt(MoveCount - (endedByHuman ? 1 : 2));
    } else if (GameType == kHumanVsHuman) {
        ResumeAt(MoveCount - 1);
    } else {
        return;
    }
    if (Owner) Owner->RefreshView();
}

void TPlateau::Redo() {
    InvalidClicks = 0;
    if (!KeepHistory) return;
    const auto recorded = [this](int index) {
        return index >= 0 && index < static_cast<int>(History.size()) &&
               !History[static_cast<size_t>(index)].Empty();
    };
    int target;
    if (GameType == kHumanVsComputer || GameType == kNetworkServer) {
        target = MoveCount + 2;
        // The mirror of Undo: a game that ended one move on is redone to its end.
        if (!recorded(target) && recorded(MoveCount + 1) &&
            Finished(History[static_cast<size_t>(MoveCount) + 1].Status))
            target = MoveCount + 1;
    } else if (GameType == kHumanVsHuman) {
        target = MoveCount + 1;
    } else {
        return;
    }
    if (recorded(target)) {
        ResumeAt(target);
        if (Owner) Owner->RefreshView();
    }
}

std::string TPlateau::MoveText(TMove move) {
    std::string text = move.From < 0 ? "_" : std::to_string(move.From + 1);
    text += " -> " + std::to_string(move.To + 1);
    if (move.Capture >= 0) text += " x " + std::to_string(move.Capture + 1);
    if (move.Capture == kReserveCapture) text += " x _ ";
    return text;
}

TText TPlateau::EntryMessage(const THistoryEntry& entry) const {
    const char* colour = entry.Side == kWhite ? texts::kWhite : texts::kBlack;
    std::string dice;
    const auto& v = entry.DiceValues;
    if (v[0] > 0 && v[1] > 0 && v[2] > 0) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "(%d-%d-%d)", v[0], v[1], v[2]);
        dice = buffer;
        if (v[0] == v[1] && v[1] == v[2] && entry.RemovedPoint >= -1) dice += "* _";
        dice += " | ";
    }
    const int32_t t = entry.ElapsedMs < 0 ? 0 : entry.ElapsedMs;
    int hours = t / 3600000;
    if (hours > 23) hours = 0;
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", hours, (t / 60000) % 60, (t / 1000) % 60);
    return TText::Join({TText::Data(std::string(time) + " "), colour,
                        TText::Data(texts::kColourSeparator + dice + " " + MoveText(entry.Move))});
}

std::string TPlateau::EntryText(const THistoryEntry& entry) const {
    return EntryMessage(entry).French();
}

void TPlateau::ShowLastMoves() {
    if (!Owner || !KeepHistory) return;
    const auto line = [this](int index) {
        return TText::Join({TText::Data(std::to_string(index) + ". "),
                            EntryMessage(History[static_cast<size_t>(index)])});
    };
    if (MoveCount >= static_cast<int>(History.size())) return;
    int other = 2;
    if (MoveCount <= 0) {
        Owner->SetMovePanel(1, "");
    } else {
        const int panel = History[static_cast<size_t>(MoveCount)].Side != kWhite ? 2 : 1;
        Owner->SetMovePanel(panel, line(MoveCount));
        other = panel == 1 ? 2 : 1;
    }
    Owner->SetMovePanel(other, MoveCount < 2 ? "" : line(MoveCount - 1));
}

void TPlateau::ClockTick() {
    if (Owner) ShowLastMoves();
}

std::string TPlateau::GameScript(const TTextRenderer& render) const {
    const auto rendered = [&render](const TText& text) {
        return render ? render(text) : text.French();
    };
    constexpr size_t kColumn = 49;
    std::string script = rendered(texts::kWhite) + texts::kColourSeparator + Players[kWhite].Name +
                         "\r\n" + rendered(texts::kBlack) + texts::kColourSeparator +
                         Players[kBlack].Name + "\r\n\r\n";
    std::string line;
    bool whitePending = false;
    const int entries = RecordedEntries();
    for (int i = 0; i < entries; ++i) {
        const THistoryEntry& entry = History[static_cast<size_t>(i)];
        if (entry.Side == kWhite) {
            line = " " + rendered(EntryMessage(entry));
            whitePending = true;
        } else {
            line.resize(kColumn, ' ');
            line += "| " + rendered(EntryMessage(entry));
            script += line + "\r\n";
            whitePending = false;
        }
    }
    if (whitePending) {
        line.resize(kColumn, ' ');
        script += line + "|\r\n";
    }
    return script + "\r\n";
}

void TPlateau::StartReplay() {
    if (MoveCount < 2) return;
    HintsShown = false;
    if (!Owner || !Owner->HasView() || ReplayMode || !KeepHistory || GameStatus == kComputerToAct)
        return;
    const int entries = RecordedEntries();
    if (entries == 0) return;
    Owner->EnterReplay(entries);
    GameStatus = kReplayPaused;
    ReplayPosition = 1;
    ReplaySeek(0);
}

void TPlateau::ReplaySeek(int t) {
    const int P = ReplayPosition;
    const int last = RecordedEntries() - 1;
    // Beyond one step outside the entries every target ends up at the nearest end anyway;
    // clamped here, t ± 1 below cannot overflow.
    t = std::clamp(t, -1, last + 1);
    HintsShown = false;
    const auto refresh = [this] {
        if (Owner) Owner->RefreshView();
    };
    const bool inRange = t >= 0 && t <= last;
    // In 64 bits: a position from outside may lie anywhere in the 32-bit range.
    const int64_t distance = std::llabs(int64_t{P} - t);
    if (t == P) {
        if (inRange) GoToEntry(t);
        refresh();
        return;
    }
    if (P >= 0 && P <= last && inRange && distance >= 2) {
        GoToEntry(t);
        refresh();
        ReplayPosition = t;
        return;
    }
    if (inRange && t == P - 1) {
        // One step back is shown at once: there is no backward animation.
        GoToEntry(t);
        Engine->Loser = kUndecided;
        refresh();
        ReplayPosition = t;
        return;
    }
    int n = distance == 1 ? t - 1 : t + 1;
    const auto clamp = [last](int v) { return v < 0 ? 0 : (v > last ? last : v); };
    t = clamp(t);
    n = clamp(n);
    if (t == P && t > 0 && t < last) return;
    if (n != MoveCount || n == 0 || n == last) GoToEntry(n);
    Engine->Loser = kUndecided;
    refresh();
    if (t == n) return;
    const THistoryEntry& entry = History[static_cast<size_t>(t)];
    Engine->LastMove = entry.Move;
    if (t > P) {
        // A step forward animates move t on the position before it.
        const int side = entry.Side & 1;
        const TMove m = entry.Move;
        if (m.To >= 0) {
            TPieceRec* record = m.From < 0 ? HighestReserveRecord(side) : RecordOn(side, m.From);
            if (record) {
                record->State = TPieceRec::OnBoard;
                record->PreviousPoint = m.From;
                record->Point = m.To;
                record->Stamp = static_cast<int32_t>(Now());
            }
            MarkOnly(m.To, 'D');
        }
        if (m.Capture >= 0) {
            // The captured piece leaves the board after the move, as in play.
            if (TPieceRec* record = RecordOn(1 - side, m.Capture)) {
                record->State = TPieceRec::Captured;
                record->PreviousPoint = m.Capture;
                record->Point = -2;
                record->Stamp = static_cast<int32_t>(Now() + 1);
            }
        }
    }
    ReplayPosition = t;
}

void TPlateau::ReplayRewind() {
    GameStatus = kReplayPaused;
    const int entries = RecordedEntries();
    if (entries == 0) return;
    if (Owner) Owner->ResetReplayTrackBar(entries);
    Engine->Loser = kUndecided;
    ClearHighlight();
    ReplayMode = true;
    GoToEntry(0);
    if (Owner) Owner->RefreshView();
}

// Mended: leaving replay used to leave every game waiting in the placing click state,
// whatever the entry shown, so a finished game took a move that the engine then refused
// and a game in its moving phase refused its first clicks. The game resumes at the entry
// shown, as after undo; a live game still waits for its player's first click.
void TPlateau::EndReplay() {
    ReplayMode = false;
    HintsShown = false;
    GameStatus = kWaiting;
    if (KeepHistory && MoveCount >= 0 && MoveCount < static_cast<int>(History.size()) &&
        !History[static_cast<size_t>(MoveCount)].Empty()) {
        ResumeAt(MoveCount);
        if (GameStatus == kHumanToAct) GameStatus = kWaiting;
    }
    if (Owner) Owner->LeaveReplay();
}

} // namespace vantorel
