#include "CliSupport.h"

#include "engine/Random.h"
#include "engine/TValueStream.h"
#include "game/Messages.h"
#include "game/TPlateau.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sstream>

namespace vantorel::cli {

Args::Args(int argc, char** argv, int first, const std::vector<std::string>& switches) {
    for (int i = first; i < argc; ++i) {
        const std::string name = argv[i];
        if (name.rfind("--", 0) != 0) throw UsageError("unexpected argument: " + name);
        const std::string key = name.substr(2);
        bool isSwitch = false;
        for (const auto& s : switches)
            isSwitch = isSwitch || s == key;
        if (isSwitch) {
            values_[key] = "1";
            continue;
        }
        if (i + 1 >= argc) throw UsageError("missing value after " + name);
        values_[key] = argv[++i];
    }
}

std::string Args::Text(const std::string& name) const {
    const auto it = values_.find(name);
    if (it == values_.end()) throw UsageError("missing --" + name);
    return it->second;
}

std::string Args::Text(const std::string& name, const std::string& fallback) const {
    return Has(name) ? Text(name) : fallback;
}

namespace {
long long ParseInteger(const std::string& name, const std::string& text, long long low,
                       long long high) {
    size_t used = 0;
    long long value = 0;
    try {
        value = std::stoll(text, &used);
    } catch (const std::exception&) {
        throw UsageError("--" + name + " expects an integer, not '" + text + "'");
    }
    if (used != text.size())
        throw UsageError("--" + name + " expects an integer, not '" + text + "'");
    if (value < low || value > high)
        throw UsageError("--" + name + " must lie in " + std::to_string(low) + ".." +
                         std::to_string(high));
    return value;
}
} // namespace

long long Args::Integer(const std::string& name, long long low, long long high) const {
    return ParseInteger(name, Text(name), low, high);
}

long long Args::Integer(const std::string& name, long long low, long long high,
                        long long fallback) const {
    return Has(name) ? Integer(name, low, high) : fallback;
}

std::vector<long long> Args::Integers(const std::string& name, size_t count, long long low,
                                      long long high) const {
    std::vector<long long> values;
    std::stringstream parts(Text(name));
    std::string part;
    while (std::getline(parts, part, ','))
        values.push_back(ParseInteger(name, part, low, high));
    if (values.size() != count)
        throw UsageError("--" + name + " expects " + std::to_string(count) +
                         " comma-separated integers");
    return values;
}

std::ifstream OpenInput(const std::string& path) {
    // A folder opens as a stream on Linux and only fails at the first read, with no name.
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        throw UsageError(ErrorMessage(4, path + " : " + std::strerror(EISDIR)));
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw UsageError(ErrorMessage(4, path + " : " + std::strerror(errno ? errno : ENOENT)));
    return in;
}

void LoadSavedGame(const std::string& path, TPlateau& game) {
    std::ifstream in = OpenInput(path);
    try {
        game.LoadGame(in);
    } catch (const StreamError& e) {
        const std::string why = e.what();
        throw UsageError(ErrorMessage(4, why.empty() ? path : path + " : " + why));
    }
}

Tmodele LoadVariant(const std::string& variant) {
    if (variant == "0" || variant == "1") return Tmodele(variant == "0" ? 0 : 1);
    std::ifstream file = OpenInput(variant);
    Tmodele model;
    try {
        if (!model.LoadFromStream(file)) throw UsageError(variant + ": checksum mismatch");
    } catch (const StreamError& e) {
        throw UsageError(variant + ": " + e.what());
    }
    return model;
}

Position ReadPosition(const Args& args, const Tmodele& model) {
    Position position;
    position.Board = args.Text("board");
    if (position.Board.size() != static_cast<size_t>(model.PointCount()))
        throw UsageError("--board needs one character per point (" +
                         std::to_string(model.PointCount()) + ")");
    for (char c : position.Board)
        if (c != 'L' && c != 'B' && c != 'N') throw UsageError("--board holds only L, B and N");
    const auto reserve = args.Integers("reserve", 2, 0, 127);
    position.Reserve[0] = static_cast<int8_t>(reserve[0]);
    position.Reserve[1] = static_cast<int8_t>(reserve[1]);
    return position;
}

TMove ReadMove(const Args& args) {
    const auto m = args.Integers("move", 3, -128, 127);
    return {static_cast<int8_t>(m[0]), static_cast<int8_t>(m[1]), static_cast<int8_t>(m[2])};
}

void SeedFromArgs(const Args& args) {
    if (args.Has("seed"))
        RandSeed(static_cast<uint32_t>(args.Integer("seed", 0, 4294967295LL)));
    else
        RandomizeFromClock();
}

std::vector<int> ParseClicks(const std::string& text) {
    std::vector<int> clicks;
    std::istringstream in(text);
    std::string word;
    while (in >> word) {
        size_t used = 0;
        int value = 0;
        try {
            value = std::stoi(word, &used);
        } catch (const std::exception&) {
            used = 0;
        }
        if (used != word.size() || value < -1 || value > 127)
            throw UsageError("--clicks holds point numbers from 0, or -1 for the dice");
        clicks.push_back(value);
    }
    return clicks;
}

std::string JsonString(const std::string& utf8) {
    std::string out = "\"";
    for (char c : utf8) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (b < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", b);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string JsonMove(TMove move) {
    return "[" + std::to_string(move.From) + ", " + std::to_string(move.To) + ", " +
           std::to_string(move.Capture) + "]";
}

std::string JsonMoves(const Tsuivants& moves) {
    std::string out = "[";
    for (size_t i = 0; i < moves.size(); ++i)
        out += (i ? ", " : "") + JsonMove(moves[i]);
    return out + "]";
}

} // namespace vantorel::cli
