// `vantorel-cli print` on a real saved game, its PDF read back with the distribution's PDF
// tools: pages, the header, where the rows stand and which pictures were drawn.
#include "engine/Random.h"
#include "game/THeadlessOwner.h"
#include "game/TPlateau.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace vantorel;
namespace fs = std::filesystem;

namespace {

std::string Shell(const std::string& command, int* status = nullptr) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    char buffer[4096];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe))
        out.append(buffer, n);
    const int rc = pclose(pipe);
    if (status) *status = WEXITSTATUS(rc);
    return out;
}

bool HavePopplerTools() {
    int status = 1;
    Shell("command -v pdftotext && command -v pdfinfo && command -v pdfimages", &status);
    return status == 0;
}

// A game between two people of `moves` moves at the first computer level, saved.
struct SavedGame {
    THeadlessOwner owner;
    uint32_t now = 1000;
    TPlateau game{1, true, &owner, [this] { return now; }, [] { RandSeed(7); }};
    fs::path path;

    SavedGame(int moves, const fs::path& folder) {
        game.GameType = kHumanVsHuman;
        game.NewGame();
        while (game.MoveCount < moves) {
            TMove move = NoMove;
            game.Engine->ComputerMove(game.SideToMove, 0, move, 11u + game.MoveCount);
            now += 1500;
            for (int8_t point : {move.From, move.To, move.Capture})
                if (point >= 0) game.Click(point);
        }
        path = folder / "partie.Vtl";
        std::ofstream out(path, std::ios::binary);
        game.SaveGame(out);
    }
};

struct Word {
    double yMin;
    std::string text;
};

// The words of one page with their top edge in points.
std::vector<Word> PageWords(const fs::path& pdf, int page) {
    const std::string html = Shell("pdftotext -bbox -f " + std::to_string(page) + " -l " +
                                   std::to_string(page) + " '" + pdf.string() + "' -");
    std::vector<Word> words;
    const std::regex word(R"re(<word xMin="[0-9.]+" yMin="([0-9.]+)"[^>]*>([^<]*)</word>)re");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), word);
         it != std::sregex_iterator(); ++it)
        words.push_back({std::stod((*it)[1]), (*it)[2]});
    return words;
}

class PrintCommand : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HavePopplerTools()) FAIL() << "poppler-utils is missing: run scripts/install-deps";
        folder = fs::temp_directory_path() / ("vantorel-print-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string Print(const fs::path& game, const std::string& options, int* status) {
        return Shell(std::string(VANTOREL_CLI) + " print '" + game.string() + "' --pdf '" +
                         (folder / "out.pdf").string() + "' " + options + " 2>&1",
                     status);
    }
    fs::path folder;
};

// Guards the page breaks (10, 10 and 5 rows), the header on the first page only, each
// entry's text on its page, and rows one inch apart (500 printer pixels at 500 dpi).
TEST_F(PrintCommand, TwentyFiveEntriesOnPagesOfTen) {
    SavedGame saved(24, folder);
    ASSERT_EQ(saved.game.RecordedEntries(), 25);
    int status = -1;
    const std::string json = Print(saved.path, "--page a4 --dpi 500", &status);
    ASSERT_EQ(status, 0) << json;
    EXPECT_NE(json.find("\"rows_per_page\": 10, \"pages\": 3, \"rows\": 25, \"snapshots\": 25"),
              std::string::npos)
        << json;
    const fs::path pdf = folder / "out.pdf";
    EXPECT_TRUE(std::regex_search(Shell("pdfinfo '" + pdf.string() + "'"),
                                  std::regex("\nPages: +3\n")));

    const int rowsOnPage[] = {10, 10, 5};
    for (int page = 1; page <= 3; ++page) {
        SCOPED_TRACE("page " + std::to_string(page));
        const std::vector<Word> words = PageWords(pdf, page);
        int headers = 0;
        std::vector<double> rowTops;
        for (const Word& w : words) {
            if (w.text == "Vantorel") ++headers;
            if (w.text == "Blanc" || w.text == "Noir") rowTops.push_back(w.yMin);
        }
        EXPECT_EQ(headers, page == 1 ? 1 : 0);
        ASSERT_EQ(static_cast<int>(rowTops.size()), rowsOnPage[page - 1]);
        for (size_t r = 1; r < rowTops.size(); ++r)
            EXPECT_NEAR(rowTops[r] - rowTops[r - 1], 72.0, 0.5);
        // The first row starts below the top margin: 417 + 10 + 210 pixels, in points.
        EXPECT_NEAR(rowTops[0], (417 + 10 + 210) * 72.0 / 500, 8.0);

        // Each entry of the page: its number, then its notation, in row order.
        const std::string text = Shell("pdftotext -raw -f " + std::to_string(page) + " -l " +
                                       std::to_string(page) + " '" + pdf.string() + "' -");
        size_t at = 0;
        for (int r = 0; r < rowsOnPage[page - 1]; ++r) {
            const int entry = (page - 1) * 10 + r;
            const std::string move =
                TPlateau::MoveText(saved.game.History[static_cast<size_t>(entry)].Move);
            const size_t found = text.find(move, at);
            ASSERT_NE(found, std::string::npos) << "entry " << entry << ": " << move;
            at = found + move.size();
        }
    }
    EXPECT_EQ(Shell("pdfimages -list '" + pdf.string() + "' | tail -n +3 | wc -l"), "25\n");
}

// Guards the rule that keeps the board's picture off a narrow page, and a page that holds
// no row: an error, and no file at all.
TEST_F(PrintCommand, NarrowAndTooSmallPages) {
    SavedGame saved(4, folder);
    int status = -1;
    std::string json = Print(saved.path, "--dpi 150", &status); // 1240 pixels wide
    ASSERT_EQ(status, 0) << json;
    EXPECT_NE(json.find("\"rows\": 5, \"snapshots\": 0"), std::string::npos) << json;
    EXPECT_EQ(Shell("pdfimages -list '" + (folder / "out.pdf").string() + "' | tail -n +3 | wc -l"),
              "0\n");

    fs::remove(folder / "out.pdf");
    json = Print(saved.path, "--dpi 40", &status);
    EXPECT_EQ(status, 2) << json;
    EXPECT_FALSE(fs::exists(folder / "out.pdf"));
}

TEST_F(PrintCommand, BadArguments) {
    SavedGame saved(2, folder);
    const std::map<std::string, std::string> cases = {
        {"--page a3", "--page"},
        {"--dpi 9", "dpi"},
    };
    for (const auto& [options, complaint] : cases) {
        int status = -1;
        const std::string out = Print(saved.path, options, &status);
        EXPECT_EQ(status, 2) << options;
        EXPECT_NE(out.find(complaint), std::string::npos) << out;
    }
    int status = -1;
    Print(folder / "missing.Vtl", "", &status);
    EXPECT_EQ(status, 2);
}

} // namespace
