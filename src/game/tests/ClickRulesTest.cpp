// Clicks against the plain reading of the rules: whatever the rule options, every move the
// plain generator lists can be completed by clicks on a game object, and no sequence of
// clicks completes any other move. The computer plays the generator's moves as clicks too,
// so a move the clicks refuse would also stop the computer.
#include "GameTestSupport.h"

#include "engine/Random.h"
#include "engine/tests/PlainRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <sstream>

using namespace vantorel;
using vantorel::testing::PieceOf;
using vantorel::testing::PlainPosition;
using vantorel::testing::PlainRules;
using vantorel::testing::TestGame;

namespace {

struct Rules {
    int kind, jumpRule, captureRule, captureWhilePlacing;
};

struct Position {
    std::string board;
    int reserve[2];
    int toMove;
};

std::string Describe(const Position& p) {
    std::ostringstream out;
    out << p.board << " reserves " << p.reserve[0] << "/" << p.reserve[1] << ", side " << p.toMove
        << " to move";
    return out.str();
}

std::vector<int32_t> Packed(const std::vector<TMove>& moves) {
    std::vector<int32_t> packed;
    for (const TMove& m : moves)
        packed.push_back(m.Packed());
    std::sort(packed.begin(), packed.end());
    packed.erase(std::unique(packed.begin(), packed.end()), packed.end());
    return packed;
}

std::string Text(const std::vector<TMove>& moves) {
    std::string text;
    for (const TMove& m : moves)
        text += TPlateau::MoveText(m) + "; ";
    return text;
}

class ClicksMatchRules : public ::testing::TestWithParam<Rules> {
protected:
    void SetUp() override {
        const Rules& r = GetParam();
        game_ = std::make_unique<TestGame>(r.kind);
        Tmodele& model = game_->game->Model;
        model.JumpRule = r.jumpRule;
        model.CaptureRule = r.captureRule;
        model.CaptureWhilePlacing = r.captureWhilePlacing;
        model.DiceRule = 0;
        game_->game->NewGame();
        plain_ = std::make_unique<PlainRules>(game_->game->Model);
    }

    int Points() const { return game_->game->Model.PointCount(); }
    int Pieces() const { return game_->game->Model.PiecesPerSide[0]; }

    // The game at `p`, at the start of the turn of the side to move.
    void Load(const Position& p) {
        TPlateau& game = *game_->game;
        THistoryEntry& start = game.History[0];
        start.Position = p.board;
        start.ReserveWhite = static_cast<int8_t>(p.reserve[kWhite]);
        start.ReserveBlack = static_cast<int8_t>(p.reserve[kBlack]);
        start.Side = static_cast<int8_t>(1 - p.toMove);
        game.GoToEntry(0);
        ASSERT_EQ(game.Engine->LiveBoard, p.board);
        game.Engine->Loser = kUndecided;
        game.GameStatus = kHumanToAct;
        game.ClickState = p.reserve[p.toMove] > 0 ? kClickDestination : kClickSelect;
    }

    // Plays the clicks on `p`; the move they completed, or none.
    std::optional<TMove> Completed(const Position& p, const std::vector<int>& clicks) {
        Load(p);
        game_->Play(clicks);
        if (game_->game->MoveCount != 1) return std::nullopt;
        return game_->game->History[1].Move;
    }

    // Every plausible click sequence: a destination (after selecting one of the mover's
    // pieces when it has no reserve), then, when the game asks for a capture, each opposing
    // piece in turn.
    std::vector<TMove> AcceptedByClicks(const Position& p) {
        const int mover = p.toMove;
        std::vector<int> froms = {-1};
        if (p.reserve[mover] <= 0) {
            froms.clear();
            for (int q = 0; q < Points(); ++q)
                if (p.board[static_cast<size_t>(q)] == PieceOf(mover)) froms.push_back(q);
        }
        std::vector<TMove> accepted;
        for (const int from : froms)
            for (int to = 0; to < Points(); ++to) {
                if (p.board[static_cast<size_t>(to)] != 'L') continue;
                std::vector<int> clicks;
                if (from >= 0) clicks.push_back(from);
                clicks.push_back(to);
                if (const auto move = Completed(p, clicks)) {
                    accepted.push_back(*move);
                    continue;
                }
                if (game_->game->ClickState != kClickCapture) continue;
                for (int c = 0; c < Points(); ++c) {
                    if (p.board[static_cast<size_t>(c)] != PieceOf(1 - mover)) continue;
                    clicks.push_back(c);
                    if (const auto move = Completed(p, clicks)) accepted.push_back(*move);
                    clicks.pop_back();
                }
            }
        return accepted;
    }

    std::vector<TMove> Listed(const Position& p) const {
        const PlainPosition plain{
            p.board, {p.reserve[0], p.reserve[1]}, 1 - p.toMove, {p.reserve[0], p.reserve[1]}};
        return plain_->Moves(plain);
    }

    bool Compare(const Position& p) {
        const std::vector<TMove> listed = Listed(p);
        const std::vector<TMove> accepted = AcceptedByClicks(p);
        EXPECT_EQ(Packed(accepted), Packed(listed))
            << Describe(p) << "\n  clicks: " << Text(accepted) << "\n  rules:  " << Text(listed);
        ++compared_;
        return !HasFailure();
    }

