#include "game/TFileModele.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/resource.h>

using namespace vantorel;
namespace fs = std::filesystem;

namespace {

class FakeSettings : public TLibrarySettings {
public:
    fs::path stored;
    std::vector<fs::path> writes;
    fs::path StoredPath() const override { return stored; }
    void StorePath(const fs::path& path) override { writes.push_back(path); }
};

// A user variant with an identity of its own.
Tmodele Variant(int32_t kind, uint16_t day = 12, uint16_t month = 5, uint16_t year = 2004) {
    Tmodele model(1);
    model.Kind = kind;
    model.Day = day;
    model.Month = month;
    model.Year = year;
    model.Name = "Variante " + std::to_string(kind);
    return model;
}

std::string Record(const Tmodele& model) {
    std::ostringstream out(std::ios::binary);
    model.SaveToStream(out);
    return out.str();
}

std::string Records(const std::vector<int32_t>& kinds) {
    std::string bytes;
    for (int32_t kind : kinds)
        bytes += Record(Variant(kind));
    return bytes;
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::vector<int32_t> Kinds(const std::vector<Tmodele>& variants) {
    std::vector<int32_t> kinds;
    for (const auto& v : variants)
        kinds.push_back(v.Kind);
    return kinds;
}

// True while no temporary file of a write is left beside the library.
bool NoTemporaryLeft(const fs::path& library) {
    const std::string prefix = library.filename().string() + ".tmp";
    for (const auto& entry : fs::directory_iterator(library.parent_path()))
        if (entry.path().filename().string().rfind(prefix, 0) == 0) return false;
    return true;
}

// Lowers the largest file this process may write for the object's lifetime: a write past it
// fails with EFBIG (the signal is ignored meanwhile), as under `ulimit -f`.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lower = saved_;
        lower.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

bool IsOpenFailure(const std::string& text) {
    return text.rfind("Impossible d'ouvrir le fichier. ", 0) == 0;
}

class FileModele : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = fs::temp_directory_path() /
                 ("vantorel-library-" + std::string(info->name()) + "-" +
                  std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        fs::create_directories(folder);
        settings.stored = folder / TFileModele::kDefaultName;
        library = settings.stored;
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(folder, ec);
    }

    // The library file holding `bytes`, opened through its stored path.
    TFileModele Open(const std::string& bytes) {
        WriteBytes(library, bytes);
        return TFileModele(settings, folder);
    }

    fs::path folder;
    fs::path library;
    FakeSettings settings;
};

} // namespace

// Guards against built-ins or phantom entries being mixed into what the library holds.
TEST_F(FileModele, OneVariantListsExactlyOne) {
    const Tmodele only = Variant(4711);
    TFileModele file = Open(Record(only));
    std::string problem = "unset";
    const auto all = file.ReadAll(&problem);
    ASSERT_EQ(all.size(), 1u);
    EXPECT_TRUE(all[0].SameAs(only));
    EXPECT_EQ(all[0].Name, "Variante 4711");
    EXPECT_EQ(problem, "");
}

