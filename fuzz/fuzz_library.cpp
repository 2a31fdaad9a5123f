// A variant library is a file anyone can hand over. Reading it must keep the variants
// before a damaged record and never crash or allocate without bound.
#include "FuzzInput.h"

#include "game/TFileModele.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

using namespace vantorel;

namespace {

class FixedSettings : public TLibrarySettings {
public:
    explicit FixedSettings(std::filesystem::path path) : path_(std::move(path)) {}
    std::filesystem::path StoredPath() const override { return path_; }
    void StorePath(const std::filesystem::path&) override {}

private:
    std::filesystem::path path_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // In memory when the system has it: the library is a file, written anew for every input.
    static const std::filesystem::path folder =
        (std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                   : std::filesystem::temp_directory_path()) /
        ("vantorel-fuzz-library-" + std::to_string(getpid()));
    // Made once, and gone when the run ends.
    static const struct Folder {
        explicit Folder(const std::filesystem::path& path) : path(path) {
            std::filesystem::create_directories(path);
        }
        ~Folder() {
            std::error_code ec;
            std::filesystem::remove_all(path, ec);
        }
        std::filesystem::path path;
    } made(folder);
    const std::filesystem::path file = folder / "Vantorel.tev";
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    FixedSettings settings(file);
    TFileModele library(settings, folder);
    std::string problem;
    const std::vector<Tmodele> variants = library.ReadAll(&problem);
    for (const Tmodele& variant : variants)
        (void)library.Find(variant.Kind, variant.Day, variant.Month, variant.Year);
    return 0;
}
