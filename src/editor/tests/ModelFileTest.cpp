#include "DrawingSupport.h"

#include "editor/TModelFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <sys/resource.h>

namespace vantorel::editor {
namespace {
namespace fs = std::filesystem;
using test::LinkByTool;
using test::Place;

class ModelFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("vantorel_editor_" +
                  std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    // A small board of our own with every rule option away from its default.
    static void Draw(TDrawing& d) {
        d.Clear(424242, 9, 12, 2026);
        Place(d, {{100, 200}, {200, 200}, {300, 200}, {200, 300}});
        LinkByTool(d, 1, 2);
        LinkByTool(d, 2, 3);
        LinkByTool(d, 2, 4);
        d.SearchMills();
        d.Rules = {"Croix à l'été", 4, 2, 3, 0, false, {"ligne une", "ligne deux"}};
    }

    static std::string Bytes(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

    fs::path folder;
};

TEST_F(ModelFileTest, ASavedBoardOpensAgainUnchanged) {
    TDrawing d;
    Draw(d);
    const Tmodele before = d.BuildModel();
    TFileProblem problem;
    const fs::path file = folder / "croix.Mdl";
    ASSERT_EQ(WriteModelFile(d, file.string(), false, nullptr, problem), TSaveResult::Saved);
    EXPECT_FALSE(d.Modified);
    EXPECT_EQ(d.StorageState, TStorage::File);
    EXPECT_EQ(d.FileName, file.string());

    TDrawing read;
    ASSERT_FALSE(OpenModelFile(read, file));
    EXPECT_EQ(read.Rules.Name, "Croix à l'été");
    EXPECT_EQ(read.StorageState, TStorage::File);
    EXPECT_FALSE(read.Modified);
    const Tmodele after = read.BuildModel();
    EXPECT_TRUE(after.SameAs(before));
    EXPECT_EQ(after.Description, before.Description);
    EXPECT_EQ(after.MillCount(), 1);
    EXPECT_EQ(after.Kind, 424242);
    // The engine reads the file as any other record.
    std::ifstream in(file, std::ios::binary);
    Tmodele engineRead(-1);
    EXPECT_TRUE(engineRead.LoadFromStream(in));
    EXPECT_TRUE(engineRead.SameAs(before));
}

TEST_F(ModelFileTest, TheOverwriteQuestion) {
    TDrawing d;
    Draw(d);
    const fs::path file = folder / "b.Mdl";
    std::ofstream(file) << "previous";
    TFileProblem problem;
    int asked = 0;
    EXPECT_EQ(WriteModelFile(
                  d, file.string(), false, [&] { return ++asked, false; }, problem),
              TSaveResult::Declined);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(d.Modified);
    EXPECT_EQ(d.StorageState, TStorage::New);
    EXPECT_EQ(Bytes(file), "previous");
    EXPECT_EQ(WriteModelFile(d, "   ", false, nullptr, problem), TSaveResult::Declined);
    EXPECT_TRUE(d.Modified);
    EXPECT_EQ(WriteModelFile(
                  d, file.string(), false, [&] { return ++asked, true; }, problem),
              TSaveResult::Saved);
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(d.Modified);
    // Saving over its own file does not ask.
    EXPECT_EQ(WriteModelFile(
                  d, file.string(), true, [&] { return ++asked, false; }, problem),
              TSaveResult::Saved);
    EXPECT_EQ(asked, 2);
}

TEST_F(ModelFileTest, AFailedSaveKeepsThePreviousFileAndTheFlags) {
    TDrawing d;
    Draw(d);
    const fs::path file = folder / "c.Mdl";
    std::ofstream(file) << "previous";
    TFileProblem problem;
    {
        // The write breaks off after a few bytes, as on a full disk (signal ignored, as the
        // tool and the window do).
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = 8;
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        EXPECT_EQ(WriteModelFile(d, file.string(), true, nullptr, problem), TSaveResult::Failed);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
    }
    EXPECT_EQ(problem.Code, 1);
    EXPECT_NE(problem.Detail.find("c.Mdl : "), std::string::npos) << problem.Detail;
    EXPECT_EQ(Bytes(file), "previous");
    EXPECT_TRUE(d.Modified);
    EXPECT_EQ(d.StorageState, TStorage::New);
    EXPECT_EQ(d.FileName, kUntitled);
    // And nothing is left over, after the failure or once a save goes through.
    EXPECT_EQ(WriteModelFile(d, file.string(), true, nullptr, problem), TSaveResult::Saved);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

// A file cut anywhere, or one that is no model at all, leaves the open board untouched.
TEST_F(ModelFileTest, DamagedOrForeignFilesChangeNothing) {
    TDrawing source;
    Draw(source);
    const fs::path good = folder / "good.Mdl";
    ASSERT_FALSE(WriteModelRecord(good, source.BuildModel()));
    const std::string bytes = Bytes(good);

    TDrawing d;
    d.LoadModel(Tmodele(1));
    d.Rules.Name = "Nine";
    d.Modified = true;
    const Tmodele before = d.BuildModel();
    const fs::path bad = folder / "bad.Mdl";
    const auto unchanged = [&](const char* what) {
        EXPECT_TRUE(d.BuildModel().SameAs(before)) << what;
        EXPECT_TRUE(d.Modified) << what;
        EXPECT_EQ(d.FileName, kUntitled) << what;
        EXPECT_EQ(d.StorageState, TStorage::New) << what;
    };
    for (size_t cut = 0; cut < bytes.size(); cut += 7) {
        std::ofstream(bad, std::ios::binary | std::ios::trunc) << bytes.substr(0, cut);
        const TFileProblem problem = OpenModelFile(d, bad);
        EXPECT_TRUE(problem.Code == 4 || problem.Code == 6) << cut;
        unchanged("cut");
    }
    std::ofstream(bad, std::ios::binary | std::ios::trunc) << "[Players]\r\nName=Anne\r\n";
    EXPECT_EQ(OpenModelFile(d, bad).Code, 6);
    unchanged("foreign");
    EXPECT_EQ(OpenModelFile(d, folder / "missing.Mdl").Code, 4);
    unchanged("missing");

    // A well-formed record with a point no drawing can hold.
    Tmodele far = source.BuildModel();
    far.Points[0].X = 1e300;
    ASSERT_FALSE(WriteModelRecord(bad, far));
    EXPECT_EQ(OpenModelFile(d, bad).Code, 6);
    unchanged("far point");
}

} // namespace
} // namespace vantorel::editor