// Guards the identity test of Find: every one of Kind, Day, Month and Year must match.
TEST_F(FileModele, FindMatchesTheWholeIdentity) {
    TFileModele file = Open(Record(Variant(7, 1, 2, 2003)) + Record(Variant(7, 1, 2, 2004)));
    struct Case {
        const char* fault;
        int32_t kind;
        uint16_t day, month, year;
        std::optional<uint16_t> foundYear;
    } cases[] = {
        {"stops at the first record instead of the matching one", 7, 1, 2, 2004, 2004},
        {"ignores the kind", 8, 1, 2, 2003, std::nullopt},
        {"ignores the day", 7, 2, 2, 2003, std::nullopt},
        {"ignores the month", 7, 1, 3, 2003, std::nullopt},
        {"ignores the year", 7, 1, 2, 1999, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto found = file.Find(c.kind, c.day, c.month, c.year);
        ASSERT_EQ(found.has_value(), c.foundYear.has_value()) << c.fault;
        if (found) {
            EXPECT_EQ(found->Year, *c.foundYear) << c.fault;
        }
    }
}

// Guards the reading rule: fewer than 11 bytes left end quietly, a record that cannot be read
// ends the reading but keeps the variants before it, and a missing file is an empty library.
TEST_F(FileModele, DamagedOrShortFilesKeepWhatCameBefore) {
    const std::string two = Records({21, 22});
    const std::string third = Record(Variant(23));
    std::string wrongTag = third;
    wrongTag[0] = 0x07; // no value has this tag
    std::string hugeCount = Record(Variant(24));
    // The point count follows the name; make the first integer after "Variante 24" huge.
    const size_t name = hugeCount.find("Variante 24") + std::string("Variante 24").size();
    hugeCount.replace(name, 2, std::string("\x04\xff\xff\xff\x7f", 5));
    struct Case {
        const char* fault;
        std::string bytes;
        std::vector<int32_t> kinds;
        bool reported;
    } cases[] = {
        {"an empty file is read as a record", "", {}, false},
        {"a 10-byte tail is read as a record", two + third.substr(0, 10), {21, 22}, false},
        {"the last record is dropped when nothing follows it", Records({21}), {21}, false},
        {"a cut record of exactly 11 bytes is skipped silently",
         two + third.substr(0, 11),
         {21, 22},
         true},
        {"a record cut after 11 bytes loses the ones before",
         two + third.substr(0, 30),
         {21, 22},
         true},
        {"a foreign tag loses the ones before", two + wrongTag + third, {21, 22}, true},
        {"a huge count is allocated or loses the ones before",
         two + hugeCount + third,
         {21, 22},
         true},
    };
    for (const Case& c : cases) {
        TFileModele file = Open(c.bytes);
        std::string problem;
        EXPECT_EQ(Kinds(file.ReadAll(&problem)), c.kinds) << c.fault;
        EXPECT_EQ(!problem.empty(), c.reported) << c.fault;
        if (c.reported) {
            EXPECT_TRUE(IsOpenFailure(problem)) << problem;
        }
    }
    fs::remove(library);
    TFileModele missing(settings, folder);
    std::string problem;
    EXPECT_TRUE(missing.ReadAll(&problem).empty());
    EXPECT_EQ(problem, "") << "a missing library must read as an empty one";
    EXPECT_FALSE(missing.Find(21, 12, 5, 2004).has_value());
}

// Guards Find across damage: a variant before a damaged record is found, one after is not.
TEST_F(FileModele, FindStopsAtADamagedRecord) {
    std::string broken = Record(Variant(32));
    broken[0] = 0x07;
    TFileModele file = Open(Records({31}) + broken + Records({33}));
    std::string problem;
    EXPECT_TRUE(file.Find(31, 12, 5, 2004, &problem).has_value());
    EXPECT_EQ(problem, "");
    EXPECT_FALSE(file.Find(33, 12, 5, 2004, &problem).has_value());
    EXPECT_TRUE(IsOpenFailure(problem));
}

// Guards against hiding a variant whose stored checksum no longer matches its content.
TEST_F(FileModele, AStaleChecksumStillLists) {
    std::string bytes = Record(Variant(41));
    bytes[bytes.find("Variante 41")] = 'v';
    TFileModele file = Open(bytes);
    ASSERT_EQ(Kinds(file.ReadAll()), std::vector<int32_t>{41});
    EXPECT_TRUE(file.Find(41, 12, 5, 2004).has_value());
}

// Guards the editor's re-registration: one record of the variant, now last, nothing else
// lost; and the old record and the new one go in one write, so a new record that cannot be
// written (it used to be appended after the old one was deleted) costs nothing.
TEST_F(FileModele, ReplaceLeavesOneRecordAtTheEndOrChangesNothing) {
    TFileModele file = Open(Records({51, 52, 53}));
    Tmodele changed = Variant(52);
    changed.Name = "Variante 52 revue";
    EXPECT_EQ(file.Replace(changed), "");
    const auto all = file.ReadAll();
    ASSERT_EQ(Kinds(all), (std::vector<int32_t>{51, 53, 52}));
    EXPECT_EQ(all[2].Name, "Variante 52 revue");
    EXPECT_TRUE(NoTemporaryLeft(library));

    const std::string before = ReadBytes(library);
    changed.Description.assign(10001, "ligne");
    EXPECT_TRUE(IsOpenFailure(file.Replace(changed)));
    EXPECT_TRUE(IsOpenFailure(file.Append(changed)));
    EXPECT_EQ(ReadBytes(library), before);
    EXPECT_TRUE(NoTemporaryLeft(library));
}

// Guards Delete's matching: every copy of the identity goes, near-identities stay in order.
TEST_F(FileModele, DeleteRemovesEveryCopyAndOnlyThose) {
    const std::string bytes = Record(Variant(61)) + Record(Variant(60, 12, 5, 2004)) +
                              Record(Variant(60, 13, 5, 2004)) + Record(Variant(60, 12, 6, 2004)) +
                              Record(Variant(60, 12, 5, 2005)) + Record(Variant(60, 12, 5, 2004));
    TFileModele file = Open(bytes);
    EXPECT_EQ(file.Delete(60, 12, 5, 2004), "");
    const auto all = file.ReadAll();
    ASSERT_EQ(all.size(), 4u);
    EXPECT_EQ(all[0].Kind, 61);
    EXPECT_EQ(all[1].Day, 13);
    EXPECT_EQ(all[2].Month, 6);
    EXPECT_EQ(all[3].Year, 2005);
    EXPECT_EQ(ReadBytes(folder / "Van001.tev"), bytes) << "the backup must be the old library";
    EXPECT_EQ(settings.writes.back(), library) << "a write must remember the library's path";
}

// Guards the mended writes on a damaged library: removing the first variant used to leave an
// empty file, removing one after the damage dropped every record behind it, and adding put
// the new variant where no reader finds it, all reported as success. Now each one reports the
// damage and leaves the library, its backups and the remembered path as they were.
TEST_F(FileModele, DamagedLibraryIsNeverRewritten) {
    std::string wrongTag = Record(Variant(73));
    wrongTag[0] = 0x07;
    const std::string cut = Record(Variant(75)).substr(0, 30);
    const std::string wrongTagLibrary = Records({71, 72}) + wrongTag + Records({74});
    const std::string cutLibrary = Records({71, 72, 74}) + cut;
    struct Case {
        const char* what;
        const std::string& bytes;
        char action; // R remove, A add
        int32_t kind;
    } cases[] = {
        {"removing the first", wrongTagLibrary, 'R', 71},
        {"removing one before the damage", wrongTagLibrary, 'R', 72},
        {"removing one after the damage", wrongTagLibrary, 'R', 74},
        {"removing one absent", wrongTagLibrary, 'R', 99},
        {"adding", wrongTagLibrary, 'A', 76},
        {"removing the first, cut at the end", cutLibrary, 'R', 71},
        {"adding, cut at the end", cutLibrary, 'A', 76},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (int n = 1; n <= 9; ++n)
            fs::remove(folder / TFileModele::BackupName(n));
        settings.writes.clear();
        TFileModele file = Open(c.bytes);
        const std::string error =
            c.action == 'R' ? file.Delete(c.kind, 12, 5, 2004) : file.Append(Variant(c.kind));
        EXPECT_TRUE(IsOpenFailure(error)) << error;
        EXPECT_NE(error.find(library.filename().string()), std::string::npos) << error;
        EXPECT_EQ(error, file.Damage()) << "the message is the reader's own";
        EXPECT_EQ(ReadBytes(library), c.bytes);
        EXPECT_FALSE(fs::exists(folder / "Van001.tev")) << "a backup pushes an old one out";
        EXPECT_TRUE(NoTemporaryLeft(library));
        EXPECT_TRUE(settings.writes.empty());
    }
    // A sound library still takes both, with its backup.
    TFileModele sound = Open(Records({71, 72}));
    EXPECT_EQ(sound.Damage(), "");
    EXPECT_EQ(sound.Delete(71, 12, 5, 2004), "");
    EXPECT_EQ(sound.Append(Variant(73)), "");
    EXPECT_EQ(Kinds(sound.ReadAll()), (std::vector<int32_t>{72, 73}));
    EXPECT_EQ(ReadBytes(folder / "Van001.tev"), Records({71, 72}));
}

// Guards the choice of backup name: a free name first, else the oldest copy.
TEST_F(FileModele, BackupNameIsFreeOrOldest) {
    const auto base = fs::file_time_type::clock::now() - std::chrono::hours(100);
    struct Case {
        const char* fault;
        std::vector<int> existing;
        int oldest; // among `existing`, 0 when all have the same age order 1..n
        const char* expected;
    } cases[] = {
        {"no backup yet does not give Van001", {}, 0, "Van001.tev"},
        {"a used name is overwritten while one is free", {1, 2}, 0, "Van003.tev"},
        {"a gap in the names is not filled", {1, 3}, 0, "Van002.tev"},
        {"the oldest of nine is not the one replaced",
         {1, 2, 3, 4, 5, 6, 7, 8, 9},
         5,
         "Van005.tev"},
    };
    for (const Case& c : cases) {
        for (int n = 1; n <= 9; ++n)
            fs::remove(folder / TFileModele::BackupName(n));
        for (int n : c.existing) {
            const fs::path p = folder / TFileModele::BackupName(n);
            WriteBytes(p, "x");
            const int age = n == c.oldest ? 0 : n + 10;
            fs::last_write_time(p, base + std::chrono::hours(age));
        }
        EXPECT_EQ(TFileModele::ChooseBackup(folder), folder / c.expected) << c.fault;
    }
    EXPECT_EQ(TFileModele::BackupName(9), fs::path("Van009.tev"));
}

// Guards the rotation: nine removals fill Van001..Van009, the next ones replace the oldest.
TEST_F(FileModele, BackupsRotateThroughTheNineNames) {
    std::vector<int32_t> kinds;
    for (int32_t k = 0; k < 13; ++k)
        kinds.push_back(100 + k);
    TFileModele file = Open(Records(kinds));
    const auto base = fs::file_time_type::clock::now() - std::chrono::hours(100);
    const char* expected[] = {"Van001.tev", "Van002.tev", "Van003.tev", "Van004.tev",
                              "Van005.tev", "Van006.tev", "Van007.tev", "Van008.tev",
                              "Van009.tev", "Van001.tev", "Van002.tev", "Van003.tev"};
    for (int k = 0; k < 12; ++k) {
        const std::string before = ReadBytes(library);
        ASSERT_EQ(file.Delete(100 + k, 12, 5, 2004), "") << k;
        const fs::path backup = folder / expected[k];
        EXPECT_EQ(ReadBytes(backup), before) << "removal " << k + 1 << " wrote the wrong backup";
        // File times may be too coarse to tell quick writes apart: order them explicitly.
        fs::last_write_time(backup, base + std::chrono::hours(k));
    }
    EXPECT_EQ(Kinds(file.ReadAll()), std::vector<int32_t>{112});
}

// Guards the mended removal: a backup that cannot be written leaves the library untouched.
TEST_F(FileModele, FailedBackupLeavesTheLibraryUntouched) {
    const std::string bytes = Records({81, 82});
    TFileModele file = Open(bytes);
    file.SetCopyHook([](const fs::path&, const fs::path& to) {
        WriteBytes(to, "half"); // a copy that broke off
        return to.string() + " : " + std::strerror(ENOSPC);
    });
    const std::string error = file.Delete(81, 12, 5, 2004);
    EXPECT_TRUE(IsOpenFailure(error)) << error;
    EXPECT_NE(error.find("Van001.tev : " + std::string(std::strerror(ENOSPC))), std::string::npos)
        << "the message must name the backup and the reason";
    EXPECT_EQ(ReadBytes(library), bytes);
    EXPECT_FALSE(fs::exists(folder / "Van001.tev")) << "a broken copy must not pass for a backup";
    EXPECT_TRUE(settings.writes.empty());
}

// The same with a real read-only folder (only where permissions are enforced).
TEST_F(FileModele, ReadOnlyFolderLeavesTheLibraryUntouched) {
    const std::string bytes = Records({83, 84});
    TFileModele file = Open(bytes);
    fs::permissions(folder,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    {
        std::ofstream probe(folder / "probe");
        if (probe) GTEST_SKIP() << "permissions are not enforced for this user";
    }
    const std::string error = file.Delete(83, 12, 5, 2004);
    EXPECT_TRUE(IsOpenFailure(error)) << error;
    EXPECT_EQ(ReadBytes(library), bytes);
}

// Guards the atomic rewrite: a write cut short by the file size limit (a full disk behaves
// alike) leaves the old library byte for byte, reports the library with the system's
// reason, and leaves no temporary file behind.
TEST_F(FileModele, WriteCutShortLeavesTheOldLibrary) {
    const std::string bytes = Records({91, 92, 93, 94});
    for (const char action : {'R', 'A'}) {
        SCOPED_TRACE(action);
        WriteBytes(library, bytes);
        TFileModele file(settings, folder);
        // The backup as a second name of the library: made without a write, so that the limit
        // stops the library's own rewrite.
        file.SetCopyHook([](const fs::path& from, const fs::path& to) {
            fs::create_hard_link(from, to);
            return std::string();
        });
        std::string error;
        {
            const FileSizeLimit limit(100);
            error = action == 'R' ? file.Delete(91, 12, 5, 2004) : file.Append(Variant(95));
        }
        EXPECT_TRUE(IsOpenFailure(error)) << error;
        EXPECT_NE(error.find(library.string() + " : " + std::strerror(EFBIG)), std::string::npos)
            << error;
        EXPECT_EQ(ReadBytes(library), bytes);
        EXPECT_TRUE(NoTemporaryLeft(library));
        fs::remove(folder / "Van001.tev");
    }
}

// Guards removal from nothing: no library, no backup made, no file created, a message.
TEST_F(FileModele, DeleteWithoutALibraryChangesNothing) {
    TFileModele file(settings, folder);
    EXPECT_TRUE(IsOpenFailure(file.Delete(1, 1, 1, 2000)));
    EXPECT_FALSE(fs::exists(library));
    EXPECT_FALSE(fs::exists(folder / "Van001.tev"));
}

// Guards Append: it creates a missing library, adds at the end, and reports instead of throwing.
TEST_F(FileModele, AppendCreatesAndExtends) {
    TFileModele file(settings, folder);
    EXPECT_EQ(file.Append(Variant(1001)), "");
    EXPECT_EQ(file.Append(Variant(1002)), "");
    EXPECT_EQ(Kinds(file.ReadAll()), (std::vector<int32_t>{1001, 1002}));
    EXPECT_EQ(settings.writes.size(), 2u);

    settings.stored = folder / "dossier";
    fs::create_directory(settings.stored); // a folder where the library should be
    TFileModele blocked(settings, folder);
    EXPECT_TRUE(IsOpenFailure(blocked.Append(Variant(1003))));
}

// Guards the library location: stored path first, else the default in the current folder,
// remembered only when that file exists.
TEST_F(FileModele, LocationFromSettingsOrCurrentFolder) {
    struct Case {
        const char* fault;
        fs::path stored;
        bool defaultExists;
        fs::path expected;
        bool remembered;
    } cases[] = {
        {"the default is remembered though missing", "", false, folder / "Vantorel.tev", false},
        {"an existing default is not remembered", "", true, folder / "Vantorel.tev", true},
        {"the stored path is ignored", folder / "autre.tev", false, folder / "autre.tev", false},
        {"a relative stored path is not taken in the current folder", "rel.tev", false,
         folder / "rel.tev", false},
    };
    for (const Case& c : cases) {
        fs::remove(folder / "Vantorel.tev");
        if (c.defaultExists) WriteBytes(folder / "Vantorel.tev", "");
        FakeSettings s;
        s.stored = c.stored;
        TFileModele file(s, folder);
        EXPECT_EQ(file.Path(), c.expected) << c.fault;
        EXPECT_EQ(!s.writes.empty(), c.remembered) << c.fault;
    }
}
