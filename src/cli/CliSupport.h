#pragma once
// Argument parsing, variant loading and JSON output shared by the commands of the tool.
#include "engine/TMove.h"
#include "engine/Tmodele.h"

#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace vantorel {
class TPlateau;
}

namespace vantorel::cli {

// A bad argument or an unreadable file: one line on stderr, exit code 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Args {
public:
    // "--name value" pairs and "--flag" switches after the command name.
    Args(int argc, char** argv, int first, const std::vector<std::string>& switches);

    bool Has(const std::string& name) const { return values_.count(name) != 0; }
    std::string Text(const std::string& name) const;
    std::string Text(const std::string& name, const std::string& fallback) const;
    long long Integer(const std::string& name, long long low, long long high) const;
    long long Integer(const std::string& name, long long low, long long high,
                      long long fallback) const;
    std::vector<long long> Integers(const std::string& name, size_t count, long long low,
                                    long long high) const;

private:
    std::map<std::string, std::string> values_;
};

// A file opened for reading; a missing or unreadable file, or a folder, throws UsageError
// with the catalogue's open-file message naming the path and the system's reason.
std::ifstream OpenInput(const std::string& path);

// "0", "1" or the path of a model file.
Tmodele LoadVariant(const std::string& variant);

// A saved game read into a headless game; a damaged file gives the catalogue's message
// with the path and what was wrong.
void LoadSavedGame(const std::string& path, TPlateau& game);

// The position arguments shared by moves, captures, check, play and perft.
struct Position {
    std::string Board;
    int8_t Reserve[2] = {0, 0};
};
Position ReadPosition(const Args& args, const Tmodele& model);
TMove ReadMove(const Args& args);
// The points of --clicks, separated by blanks: 0..127, or -1 for the dice.
std::vector<int> ParseClicks(const std::string& text);
void SeedFromArgs(const Args& args);

std::string JsonString(const std::string& utf8);
std::string JsonMove(TMove move);
std::string JsonMoves(const Tsuivants& moves);

} // namespace vantorel::cli
