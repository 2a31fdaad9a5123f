// The library the program ships, read back from the file the build wrote: every variant
// loads, the engine accepts it, its mills lie along its links, and computers can play it out.
#include "game/TFileModele.h"
#include "game/VariantSource.h"

#include "engine/THashTable.h"
#include "engine/Tjeu.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <tuple>

namespace vantorel {
namespace {

class NoSettings : public TLibrarySettings {
public:
    std::filesystem::path StoredPath() const override { return VANTOREL_SHIPPED_LIBRARY; }
    void StorePath(const std::filesystem::path&) override {}
};

std::vector<Tmodele> Shipped() {
    NoSettings settings;
    const TFileModele library(settings, std::filesystem::current_path());
    std::string problem;
    std::vector<Tmodele> variants = library.ReadAll(&problem);
    EXPECT_EQ(problem, "");
    return variants;
}

// Draws as between two computer players: 50 moves without a capture, or a position seen for
// the third time. Returns the loser, 2 for a draw, −1 when the game did not end in `maxPlies`.
int PlayOut(const Tmodele& model, int level, int maxPlies) {
    Tjeu rules(model, kWhite);
    std::unique_ptr<Tjeu> players[2];
    for (auto& player : players) {
        player = std::make_unique<Tjeu>(model, kWhite);
        player->Search.SetHashTable(std::make_unique<THashTable>(model.PointCount()));
    }
    std::map<std::tuple<std::string, int, int, int>, int> seen;
    int quiet = 0;
    Tsuivants legal;
    for (int ply = 0; ply < maxPlies; ++ply) {
        const int side = rules.SideToMove;
        legal.clear();
        rules.LegalMoves(side, rules.LiveBoard, legal);
        if (legal.empty()) return side;
        Tjeu& engine = *players[side];
        engine.LiveBoard = rules.LiveBoard;
        engine.LiveReserve[0] = rules.LiveReserve[0];
        engine.LiveReserve[1] = rules.LiveReserve[1];
        engine.SideToMove = rules.SideToMove;
        engine.LastMove = rules.LastMove;
        TMove move = NoMove;
        engine.ComputerMove(side, level, move, 1000u + static_cast<uint32_t>(ply));
        EXPECT_EQ(rules.CheckMove(side, move), kMoveLegal) << model.Name << " ply " << ply;
        const int8_t loser = rules.PlayMove(side, true, move);
        if (loser == kWhite || loser == kBlack) return loser;
        quiet = move.Capture == kNoCapture ? quiet + 1 : 0;
        if (quiet >= 50) return 2;
        const auto key = std::make_tuple(rules.LiveBoard, int{rules.LiveReserve[0]},
                                         int{rules.LiveReserve[1]}, int{rules.SideToMove});
        if (++seen[key] >= 3) return 2;
    }
    return -1;
}

// Each mill is two links end to end: one of its points is linked to the other two.
bool MillOnLinks(const Tmodele& model, const TMillRec& mill) {
    std::set<std::pair<int, int>> links;
    for (const TLinkRec& l : model.Links) {
        links.emplace(l.A, l.B);
        links.emplace(l.B, l.A);
    }
    const int p[3] = {mill.P1, mill.P2, mill.P3};
    for (int middle = 0; middle < 3; ++middle)
        if (links.count({p[middle], p[(middle + 1) % 3]}) &&
            links.count({p[middle], p[(middle + 2) % 3]}))
            return true;
    return false;
}

TEST(ShippedLibraryTest, TheFileHoldsEveryVariantOfItsText) {
    std::ifstream text(VANTOREL_VARIANT_SOURCE);
    const std::vector<Tmodele> source = ReadVariantSource(text);
    const std::vector<Tmodele> shipped = Shipped();
    ASSERT_EQ(shipped.size(), source.size());
    ASSERT_GE(shipped.size(), 12u);
    std::set<std::string> names;
    std::set<std::tuple<int, int, int, int>> identities;
    for (size_t i = 0; i < shipped.size(); ++i) {
        EXPECT_TRUE(shipped[i].SameAs(source[i])) << source[i].Name;
        EXPECT_EQ(shipped[i].Name, source[i].Name);
        EXPECT_EQ(shipped[i].Description, source[i].Description);
        if (shipped[i].Kind != 0) {
            EXPECT_FALSE(shipped[i].Description.empty()) << source[i].Name;
        }
        names.insert(shipped[i].Name);
        identities.emplace(shipped[i].Kind, shipped[i].Day, shipped[i].Month, shipped[i].Year);
    }
    EXPECT_EQ(names.size(), shipped.size());
    EXPECT_EQ(identities.size(), shipped.size()) << "every variant is found by its identity";
    // The built-in board is the one a new player starts on: it is found in the library.
    EXPECT_TRUE(shipped[0].SameAs(Tmodele(0)));
    EXPECT_TRUE(shipped[1].SameAs(Tmodele(1)));
}

TEST(ShippedLibraryTest, EveryVariantIsPlayableWithItsMillsOnLinks) {
    for (const Tmodele& model : Shipped()) {
        SCOPED_TRACE(model.Name);
        EXPECT_EQ(model.PlayabilityProblem(), "");
        for (const TMillRec& mill : model.Mills)
            EXPECT_TRUE(MillOnLinks(model, mill)) << mill.P1 << "-" << mill.P2 << "-" << mill.P3;
        for (const TPointRec& p : model.Points) {
            EXPECT_LE(std::abs(p.X), 10.0) << "the chooser's previews draw −10..10";
            EXPECT_LE(std::abs(p.Y), 10.0);
        }
        Tjeu engine(model, kWhite);
        // The first placement may go to any point; two plies multiply by the points left.
        EXPECT_EQ(engine.Perft(1), static_cast<uint64_t>(model.PointCount()));
        const auto n = static_cast<uint64_t>(model.PointCount());
        EXPECT_EQ(engine.Perft(2), n * (n - 1));
        EXPECT_GT(engine.Perft(4), engine.Perft(3));
    }
}

// One test per variant, so that they run side by side. The two built-in boards come first;
// the engine's own tests play them.
class ShippedGameTest : public ::testing::TestWithParam<size_t> {};

TEST_P(ShippedGameTest, TwoComputersAtTheFirstLevelFinishTheGame) {
    const std::vector<Tmodele> shipped = Shipped();
    ASSERT_LT(GetParam(), shipped.size());
    const Tmodele& model = shipped[GetParam()];
    SCOPED_TRACE(model.Name);
    EXPECT_NE(PlayOut(model, 1, 600), -1);
}

INSTANTIATE_TEST_SUITE_P(Variants, ShippedGameTest, ::testing::Range<size_t>(2, 12));

TEST(ShippedLibraryTest, MistakesInTheTextNameTheirLine) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"variant 5 1/1/2020\nname: x\n", "the last variant has no \"end\""},
        {"name: x\n", "line 1: text outside a variant"},
        {"variant 5 1/13/2020\nend\n", "line 1: 13 is not in 1..12"},
        {"variant 5 1/1/2020\npoints: 0 0; 11 0\nend\n", "line 2: a point lies outside"},
        {"variant 5 1/1/2020\npoints: 0 0; 1 0\nlinks: 0-5\nend\n",
         "line 4: Une liaison désigne un point inexistant."},
        {"variant 5 1/1/2020\npoints: 0 0\nmills: 0-0\nend\n", "line 3: \"0-0\" has the wrong"},
        {"variant 5 1/1/2020\nsauts: 1\nend\n", "line 2: unknown key \"sauts\""},
        {"variant 5 1/1/2020\npieces: neuf\nend\n", "line 2: not a number"},
        {"variant 5 1/1/2020\nend\n", "line 2: a variant without points"},
    };
    for (const auto& [text, message] : cases) {
        std::istringstream in(text);
        try {
            ReadVariantSource(in);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const TVariantSourceError& error) {
            EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
        }
    }
}

} // namespace
} // namespace vantorel
