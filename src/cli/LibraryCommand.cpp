// The variant library: list its variants, add one, remove one (with its backup copy).
#include "CliSupport.h"
#include "Commands.h"

#include "game/TFileModele.h"

#include <iostream>
#include <limits>

namespace vantorel::cli {
namespace {

// The tool names its library on the command line and remembers nothing.
class CommandLineLocation : public TLibrarySettings {
public:
    explicit CommandLineLocation(std::filesystem::path path) : path_(std::move(path)) {}
    std::filesystem::path StoredPath() const override { return path_; }
    void StorePath(const std::filesystem::path&) override {}

private:
    std::filesystem::path path_;
};

std::string JsonVariant(const Tmodele& v) {
    return "{\"kind\": " + std::to_string(v.Kind) + ", \"name\": " + JsonString(v.Name) +
           ", \"day\": " + std::to_string(v.Day) + ", \"month\": " + std::to_string(v.Month) +
           ", \"year\": " + std::to_string(v.Year) +
           ", \"points\": " + std::to_string(v.PointCount()) +
           ", \"checksum\": " + std::to_string(v.Checksum()) + "}";
}

int PrintCount(const TFileModele& library) {
    std::cout << "{\"ok\": true, \"count\": " << library.ReadAll().size() << "}\n";
    return 0;
}

} // namespace

int LibraryCommand(int argc, char** argv) {
    if (argc < 3) throw UsageError("expects list, add or remove");
    const std::string action = argv[2];
    const Args args(argc, argv, 3, {});
    const std::filesystem::path path = args.Text("library");
    CommandLineLocation location(path);
    TFileModele library(location, std::filesystem::current_path());

    if (action == "list") {
        std::string problem;
        const auto variants = library.ReadAll(&problem);
        std::cout << "{\"variants\": [";
        for (size_t k = 0; k < variants.size(); ++k)
            std::cout << (k ? ", " : "") << JsonVariant(variants[k]);
        std::cout << "]";
        // Reading stopped at a damaged record: what follows it is not listed, and the list
        // is not a success: the catalogue's message goes to stderr and the exit code is 2.
        if (!problem.empty()) std::cout << ", \"problem\": " << JsonString(problem);
        std::cout << "}\n";
        if (problem.empty()) return 0;
        std::cout.flush();
        throw UsageError(problem);
    }
    if (action == "add") {
        const Tmodele variant = LoadVariant(args.Text("variant"));
        if (const std::string error = library.Append(variant); !error.empty())
            throw UsageError(error);
        return PrintCount(library);
    }
    if (action == "remove") {
        constexpr long long kDateMax = std::numeric_limits<uint16_t>::max();
        const auto kind = static_cast<int32_t>(args.Integer(
            "kind", std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
        const auto day = static_cast<uint16_t>(args.Integer("day", 0, kDateMax));
        const auto month = static_cast<uint16_t>(args.Integer("month", 0, kDateMax));
        const auto year = static_cast<uint16_t>(args.Integer("year", 0, kDateMax));
        if (const std::string error = library.Delete(kind, day, month, year); !error.empty())
            throw UsageError(error);
        return PrintCount(library);
    }
    throw UsageError("expects list, add or remove, not '" + action + "'");
}

} // namespace vantorel::cli
