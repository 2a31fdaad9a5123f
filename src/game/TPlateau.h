#pragma once
// The live game: who plays which side and how, whose turn it is and what the next click
// means, a record per physical piece for the views to animate, the highlight marks, the
// dice, the history and the game status the controller runs on. Every input reaches it as
// point clicks.
#include "TGameOwner.h"

#include "engine/TText.h"
#include "engine/Tjeu.h"
#include "engine/Tmodele.h"

#include <array>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace vantorel {

// An illegal move, with the message shown to the player.
class Ecoup_imposible : public TTextError {
public:
    using TTextError::TTextError;
};

struct TPieceRec {
    enum : uint8_t { InReserve = 0, OnBoard = 1, Selected = 2, Captured = 255 };
    uint8_t State = InReserve;
    int8_t Point = -1; // −2 while being captured
    int8_t PreviousPoint = -1;
    double X = 0, Y = 0, Z = 0; // the view's resting place
    int32_t Stamp = 0;          // tick of the last change: the views animate the oldest first
};

struct TPlayerRec {
    enum : uint8_t { Human = 1, Caller = 2, Computer = 3, Server = 4 };
    std::string Name;
    uint8_t Kind = Human;
    std::string Note;
    int32_t Level = 0;
};

struct TDieRec {
    int8_t Value = -1;
    uint8_t Rolling = 0;
    int32_t StartTick = 0;
};

struct THistoryEntry {
    std::string Position;
    int8_t ReserveWhite = 0;
    int8_t ReserveBlack = 0;
    int8_t Side = -1; // −1: empty, ends the recorded game
    TMove Move = NoMove;
    int32_t ElapsedMs = 0;
    int32_t Tick = 0;
    std::array<int8_t, 3> DiceValues = {-1, -1, -1};
    int8_t RemovedPoint = 0;
    int8_t Status = -1;

    bool Empty() const { return Side < 0; }
};

enum TGameType : int8_t {
    kNoGame = 0,
    kHumanVsComputer = 1,
    kHumanVsHuman = 2,
    kNetworkServer = 3,
    kComputerVsComputer = 4,
    kNetworkCaller = 5,
};

enum TGameStatus : int8_t {
    kWaiting = 0,
    kHumanToAct = 1,
    kComputerToAct = 2,
    kReplayForward = 3,
    kReplayPaused = 4,
    kReplayBackward = 5,
    kPrinting = 6,
    kWhiteWon = 10,
    kBlackWon = 11,
    kDraw = 12,
    kClosing = -1,
};

enum TClickState : int8_t {
    kClickDestination = 1, // place, or give the selected piece's destination
    kClickSelect = 2,
    kClickCapture = 3,
    kClickRollDice = 4,
    kClickStopDice = 5,
    kClickDiceRemoval = 6,
    kClickComputerDice = 7,
};

inline constexpr int kNoColour = 255;
inline constexpr int kHistoryGrowth = 20;
// More entries than any game can reach; a file or a peer that claims more is refused.
inline constexpr int kMaxHistoryEntries = 10000;

// Whether the game's engine keeps a transposition table between the computer's searches. A
// game that never thinks (a reader of files or messages run thousands of times a second)
// goes without: the 65 004 slots cost more to clear than the rest of a game to build.
enum class TSearchTable : uint8_t { Own, None };

class TPlateau {
public:
    using Clock = std::function<uint32_t()>;

    // `clock` gives milliseconds; `reseed` seeds the program's generator for a new game
    // (from the clock unless a test or a tool wants a repeatable game).
    TPlateau(int32_t modelKind, bool keepHistory, TGameOwner* owner, Clock clock = {},
             std::function<void()> reseed = {}, TSearchTable table = TSearchTable::Own);
    TPlateau(const TPlateau&) = delete;
    TPlateau& operator=(const TPlateau&) = delete;

    int8_t InvalidClicks = 0;
    bool ReplayMode = false;
    int32_t ReplayPosition = 0;
    TGameOwner* Owner = nullptr;
    TMove PendingMove = NoMove;
    bool HintsShown = false;
    int8_t GameType = kHumanVsComputer;
    int8_t ClickState = kClickDestination;
    int32_t QuietMoves = 0;
    std::vector<THistoryEntry> History;
    bool KeepHistory = false;
    int8_t SideToMove = kWhite;
    int32_t MoveCount = 0;
    Tmodele Model;
    std::unique_ptr<Tjeu> Engine;
    int32_t LastMover = kBlack;
    std::array<std::vector<TPieceRec>, 2> Pieces;
    int8_t GameStatus = kWaiting;
    std::string Highlight; // one mark per point; empty without an owner
    std::string Title;
    std::array<TPlayerRec, 2> Players;
    std::array<TDieRec, 4> Dice; // indexed 1..3
    int32_t KeyboardCursor = -1;

