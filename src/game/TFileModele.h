#pragma once
// The variant library "Vantorel.tev": model records back to back, no header, no index.
// A variant is known in it by its Kind and its date.
#include "engine/Tmodele.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vantorel {

// Where the desktop keeps the library's path between runs; the library only asks for it and
// hands it back after a write.
class TLibrarySettings {
public:
    virtual ~TLibrarySettings() = default;
    // The remembered path, empty when none was stored yet.
    virtual std::filesystem::path StoredPath() const = 0;
    virtual void StorePath(const std::filesystem::path& path) = 0;
};

class TFileModele {
public:
    static constexpr const char* kDefaultName = "Vantorel.tev";
    // A record is never shorter than this; fewer bytes left means the library has ended.
    static constexpr std::uintmax_t kMinRecordBytes = 11;
    static constexpr int kBackupCount = 9;

    // Copies a whole file; empty on success, else the file that failed and the system's
    // reason. Replaceable so that a failing disk can be simulated.
    using CopyFileHook = std::function<std::string(const std::filesystem::path& from,
                                                   const std::filesystem::path& to)>;

    // The stored path, or "Vantorel.tev" in `currentFolder` (stored back only when that file
    // exists). A relative stored path is taken against `currentFolder` too.
    TFileModele(TLibrarySettings& settings, const std::filesystem::path& currentFolder);

    const std::filesystem::path& Path() const { return path_; }

    // The first variant with that identity; none when the library is missing, the variant is
    // absent or a record before it cannot be read. `problem` receives the open-file message
    // when the library exists but could not be read to the end of the search.
    std::optional<Tmodele> Find(int32_t kind, uint16_t day, uint16_t month, uint16_t year,
                                std::string* problem = nullptr) const;

    // Every variant up to the first record that cannot be read.
    std::vector<Tmodele> ReadAll(std::string* problem = nullptr) const;

    // The open-file message when the library exists but cannot be read to its end, empty
    // when it reads whole or is missing.
    std::string Damage() const;

    // Removes every variant with that identity, after copying the library to a backup.
    // Returns the open-file message on failure, empty on success; a failure, a damaged
    // library included, changes nothing.
    std::string Delete(int32_t kind, uint16_t day, uint16_t month, uint16_t year);

    // Puts the variant in place of every variant with its identity, in one write after the
    // same backup; a library without it gets it added. A failure changes nothing.
    std::string Replace(const Tmodele& variant);

    // Adds the variant at the end, creating the library when needed. Returns the open-file
    // message on failure, empty on success; a failed write or a damaged library leaves the
    // library as it was.
    std::string Append(const Tmodele& variant);

    // "Van001.tev" .. "Van009.tev" in `folder`: the first name not in use, or else the
    // backup written longest ago.
    static std::filesystem::path ChooseBackup(const std::filesystem::path& folder);
    static std::filesystem::path BackupName(int number);

    void SetCopyHook(CopyFileHook hook) { copyFile_ = std::move(hook); }

private:
    // The library without the variants of that identity, `added` (when given) at its end.
    std::string Rewrite(int32_t kind, uint16_t day, uint16_t month, uint16_t year,
                        const Tmodele* added);

    TLibrarySettings& settings_;
    std::filesystem::path path_;
    CopyFileHook copyFile_;
};

} // namespace vantorel
