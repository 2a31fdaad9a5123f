#include "VariantSource.h"

#include <sstream>
#include <string>

namespace vantorel {

namespace {

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

class Reader {
public:
    explicit Reader(std::istream& text) : text_(text) {}

    std::vector<Tmodele> ReadAll() {
        std::vector<Tmodele> variants;
        std::string line;
        bool open = false;
        Tmodele model(-1);
        bool describedAgain = false;
        while (std::getline(text_, line)) {
            ++number_;
            line = Trim(line);
            if (line.empty() || line[0] == '#') continue;
            if (line.rfind("variant ", 0) == 0) {
                if (open) Fail("a variant starts before the last one ended");
                open = true;
                describedAgain = false;
                model = Tmodele(-1);
                model.Points.clear();
                model.Links.clear();
                model.Mills.clear();
                model.Description.clear();
                ReadIdentity(line.substr(8), model);
                continue;
            }
            if (!open) Fail("text outside a variant");
            if (line == "end") {
                if (const std::string problem = model.PlayabilityProblem(); !problem.empty())
                    Fail(problem);
                if (model.PointCount() == 0) Fail("a variant without points");
                variants.push_back(model);
                open = false;
                continue;
            }
            const auto colon = line.find(':');
            if (colon == std::string::npos) Fail("expected \"key: value\"");
            const std::string key = line.substr(0, colon);
            const std::string value = Trim(line.substr(colon + 1));
            if (key == "name") {
                model.Name = value;
            } else if (key == "description") {
                if (!describedAgain) model.Description.clear();
                describedAgain = true;
                model.Description.push_back(value);
            } else if (key == "pieces") {
                model.PiecesPerSide[0] = model.PiecesPerSide[1] =
                    Integer(value, 1, kMaxPiecesPerSide);
            } else if (key == "jump") {
                model.JumpRule = Integer(value, 0, 2);
            } else if (key == "capture") {
                model.CaptureRule = Integer(value, 0, 3);
            } else if (key == "dice") {
                model.DiceRule = Integer(value, 0, 1);
            } else if (key == "capture-while-placing") {
                model.CaptureWhilePlacing = Integer(value, 0, 1);
            } else if (key == "min-depth") {
                model.MinDepth = Integer(value, 1, 30);
            } else if (key == "builtin" || key == "geometry") {
                const int kind = Integer(value, 0, 1);
                const Tmodele builtin(kind);
                if (key == "builtin") {
                    // The built-in board as it is, under the identity given above.
                    const int32_t k = model.Kind;
                    const uint16_t d = model.Day, m = model.Month, y = model.Year;
                    model.Assign(builtin);
                    model.Kind = k;
                    model.Day = d;
                    model.Month = m;
                    model.Year = y;
                } else {
                    model.Points = builtin.Points;
                    model.Links = builtin.Links;
                    model.Mills = builtin.Mills;
                }
            } else if (key == "points") {
                ReadPoints(value, model);
            } else if (key == "links") {
                for (const auto& n : Groups(value, 2))
                    model.Links.push_back({static_cast<int16_t>(n[0]), static_cast<int16_t>(n[1])});
            } else if (key == "mills") {
                for (const auto& n : Groups(value, 3))
                    model.Mills.push_back({static_cast<int16_t>(n[0]), static_cast<int16_t>(n[1]),
                                           static_cast<int16_t>(n[2])});
            } else {
                Fail("unknown key \"" + key + "\"");
            }
        }
        if (open) Fail("the last variant has no \"end\"");
        return variants;
    }

private:
    [[noreturn]] void Fail(const std::string& why) const {
        throw TVariantSourceError("line " + std::to_string(number_) + ": " + why);
    }

    int Integer(const std::string& text, int low, int high) const {
        size_t used = 0;
        int value = 0;
        try {
            value = std::stoi(text, &used);
        } catch (const std::exception&) {
            Fail("not a number: \"" + text + "\"");
        }
        if (used != text.size()) Fail("not a number: \"" + text + "\"");
        if (value < low || value > high)
            Fail(text + " is not in " + std::to_string(low) + ".." + std::to_string(high));
        return value;
    }

    void ReadIdentity(const std::string& text, Tmodele& model) const {
        std::istringstream in(text);
        std::string kind, date;
        if (!(in >> kind >> date)) Fail("expected \"variant KIND DAY/MONTH/YEAR\"");
        model.Kind = Integer(kind, 0, 2147483647);
        const auto a = date.find('/'), b = date.rfind('/');
        if (a == std::string::npos || a == b) Fail("expected a date DAY/MONTH/YEAR");
        model.Day = static_cast<uint16_t>(Integer(date.substr(0, a), 1, 31));
        model.Month = static_cast<uint16_t>(Integer(date.substr(a + 1, b - a - 1), 1, 12));
        model.Year = static_cast<uint16_t>(Integer(date.substr(b + 1), 1, 9999));
    }

    void ReadPoints(const std::string& text, Tmodele& model) const {
        std::istringstream in(text);
        std::string pair;
        while (std::getline(in, pair, ';')) {
            std::istringstream xy(pair);
            double x = 0, y = 0;
            std::string rest;
            if (!(xy >> x >> y) || (xy >> rest)) Fail("a point is \"x y\"");
            if (x < -10 || x > 10 || y < -10 || y > 10) Fail("a point lies outside -10..10");
            model.Points.push_back({x, y});
        }
    }

    // "a-b c-d ..." as groups of `size` integers.
    std::vector<std::vector<int>> Groups(const std::string& text, size_t size) const {
        std::vector<std::vector<int>> groups;
        std::istringstream in(text);
        std::string word;
        while (in >> word) {
            std::vector<int> numbers;
            std::istringstream parts(word);
            std::string part;
            while (std::getline(parts, part, '-'))
                numbers.push_back(Integer(part, 0, kMaxPlayablePoints - 1));
            if (numbers.size() != size) Fail("\"" + word + "\" has the wrong number of points");
            groups.push_back(numbers);
        }
        return groups;
    }

    std::istream& text_;
    int number_ = 0;
};

} // namespace

std::vector<Tmodele> ReadVariantSource(std::istream& text) {
    return Reader(text).ReadAll();
}

} // namespace vantorel