    static Position After(const Position& p, TMove m) {
        Position next = p;
        const int mover = p.toMove;
        if (m.From >= 0)
            next.board[static_cast<size_t>(m.From)] = 'L';
        else
            --next.reserve[mover];
        next.board[static_cast<size_t>(m.To)] = PieceOf(mover);
        if (m.Capture >= 0) next.board[static_cast<size_t>(m.Capture)] = 'L';
        if (m.Capture == kReserveCapture) --next.reserve[1 - mover];
        next.toMove = 1 - mover;
        return next;
    }

    // Random games from the start, every position compared.
    void RandomGames(int games, int plies, std::mt19937& random) {
        for (int g = 0; g < games; ++g) {
            Position p{std::string(static_cast<size_t>(Points()), 'L'),
                       {Pieces(), Pieces()},
                       static_cast<int>(random() % 2)};
            for (int ply = 0; ply < plies; ++ply) {
                if (!Compare(p)) return;
                const std::vector<TMove> moves = Listed(p);
                if (moves.empty()) break;
                p = After(p, moves[random() % moves.size()]);
            }
        }
    }

    // Boards where captures are decided by the rules' fallbacks: the side that just moved
    // sits in complete mills, the mover has mills to close, few pieces on either side.
    void MillHeavyBoards(int count, std::mt19937& random) {
        const auto& mills = game_->game->Model.Mills;
        const int reserves[] = {0, 0, 0, 1, 3};
        for (int i = 0; i < count; ++i) {
            Position p{std::string(static_cast<size_t>(Points()), 'L'),
                       {0, 0},
                       static_cast<int>(random() % 2)};
            const int mover = p.toMove;
            const auto fill = [&](int side, int pieces) {
                const TMillRec& mill = mills[random() % mills.size()];
                for (const int q : {mill.P1, mill.P2, mill.P3}) {
                    char& at = p.board[static_cast<size_t>(q)];
                    if (at == 'L' && pieces-- > 0) at = PieceOf(side);
                }
            };
            for (unsigned k = 0, n = 1 + random() % 2; k < n; ++k)
                fill(1 - mover, 3);
            fill(mover, 2);
            for (unsigned extra = random() % 3; extra > 0;) {
                const size_t q = random() % static_cast<unsigned>(Points());
                if (p.board[q] != 'L') continue;
                p.board[q] = PieceOf(mover);
                --extra;
            }
            for (int side : {kWhite, kBlack}) {
                const int onBoard = vantorel::testing::PiecesOn(p.board, side);
                p.reserve[side] = std::min(reserves[random() % 5], Pieces() - onBoard);
            }
            if (!Compare(p)) return;
        }
    }

    std::unique_ptr<TestGame> game_;
    std::unique_ptr<PlainRules> plain_;
    int compared_ = 0;
};

// Guards the click path against the generator under every rule option. Capture rule 3 used
// to look at the opponent's count where the generator looks at the mover's: a mover down to
// three pieces could not take any piece by clicks, and a mover facing three pieces in a mill
// was asked for a capture no rule allowed.
TEST_P(ClicksMatchRules, ClicksAcceptExactlyTheListedMoves) {
    const Rules& r = GetParam();
    std::mt19937 random(static_cast<uint32_t>(1 + r.kind * 1000 + r.jumpRule * 100 +
                                              r.captureRule * 10 + r.captureWhilePlacing));
    RandSeed(7);
    const auto board = [this](std::initializer_list<int> white, std::initializer_list<int> black) {
        std::string b(static_cast<size_t>(Points()), 'L');
        for (int q : white)
            b[static_cast<size_t>(q)] = 'B';
        for (int q : black)
            b[static_cast<size_t>(q)] = 'N';
        return b;
    };
    // Mills 0-1-2, 8-9-10 and 16-17-18 on both built-in boards; 3 -> 2 closes the first.
    const Position fixed[] = {
        {board({0, 1, 3}, {8, 9, 10, 16, 17, 18}), {0, 0}, kWhite}, // the mover has three
        {board({0, 1, 3, 12, 20}, {8, 9, 10}), {0, 0}, kWhite},     // the opponent has three
        {board({0, 1}, {8, 9, 10}), {2, 0}, kWhite},                // placing into a mill
        {board({0, 1, 3}, {8, 9, 10, 16, 17, 18}), {0, 1}, kWhite}, // a reserve to take from
    };
    for (const Position& p : fixed)
        if (!Compare(p)) return;
    RandomGames(1, 40, random);
    if (HasFailure()) return;
    MillHeavyBoards(30, random);
    EXPECT_GE(compared_, 40);
}

std::vector<Rules> AllRules() {
    std::vector<Rules> all;
    for (int kind : {0, 1})
        for (int jump = 0; jump <= 2; ++jump)
            for (int capture = 0; capture <= 3; ++capture)
                for (int placing = 0; placing <= 1; ++placing)
                    all.push_back({kind, jump, capture, placing});
    return all;
}

std::string RulesName(const ::testing::TestParamInfo<Rules>& info) {
    const Rules& r = info.param;
    return std::string(r.kind == 0 ? "Marelle" : "Morris") + "_Jump" + std::to_string(r.jumpRule) +
           "_Capture" + std::to_string(r.captureRule) + "_Placing" +
           std::to_string(r.captureWhilePlacing);
}

// Failures name the rules instead of dumping their bytes.
void PrintTo(const Rules& r, std::ostream* os) {
    *os << RulesName(::testing::TestParamInfo<Rules>(r, 0));
}

INSTANTIATE_TEST_SUITE_P(Rules, ClicksMatchRules, ::testing::ValuesIn(AllRules()), RulesName);

} // namespace
