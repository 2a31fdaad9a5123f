#include "game/AtomicFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace vantorel;
namespace fs = std::filesystem;

namespace {

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

class AtomicFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder =
            fs::temp_directory_path() /
            ("vantorel-atomic-" +
             std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
             std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        fs::create_directories(folder);
        target = folder / "partie.vtl";
    }
    void TearDown() override { fs::remove_all(folder); }

    // Everything in the folder but the target: a temporary left behind shows up here.
    size_t Strays() const {
        size_t count = 0;
        for (const auto& entry : fs::directory_iterator(folder))
            count += entry.path() != target && entry.path().filename() != "lien" &&
                     entry.path().filename() != "dossier";
        return count;
    }

    fs::path folder, target;
};

// Guards the promise of the writer: whatever stops a write, the previous file is there byte
// for byte, no temporary is left, and the message names the file and the system's reason.
TEST_F(AtomicFile, AFailedWriteLeavesThePreviousFile) {
    const std::string previous = "l'ancienne partie";
    const std::string big(4096, 'x');
    struct Case {
        const char* what;
        std::function<std::string()> write;
        std::string reason;
    } cases[] = {
        {"cut short by the file size limit",
         [&] {
             rlimit saved{};
             getrlimit(RLIMIT_FSIZE, &saved);
             rlimit small = saved;
             small.rlim_cur = 100;
             const auto handler = std::signal(SIGXFSZ, SIG_IGN);
             setrlimit(RLIMIT_FSIZE, &small);
             const std::string error = WriteFileAtomically(target, big);
             setrlimit(RLIMIT_FSIZE, &saved);
             std::signal(SIGXFSZ, handler);
             return error;
         },
         std::strerror(EFBIG)},
        {"a writer that throws",
         [&] {
             return WriteFileAtomically(target, [](std::ostream& out) {
                 out << "début";
                 throw std::runtime_error("Erreur d'écriture du flux");
             });
         },
         "Erreur d'écriture du flux"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::ofstream(target, std::ios::binary) << previous;
        const std::string error = c.write();
        EXPECT_EQ(error, target.string() + " : " + c.reason);
        EXPECT_EQ(ReadBytes(target), previous);
        EXPECT_EQ(Strays(), 0u);
    }
}

// Guards the places a file cannot go: each is refused with its name and reason, nothing made.
TEST_F(AtomicFile, UnwritablePlacesAreNamed) {
    fs::create_directory(folder / "dossier");
    const struct {
        fs::path path;
        int error;
    } cases[] = {
        {folder / "dossier", EISDIR},
        {folder / "absent" / "partie.vtl", ENOENT},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(WriteFileAtomically(c.path, "x"),
                  c.path.string() + " : " + std::strerror(c.error));
    }
    EXPECT_EQ(Strays(), 0u);
    EXPECT_TRUE(fs::is_empty(folder / "dossier"));
}

// Guards what a replace keeps: the file's permissions, and a link stays a link to the file.
TEST_F(AtomicFile, AReplacedFileKeepsItsModeAndItsLink) {
    std::ofstream(target) << "avant";
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(target, folder / "lien");
    ASSERT_EQ(WriteFileAtomically(folder / "lien", "après"), "");
    EXPECT_TRUE(fs::is_symlink(folder / "lien"));
    EXPECT_EQ(ReadBytes(target), "après");
    EXPECT_EQ(fs::status(target).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Strays(), 0u);
}

} // namespace
