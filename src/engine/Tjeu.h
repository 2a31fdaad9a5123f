#pragma once
// The rules engine of one game: the live position, the ply stack the searches and the
// list operations work on, and the checks and plays of the moves the game object hands in.
#include "TMove.h"
#include "TRules.h"
#include "TSearch.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vantorel {

class Tmodele;

// What the engine needs of the game that owns it: whether the game is being stopped
// (a negative status), in which case no move is generated.
class TGameStatusSource {
public:
    virtual ~TGameStatusSource() = default;
    virtual int GameStatus() const = 0;
};

// Check codes of CheckMove.
enum TCheckCode : int {
    kMoveLegal = 0,
    kToOffBoard = -1,
    kCaptureOffBoard = -2,
    kReserveEmpty = 1,
    kToOccupied = 2,
    kCaptureEmpty = 3,
    kCaptureOwnPiece = 4,
    kGameDecided = 5,
    kNotLegal = 99,
};

class Tjeu {
public:
    static constexpr int kPlyCount = 31;

    // The model must be playable; throws std::invalid_argument with the reason otherwise.
    explicit Tjeu(const Tmodele& model, int sideToMove = kWhite,
                  const TGameStatusSource* game = nullptr);

    const TRules& Rules() const { return *rules_; }
    int PointCount() const { return rules_->PointCount(); }
    int BufferSize() const { return rules_->PointCount() + 1; }
    int GameStatus() const { return game_ ? game_->GameStatus() : 0; }

    // The ply stack of the list operations (LegalMoves, LegalCaptures, PlayMove's test).
    std::array<TPly, kPlyCount> Plies{};
    // The computer's search: its own ply stack, root lines, counters and table.
    TSearch Search;
    // The clock of the timed levels, in milliseconds; replaceable for tests.
    std::function<uint32_t()> DecisionClock;

    // The live game. The game object writes these directly when it moves through its
    // history or loads a game.
    uint8_t SideToMove = kWhite;
    std::string LiveBoard;
    int8_t LiveReserve[2] = {0, 0};
    TMove LastMove = NoMove;
    int8_t Loser = kUndecided;
    // Puts a position of another game here, for a search of its own.
    void SetLivePosition(std::string board, const int8_t (&reserve)[2], int side,
                         TMove lastMove = NoMove, int8_t loser = kUndecided);

    int MillsAt(std::string_view board, int point, int side) const;
    // '0', 'J', 'R' or 'M': what `move` of `side` earns on the live board.
    char CaptureKind(int side, TMove move) const;
    int CheckMove(int side, TMove move);
    // Applies `move` without validation (indices off the board are ignored); returns Loser.
    int8_t PlayMove(int side, bool switchTurn, TMove move);
    // The loser code of the live position after `side` has moved: a side below three
    // pieces has lost, and so has the other side when it cannot move.
    int8_t DecideLoser(int side);
    void LegalMoves(int side, std::string_view board, Tsuivants& list);
    void LegalCaptures(int victim, std::string_view board, Tsuivants& list);

    // The same rules on the ply stack.
    void GenerateMoves(int ply, Tsuivants& list);
    void GenerateCaptures(int ply, Tsuivants& list);
    void MakeChild(int ply, TMove move);

    // Sets ply `ply` to a board string, reserves (white, black) and mover.
    void LoadPly(int ply, std::string_view board, const int8_t reserve[2], int mover);
    std::string PlyBoard(int ply) const {
        return rules_->BoardString(Plies.at(static_cast<size_t>(ply)));
    }
    // The live position as a ply whose Mover is the side not to move.
    TPly LivePly() const;

    // The computer's choices. ComputerMove seeds the generator from the clock unless a
    // seed is given; it leaves `move` untouched when the game is being stopped.
    void ComputerMove(int side, int level, TMove& move, std::optional<uint32_t> seed = {});
    // The depth of the last search ComputerMove completed.
    int LastCompletedDepth() const { return lastCompletedDepth_; }
    void Suggest(int depth, TSearchLine& line, bool captureFirst, int evalMode, int algorithm);
    int BestCapture(int victim);
    int32_t EvaluatePosition(int side, std::string_view board, int evalMode, TMove lastMove,
                             int reserveBlack, int reserveWhite);
    // Time allowed to a level in milliseconds, 0 for the levels that search by depth.
    static uint32_t LevelTimeMs(int level);

    // Leaves of the GenerateMoves/MakeChild tree `depth` plies below ply 0.
    uint64_t Perft(int depth);

    // Debug builds assert these after every MakeChild and PlayMove.
    std::string LiveInvariantProblem() const;

private:
    Tjeu(std::shared_ptr<const TRules> rules, const int32_t piecesPerSide[2], int sideToMove,
         const TGameStatusSource* game);
    uint64_t PerftFrom(int ply, int depth);
    void AssertSound(int ply) const;

    std::shared_ptr<const TRules> rules_;
    const TGameStatusSource* game_;
    std::array<Tsuivants, kPlyCount> scratchLists_;
    int lastCompletedDepth_ = 0;
};

} // namespace vantorel
