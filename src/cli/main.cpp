// vantorel-cli: the engine and file tool. Each command prints one JSON object.
#include "CliSupport.h"
#include "Commands.h"

#include <csignal>
#include <cstring>
#include <iostream>

namespace {

struct Command {
    const char* name;
    int (*run)(int, char**);
};

constexpr Command kCommands[] = {
    {"model", vantorel::cli::ModelCommand},       {"moves", vantorel::cli::MovesCommand},
    {"captures", vantorel::cli::CapturesCommand}, {"check", vantorel::cli::CheckCommand},
    {"play", vantorel::cli::PlayCommand},         {"perft", vantorel::cli::PerftCommand},
    {"selfplay", vantorel::cli::SelfplayCommand}, {"eval", vantorel::cli::EvalCommand},
    {"search", vantorel::cli::SearchCommand},     {"suggest", vantorel::cli::SuggestCommand},
    {"computer", vantorel::cli::ComputerCommand}, {"bench", vantorel::cli::BenchCommand},
    {"game", vantorel::cli::GameCommand},         {"vtl", vantorel::cli::VtlCommand},
    {"state", vantorel::cli::StateCommand},       {"library", vantorel::cli::LibraryCommand},
    {"match", vantorel::cli::MatchCommand},       {"mills", vantorel::cli::MillsCommand},
    {"print", vantorel::cli::PrintCommand},       {"net-peer", vantorel::cli::NetPeerCommand},
};

void PrintUsage() {
    std::cerr << "usage: vantorel-cli COMMAND [--option value ...]\ncommands:";
    for (const auto& c : kCommands)
        std::cerr << ' ' << c.name;
    std::cerr << "\n";
}

} // namespace

int main(int argc, char** argv) {
    // A file size limit (ulimit -f) then fails the write with EFBIG, which a save reports,
    // instead of killing the tool half-way through it.
    std::signal(SIGXFSZ, SIG_IGN);
    if (argc < 2) {
        PrintUsage();
        return 2;
    }
    for (const auto& command : kCommands) {
        if (std::strcmp(argv[1], command.name) != 0) continue;
        try {
            return command.run(argc, argv);
        } catch (const vantorel::cli::UsageError& e) {
            std::cerr << "vantorel-cli " << command.name << ": " << e.what() << "\n";
            return 2;
        } catch (const std::exception& e) {
            std::cerr << "vantorel-cli " << command.name << ": " << e.what() << "\n";
            return 2;
        }
    }
    std::cerr << "vantorel-cli: unknown command '" << argv[1] << "'\n";
    PrintUsage();
    return 2;
}
