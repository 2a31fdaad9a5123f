// The tool's arguments come from scripts and people. Any argument list is either refused
// with a usage error or parsed into values within the ranges asked for: a position with one
// mark per point, a move of three bytes, clicks on points 0..127 or the dice.
#include "FuzzInput.h"

#include "cli/CliSupport.h"

#include <string>
#include <vector>

using namespace vantorel;
using vantorel::fuzz::Expect;

namespace {

// Each lookup a command makes, guarded as the commands are: a usage error is an answer.
template <class Lookup> void Try(Lookup&& lookup) {
    try {
        lookup();
    } catch (const cli::UsageError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The arguments, separated by NUL bytes, at most 32 of them.
    std::vector<std::string> words(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] != 0)
            words.back() += static_cast<char>(data[i]);
        else if (words.size() < 32)
            words.emplace_back();
    }
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    try {
        const cli::Args args(static_cast<int>(words.size()), argv.data(), 0,
                             {"text", "show", "capture-first", "serve"});
        Try([&] {
            const long long level = args.Integer("level", 0, 34, 2);
            Expect(level >= 0 && level <= 34, "an integer outside its range");
        });
        Try([&] {
            const auto reserve = args.Integers("reserve", 2, 0, 127);
            Expect(reserve.size() == 2 && reserve[0] >= 0 && reserve[1] <= 127,
                   "a reserve outside its range");
        });
        Try([&] {
            const Tmodele model(static_cast<int32_t>(args.Integer("variant", 0, 1, 1)));
            const cli::Position position = cli::ReadPosition(args, model);
            Expect(position.Board.size() == static_cast<size_t>(model.PointCount()),
                   "a board of the wrong size");
            Expect(position.Board.find_first_not_of("LBN") == std::string::npos,
                   "a board with a foreign mark");
        });
        Try([&] { (void)cli::ReadMove(args); });
        Try([&] {
            for (const int click : cli::ParseClicks(args.Text("clicks", "")))
                Expect(click >= -1 && click <= 127, "a click off every board");
        });
        Try([&] { (void)args.Text("library", "Vantorel.tev"); });
    } catch (const cli::UsageError&) {
    }
    return 0;
}
