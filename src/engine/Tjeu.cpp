#include "Tjeu.h"

#include "Random.h"
#include "Tmodele.h"

#include <algorithm>
#include <cassert>
#include <stdexcept>

namespace vantorel {

Tjeu::Tjeu(const Tmodele& model, int sideToMove, const TGameStatusSource* game)
    : Tjeu(std::make_shared<const TRules>(model), model.PiecesPerSide, sideToMove, game) {}

Tjeu::Tjeu(std::shared_ptr<const TRules> rules, const int32_t piecesPerSide[2], int sideToMove,
           const TGameStatusSource* game)
    : Search(rules, game), DecisionClock(TickCount), rules_(std::move(rules)), game_(game) {
    SideToMove = static_cast<uint8_t>(sideToMove & 1);
    LiveBoard.assign(static_cast<size_t>(rules_->PointCount()), 'L');
    LiveReserve[0] = static_cast<int8_t>(piecesPerSide[0]);
    LiveReserve[1] = static_cast<int8_t>(piecesPerSide[1]);
    for (auto& ply : Plies) {
        ply = TPly{};
        ply.Reserve[0] = LiveReserve[0];
        ply.Reserve[1] = LiveReserve[1];
    }
    for (auto& list : scratchLists_)
        list.reserve(30);
}

int Tjeu::MillsAt(std::string_view board, int point, int side) const {
    TPly ply;
    rules_->LoadBoard(board, ply);
    return rules_->MillsAt(ply.Pieces[side & 1], point, side & 1, LiveReserve);
}

char Tjeu::CaptureKind(int side, TMove move) const {
    side &= 1;
    const int opponent = 1 - side;
    TPly scratch;
    rules_->LoadBoard(LiveBoard, scratch);
    for (int8_t emptied : {move.From, move.Capture}) {
        scratch.Pieces[0] &= ~PointBit(emptied);
        scratch.Pieces[1] &= ~PointBit(emptied);
    }
    const PointSet to = PointBit(move.To) & rules_->AllPoints();
    scratch.Pieces[side] |= to;
    scratch.Pieces[opponent] &= ~to;
    if (rules_->MillsAt(scratch.Pieces[side], move.To, side, LiveReserve) == 0) return '0';

    const PointSet theirs = scratch.Pieces[opponent];
    bool freePiece = false;
    ForEachPoint(theirs, [&](int p) {
        if (rules_->MillsAt(theirs, p, opponent, LiveReserve) == 0) freePiece = true;
    });
    if (freePiece) return 'J';
    const bool reserveLeft = LiveReserve[opponent] > 0;
    // Rule 3 lets any piece go only while the mover itself is down to three, as the
    // generator has it: a click must complete exactly the moves the computer may play.
    const bool moverDownToThree = LiveReserve[side] <= 0 && PointCountOf(scratch.Pieces[side]) == 3;
    switch (rules_->CaptureRule()) {
    case 1:
        return reserveLeft ? 'R' : '0';
    case 2:
        return reserveLeft ? 'R' : (theirs ? 'M' : '0');
    case 3:
        return reserveLeft ? 'R' : (moverDownToThree && theirs ? 'M' : '0');
    default:
        return '0';
    }
}

int Tjeu::CheckMove(int side, TMove move) {
    side &= 1;
    const int n = rules_->PointCount();
    if (move.To < 0 || move.To >= n) return kToOffBoard;
    if (move.Capture > n - 1) return kCaptureOffBoard;
    if (move.From < 0 && LiveReserve[side] <= 0) return kReserveEmpty;
    if (LiveBoard[static_cast<size_t>(move.To)] != 'L') return kToOccupied;
    if (move.Capture >= 0) {
        const char captured = LiveBoard[static_cast<size_t>(move.Capture)];
        if (captured == 'L') return kCaptureEmpty;
        if (captured == (side == kWhite ? 'B' : 'N')) return kCaptureOwnPiece;
    }
    if (Loser >= 0) return kGameDecided;
    Tsuivants& legal = scratchLists_[0];
    legal.clear();
    LegalMoves(side, LiveBoard, legal);
    return std::find(legal.begin(), legal.end(), move) != legal.end() ? kMoveLegal : kNotLegal;
}

int8_t Tjeu::PlayMove(int side, bool switchTurn, TMove move) {
    side &= 1;
    const auto onBoard = [this](int p) { return p >= 0 && p < rules_->PointCount(); };
    Loser = kUndecided;
    if (onBoard(move.To)) LiveBoard[static_cast<size_t>(move.To)] = side == kWhite ? 'B' : 'N';
    if (onBoard(move.Capture)) LiveBoard[static_cast<size_t>(move.Capture)] = 'L';
    if (onBoard(move.From)) LiveBoard[static_cast<size_t>(move.From)] = 'L';
    if (move.From == -1) --LiveReserve[side];
    if (move.Capture == kReserveCapture) --LiveReserve[1 - side];
    if (switchTurn) SideToMove = static_cast<uint8_t>(1 - side);
    LastMove = move;

    Loser = DecideLoser(side);
    assert(LiveInvariantProblem().empty());
    return Loser;
}

int8_t Tjeu::DecideLoser(int side) {
    side &= 1;
    TPly live;
    rules_->LoadBoard(LiveBoard, live);
    // The limit of three pieces is fixed, whatever the variant's MinPieces.
    const int white = LiveReserve[0] + PointCountOf(live.Pieces[0]);
    const int black = LiveReserve[1] + PointCountOf(live.Pieces[1]);
    int8_t loser = kUndecided;
    if (black < 3 && white >= 3) loser = 1;
    if (white < 3 && black >= 3) loser = 0;
    if (white < 3 && black < 3) loser = kBothLost;
    if (loser == kUndecided) {
        LoadPly(0, LiveBoard, LiveReserve, side);
        Tsuivants& replies = scratchLists_[0];
        replies.clear();
        GenerateMoves(0, replies);
        if (replies.empty()) loser = static_cast<int8_t>(1 - side);
    }
    return loser;
}

void Tjeu::LegalMoves(int side, std::string_view board, Tsuivants& list) {
    LoadPly(0, board, LiveReserve, 1 - (side & 1));
    GenerateMoves(0, list);
}

void Tjeu::LegalCaptures(int victim, std::string_view board, Tsuivants& list) {
    LoadPly(0, board, LiveReserve, victim & 1);
    GenerateCaptures(0, list);
}

void Tjeu::GenerateMoves(int ply, Tsuivants& list) {
    if (GameStatus() < 0) return;
    rules_->GenerateMoves(Plies.at(static_cast<size_t>(ply)), LiveReserve, list);
}

void Tjeu::GenerateCaptures(int ply, Tsuivants& list) {
    rules_->GenerateCaptures(Plies.at(static_cast<size_t>(ply)), LiveReserve, list);
}

void Tjeu::MakeChild(int ply, TMove move) {
    if (ply < 0 || ply + 1 >= kPlyCount) throw std::out_of_range("ply beyond the search stack");
    rules_->MakeChild(Plies[static_cast<size_t>(ply)], Plies[static_cast<size_t>(ply) + 1], move);
    AssertSound(ply + 1);
}

void Tjeu::LoadPly(int ply, std::string_view board, const int8_t reserve[2], int mover) {
    TPly& target = Plies.at(static_cast<size_t>(ply));
    rules_->LoadBoard(board, target);
    target.Reserve[0] = reserve[0];
    target.Reserve[1] = reserve[1];
    target.Mover = static_cast<int8_t>(mover & 1);
    target.PlyMove = NoMove;
}

uint64_t Tjeu::Perft(int depth) {
    if (depth < 0) return 0;
    return PerftFrom(0, std::min(depth, kPlyCount - 1));
}

uint64_t Tjeu::PerftFrom(int ply, int depth) {
    if (depth == 0) return 1;
    Tsuivants& moves = scratchLists_[static_cast<size_t>(ply)];
    moves.clear();
    GenerateMoves(ply, moves);
    if (depth == 1) return moves.size();
    uint64_t leaves = 0;
    // The list of this ply stays untouched by the children, which use the next lists.
    for (size_t i = 0; i < moves.size(); ++i) {
        MakeChild(ply, moves[i]);
        leaves += PerftFrom(ply + 1, depth - 1);
    }
    return leaves;
}

std::string Tjeu::LiveInvariantProblem() const {
    if (LiveBoard.size() != static_cast<size_t>(rules_->PointCount()))
        return "the live board does not have one character per point";
    for (char c : LiveBoard)
        if (c != 'L' && c != 'B' && c != 'N') return "the live board holds a foreign character";
    for (int side = 0; side < 2; ++side)
        if (LiveReserve[side] < 0) return "a live reserve is negative";
    if (SideToMove > 1) return "the side to move is not a side";
    return {};
}

void Tjeu::AssertSound([[maybe_unused]] int ply) const {
    assert(rules_->InvariantProblem(Plies[static_cast<size_t>(ply)]).empty());
}

void Tjeu::SetLivePosition(std::string board, const int8_t (&reserve)[2], int side, TMove lastMove,
                           int8_t loser) {
    LiveBoard = std::move(board);
    LiveReserve[0] = reserve[0];
    LiveReserve[1] = reserve[1];
    SideToMove = static_cast<uint8_t>(side & 1);
    LastMove = lastMove;
    Loser = loser;
}

} // namespace vantorel
