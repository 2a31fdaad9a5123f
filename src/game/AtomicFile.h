#pragma once
// A file written whole or not at all. The bytes go to a temporary file beside the target,
// are flushed to the disk, and only then renamed over it: a full disk, a write limit or a
// crash half-way leaves the previous file exactly as it was, never a truncated one.
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace vantorel {

// Writes `bytes` as the new content of `target`. Empty on success; otherwise the file's name
// and the system's reason ("/home/x/partie.vtl : No space left on device"), with the
// temporary file removed and `target` untouched. A symbolic link is followed, so the file
// it names is replaced and the link stays. A new file gets the usual permissions (umask); a
// replaced one keeps its own.
std::string WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// The same with bytes made by `write` on a stream; a write that throws is reported with its
// message and nothing is written.
std::string WriteFileAtomically(const std::filesystem::path& target,
                                const std::function<void(std::ostream&)>& write);

} // namespace vantorel
