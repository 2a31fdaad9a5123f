#include "TFileModele.h"

#include "AtomicFile.h"
#include "Messages.h"

#include "engine/TValueStream.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>

namespace vantorel {
namespace fs = std::filesystem;

namespace {

std::string Utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

std::string OpenFailure(const fs::path& path) {
    return ErrorMessage(4, Utf8(path));
}

bool SameIdentity(const Tmodele& v, int32_t kind, uint16_t day, uint16_t month, uint16_t year) {
    return v.Kind == kind && v.Day == day && v.Month == month && v.Year == year;
}

// The bytes of a whole file, or the file's name and the system's reason in `error`.
std::string ReadWholeFile(const fs::path& path, std::string& error) {
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    if (in) bytes << in.rdbuf();
    if (!in || in.bad()) error = Utf8(path) + " : " + std::strerror(errno ? errno : EIO);
    return std::move(bytes).str();
}

// The backup is written as the library is, whole or not at all.
std::string CopyWholeFile(const fs::path& from, const fs::path& to) {
    std::string error;
    const std::string bytes = ReadWholeFile(from, error);
    return error.empty() ? WriteFileAtomically(to, bytes) : error;
}

enum class ReadEnd { Done, Stopped, Damaged, Unopened };

// Hands the library's records to `take` one after another until it returns false, until
// fewer bytes remain than the shortest record, or until a record cannot be read. Records
// carry no length, so nothing after a damaged one can be found again: reading ends there.
// The model reader bounds every count and string, so a hostile file cannot make it
// allocate without limit.
template <class Take> ReadEnd ReadRecords(std::istream& in, Take&& take, std::string& damage) {
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size < 0 || !in) {
        damage = StreamError::Read().what();
        return ReadEnd::Damaged;
    }
    try {
        for (;;) {
            const std::streamoff at = in.tellg();
            if (at < 0) throw StreamError::Read();
            if (static_cast<std::uintmax_t>(size - at) < TFileModele::kMinRecordBytes)
                return ReadEnd::Done;
            Tmodele variant;
            // A record whose checksum disagrees is still the user's variant: it is kept.
            variant.LoadFromStream(in);
            if (!take(std::move(variant))) return ReadEnd::Stopped;
        }
    } catch (const std::exception& e) {
        damage = e.what();
        return ReadEnd::Damaged;
    }
}

// Reads the library at `path`; a missing library is an empty one.
template <class Take> std::string ReadLibrary(const fs::path& path, Take&& take) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found) return {};
    // A library that cannot even be looked at, or a folder in its place, is not an empty one.
    if (ec) return ErrorMessage(4, Utf8(path) + " : " + ec.message());
    if (status.type() == fs::file_type::directory)
        return ErrorMessage(4, Utf8(path) + " : " + std::strerror(EISDIR));
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) return ErrorMessage(4, Utf8(path) + " : " + std::strerror(errno ? errno : EACCES));
    std::string damage;
    if (ReadRecords(in, take, damage) == ReadEnd::Damaged)
        return ErrorMessage(4, Utf8(path) + " : " + damage);
    return {};
}

} // namespace

TFileModele::TFileModele(TLibrarySettings& settings, const fs::path& currentFolder)
    : settings_(settings), copyFile_(CopyWholeFile) {
    const fs::path stored = settings.StoredPath();
    // An absolute stored path replaces the folder it is appended to.
    const fs::path chosen = currentFolder / (stored.empty() ? fs::path(kDefaultName) : stored);
    std::error_code ec;
    path_ = fs::absolute(chosen, ec);
    if (ec) path_ = chosen;
    // A default that names nothing yet is not remembered: a later run may start elsewhere.
    if (stored.empty() && fs::exists(path_, ec)) settings_.StorePath(path_);
}

fs::path TFileModele::BackupName(int number) {
    char name[16];
    std::snprintf(name, sizeof name, "Van%03X.tev", static_cast<unsigned>(number));
    return name;
}

fs::path TFileModele::ChooseBackup(const fs::path& folder) {
    // A free name first; once all nine are used, the oldest copy is the one least likely to
    // be wanted back, so it is the one replaced.
    fs::path oldest;
    fs::file_time_type oldestTime{};
    for (int n = 1; n <= kBackupCount; ++n) {
        const fs::path candidate = folder / BackupName(n);
        std::error_code ec;
        const bool present = fs::exists(candidate, ec);
        if (ec) continue;
        if (!present) return candidate;
        const fs::file_time_type written = fs::last_write_time(candidate, ec);
        if (ec) continue;
        if (oldest.empty() || written < oldestTime) {
            oldest = candidate;
            oldestTime = written;
        }
    }
    return oldest.empty() ? folder / BackupName(1) : oldest;
}

