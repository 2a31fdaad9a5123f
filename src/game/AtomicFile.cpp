#include "AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace vantorel {
namespace fs = std::filesystem;

namespace {

std::string Utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

std::string Failure(const fs::path& path, int error) {
    return Utf8(path) + " : " + std::strerror(error);
}

// A name of our own beside the target: the process and a counter keep two writers of the
// same file (two windows, two tools) from sharing one temporary.
fs::path TemporaryBeside(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    fs::path temporary = target;
    temporary += ".tmp" + std::to_string(getpid()) + "-" + std::to_string(++counter);
    return temporary;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// Best effort: the rename itself is on the disk only once the folder is. A folder that
// cannot be opened or synced does not undo a file that was written.
void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}

} // namespace

std::string WriteFileAtomically(const fs::path& target, std::string_view bytes) {
    std::error_code ec;
    fs::path real = target;
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec) real = resolved;
    }
    struct stat existing {};
    const bool replacing = ::stat(real.c_str(), &existing) == 0;
    if (replacing && S_ISDIR(existing.st_mode)) return Failure(target, EISDIR);

    const fs::path temporary = TemporaryBeside(real);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    // The temporary cannot be made: the folder is missing or not ours to write.
    if (fd < 0) return Failure(target, errno);
    const auto abandon = [&](int error) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return Failure(target, error);
    };
    if (replacing && ::fchmod(fd, existing.st_mode & 07777) != 0 && errno != EPERM)
        return abandon(errno);
    if (!WriteAll(fd, bytes)) return abandon(errno);
    if (::fsync(fd) != 0) return abandon(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return Failure(target, error);
    }
    if (::rename(temporary.c_str(), real.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return Failure(target, error);
    }
    SyncFolder(real.parent_path());
    return {};
}

std::string WriteFileAtomically(const fs::path& target,
                                const std::function<void(std::ostream&)>& write) {
    std::ostringstream bytes;
    try {
        write(bytes);
    } catch (const std::exception& e) {
        return Utf8(target) + " : " + e.what();
    }
    if (!bytes) return Failure(target, EIO);
    return WriteFileAtomically(target, std::string_view(bytes.view()));
}

} // namespace vantorel