    void NewGame();
    void Click(int point, int colour = kNoColour, int pieceIndex = -1);
    void CancelSelection();
    // Throws the three dice; the roll click then shows them rolling.
    void RollDice();
    void MarkMoveHints(int side);
    void MarkDiceRemovals(int victim, bool& reserveRemovable);
    int SyncPieces();

    // Move execution and the end of the game.
    bool ExecuteMove(int side, TMove move);
    bool ApplyDiceRemoval(int victim, int point);
    bool IsRepetitionDraw() const;
    void OfferDraw();

    // History and notation.
    int GoToEntry(int index);
    void Undo();
    void Redo();
    static std::string MoveText(TMove move);
    TText EntryMessage(const THistoryEntry& entry) const;
    std::string EntryText(const THistoryEntry& entry) const;
    void ShowLastMoves();
    void ClockTick();
    // The game script, its words rendered by `render` (French when it is empty).
    std::string GameScript(const TTextRenderer& render = {}) const;
    int RecordedEntries() const;

    // Replay.
    void StartReplay();
    void ReplaySeek(int index);
    void ReplayRewind();
    void EndReplay();

    // The saved game. LoadGame reads the whole file before it changes anything: a damaged
    // or foreign file throws StreamError and leaves the game as it was.
    void SaveGame(std::ostream& stream) const;
    void LoadGame(std::istream& stream);

    // The chooser's previews: one computer move at the first level, applied directly.
    bool PlayPreviewMove();

    uint32_t Now() const { return clock_(); }
    // The side to move, the highlight and the record counts agree with the engine.
    std::string InvariantProblem() const;

private:
    struct StatusLink : TGameStatusSource {
        const TPlateau* game = nullptr;
        int GameStatus() const override { return game->GameStatus; }
    };

    void RebuildEngine();
    void ResetPieces();
    void RecordStart();
    void EmptyEntry(THistoryEntry& entry) const;
    void GrowHistoryFor(int index);
    bool NetworkGuardAllows() const;
    void Reject() { ++InvalidClicks; }
    void ClearHighlight();
    void MarkOnly(int point, char mark);
    TPieceRec* RecordOn(int side, int point);
    TPieceRec* HighestReserveRecord(int side);
    int8_t InitialClickState() const {
        return Model.DiceRule == 1 ? kClickRollDice : kClickDestination;
    }
    // What the first click of the side to move's turn means: select a piece once its reserve
    // is empty, else place (after the dice when the variant has them).
    int8_t TurnClickState() const;
    // After a history move or a load: the engine's loser agrees with the game status.
    void RestoreLoser();
    // Undo and Redo: play goes on from the entry shown.
    void ResumeAt(int index);
    void ClickDestination(int point, int colour, int pieceIndex);

    Clock clock_;
    std::function<void()> reseed_;
    TSearchTable table_ = TSearchTable::Own;
    StatusLink statusLink_;
};

// The French texts of the game object. The title of a game never saved and the default
// names are data: files keep them as they are, whatever the language.
namespace texts {
inline constexpr const char* kUntitled = VANTOREL_TEXT("Catalogue", "Sans titre");
inline constexpr const char* kWhite = VANTOREL_TEXT("Catalogue", "Blanc");
inline constexpr const char* kBlack = VANTOREL_TEXT("Catalogue", "Noir");
inline constexpr const char* kColourSeparator = " : ";
inline constexpr const char* kDefaultWhiteName = "Olvira";
inline constexpr const char* kDefaultBlackName = "Vantorel";
// The engine's check code and the move.
inline constexpr const char* kIllegalMove =
    VANTOREL_TEXT("Catalogue", "Coup impossible. Erreur n° Erreur %d. (%s)");
inline constexpr const char* kAcceptDraw = VANTOREL_TEXT("Catalogue", "Acceptez-vous le nul ?");
inline constexpr const char* kDrawAccepted = VANTOREL_TEXT("Catalogue", "Nul accepté");
inline constexpr const char* kDrawRefused = VANTOREL_TEXT("Catalogue", "Nul refusé");
} // namespace texts

} // namespace vantorel