std::optional<Tmodele> TFileModele::Find(int32_t kind, uint16_t day, uint16_t month, uint16_t year,
                                         std::string* problem) const {
    std::optional<Tmodele> found;
    const std::string failure = ReadLibrary(path_, [&](Tmodele&& variant) {
        if (!SameIdentity(variant, kind, day, month, year)) return true;
        found = std::move(variant);
        return false;
    });
    if (problem) *problem = failure;
    return found;
}

std::string TFileModele::Damage() const {
    return ReadLibrary(path_, [](Tmodele&&) { return true; });
}

std::vector<Tmodele> TFileModele::ReadAll(std::string* problem) const {
    std::vector<Tmodele> variants;
    const std::string failure = ReadLibrary(path_, [&](Tmodele&& variant) {
        variants.push_back(std::move(variant));
        return true;
    });
    if (problem) *problem = failure;
    return variants;
}

// Mended against the plain way of deleting the library and writing it again from the backup:
// a backup that cannot be made now stops the removal with the library untouched, and the
// kept records go to a temporary file that replaces the library only once all of them were
// written, so a full disk or a lost write never costs a variant. A damaged library is not
// rewritten at all: every record after the damage would be lost with it.
std::string TFileModele::Delete(int32_t kind, uint16_t day, uint16_t month, uint16_t year) {
    return Rewrite(kind, day, month, year, nullptr);
}

// Mended: the editor removed the old record and then appended the new one, so a new record
// that could not be written left the library without the variant at all.
std::string TFileModele::Replace(const Tmodele& variant) {
    std::error_code ec;
    if (!fs::exists(path_, ec)) return Append(variant);
    return Rewrite(variant.Kind, variant.Day, variant.Month, variant.Year, &variant);
}

std::string TFileModele::Rewrite(int32_t kind, uint16_t day, uint16_t month, uint16_t year,
                                 const Tmodele* added) {
    std::error_code ec;
    if (!fs::is_regular_file(path_, ec)) return OpenFailure(path_);
    if (added)
        if (std::string problem = added->RecordProblem(); !problem.empty())
            return ErrorMessage(4, Utf8(path_) + " : " + problem);
    // Checked before the backup, which could otherwise push a good old copy out.
    if (std::string damage = Damage(); !damage.empty()) return damage;

    const fs::path backup = ChooseBackup(path_.parent_path());
    fs::remove(backup, ec);
    if (const std::string failed = copyFile_(path_, backup); !failed.empty()) {
        fs::remove(backup, ec); // a half-written copy would pass for a good one
        return ErrorMessage(4, failed);
    }

    // The kept records are gathered first and replace the library in one atomic write.
    std::ostringstream kept;
    {
        std::ifstream in(path_, std::ios::binary);
        if (!in) return OpenFailure(path_);
        std::string damage;
        const ReadEnd end = ReadRecords(
            in,
            [&](Tmodele&& variant) {
                if (!SameIdentity(variant, kind, day, month, year)) variant.SaveToStream(kept);
                return true;
            },
            damage);
        // Damage found only now (the file changed under us) leaves the library as it is.
        if (end == ReadEnd::Damaged) return ErrorMessage(4, Utf8(path_) + " : " + damage);
    }
    if (added) added->SaveToStream(kept);
    if (const std::string error = WriteFileAtomically(path_, std::string_view(kept.view()));
        !error.empty())
        return ErrorMessage(4, error);
    settings_.StorePath(path_);
    return {};
}

// Mended: the library is written again whole, through a temporary file renamed over it, so
// a write that fails half-way leaves no partial record at its end to hide every variant
// appended after it; and nothing is added behind a damaged record, where no reader would
// ever find it.
std::string TFileModele::Append(const Tmodele& variant) {
    if (std::string damage = Damage(); !damage.empty()) return damage;
    std::string bytes;
    std::error_code ec;
    if (fs::exists(path_, ec)) {
        std::string error;
        bytes = ReadWholeFile(path_, error);
        if (!error.empty()) return ErrorMessage(4, error);
    }
    std::ostringstream record;
    try {
        variant.SaveToStream(record);
    } catch (const std::exception& e) {
        return ErrorMessage(4, Utf8(path_) + " : " + e.what());
    }
    bytes += record.view();
    if (const std::string error = WriteFileAtomically(path_, bytes); !error.empty())
        return ErrorMessage(4, error);
    settings_.StorePath(path_);
    return {};
}

} // namespace vantorel
