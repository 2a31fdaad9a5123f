// Reading the text form of a variant.
#include "ModelText.h"

#include "Protocol.h"

#include "engine/Tjeu.h"

#include <cmath>
#include <cstdlib>
#include <exception>
#include <string_view>

namespace vantorel {
namespace {

constexpr std::string_view kSectionEnd = "\xC2\xA7";

// A real field as either separator writes it; none unless the whole field is a finite number.
std::optional<double> TakeReal(std::string& text) {
    const size_t end = text.find(';');
    if (end == std::string::npos) return std::nullopt;
    std::string field = text.substr(0, end);
    text.erase(0, end + 1);
    for (char& c : field)
        if (c == ',') c = '.';
    const char* begin = field.c_str();
    while (*begin == ' ')
        ++begin;
    if (*begin == '\0') return std::nullopt;
    char* stop = nullptr;
    const double value = std::strtod(begin, &stop);
    while (*stop == ' ')
        ++stop;
    if (*stop != '\0' || !std::isfinite(value) || std::fabs(value) > 1e6) return std::nullopt;
    return value;
}

bool InRange(int value, int low, int high) {
    return value >= low && value <= high;
}

} // namespace

std::optional<Tmodele> ReadModelText(const std::string& utf8Text) {
    std::string text = utf8Text;
    const int received = TakeNumber(text);
    // The checksum covers everything after its field, section sign included.
    if (received != Tmodele::TextChecksum(text)) return std::nullopt;
    const int kind = TakeNumber(text);
    Tmodele model(kind == 0 ? 0 : 1);
    if (kind != 0 && kind != 1) model.Name = "?";
    model.Kind = kind;
    const int day = TakeNumber(text);
    const int month = TakeNumber(text);
    const int year = TakeNumber(text);
    TakeNumber(text); // the record checksum also covers the name and description, not sent
    const int identity = TakeNumber(text);
    const int points = TakeNumber(text);
    const int links = TakeNumber(text);
    const int mills = TakeNumber(text);
    if (!InRange(day, 0, 31) || !InRange(month, 0, 12) || !InRange(year, 0, 65535) ||
        !InRange(points, 1, kMaxPlayablePoints) || !InRange(links, 0, kMaxRecordLinks) ||
        !InRange(mills, 0, kMaxRecordMills))
        return std::nullopt;
    model.Day = static_cast<uint16_t>(day);
    model.Month = static_cast<uint16_t>(month);
    model.Year = static_cast<uint16_t>(year);
    model.Identity = identity;
    model.Points.assign(static_cast<size_t>(points), {});
    for (TPointRec& point : model.Points) {
        const auto x = TakeReal(text);
        const auto y = TakeReal(text);
        if (!x || !y) return std::nullopt;
        point = {*x, *y};
    }
    const auto pointField = [&text, points](int16_t& into) {
        const int value = TakeNumber(text);
        into = static_cast<int16_t>(value);
        return InRange(value, 0, points - 1);
    };
    model.Links.assign(static_cast<size_t>(links), {});
    for (TLinkRec& link : model.Links)
        if (!pointField(link.A) || !pointField(link.B)) return std::nullopt;
    model.Mills.assign(static_cast<size_t>(mills), {});
    for (TMillRec& mill : model.Mills)
        if (!pointField(mill.P1) || !pointField(mill.P2) || !pointField(mill.P3))
            return std::nullopt;
    model.ExtraInt1 = TakeNumber(text);
    model.MinPieces = TakeNumber(text);
    model.ExtraInt2 = TakeNumber(text);
    model.MinDepth = TakeNumber(text);
    model.JumpRule = TakeNumber(text);
    model.PiecesPerSide[0] = TakeNumber(text);
    model.PiecesPerSide[1] = TakeNumber(text);
    const auto extra = TakeReal(text);
    model.DiceRule = TakeNumber(text);
    model.CaptureRule = TakeNumber(text);
    model.CaptureWhilePlacing = TakeNumber(text);
    if (!extra || !text.starts_with(kSectionEnd) || !InRange(model.MinPieces, 0, 127) ||
        !InRange(model.JumpRule, 0, 2) || !InRange(model.DiceRule, 0, 1) ||
        !InRange(model.CaptureRule, 0, 3) || !InRange(model.CaptureWhilePlacing, 0, 1) ||
        !model.IsPlayable())
        return std::nullopt;
    model.ExtraReal = *extra;
    try {
        // The engine's own word on the board, before anybody plays on it.
        const Tjeu trial(model);
    } catch (const std::exception&) {
        return std::nullopt;
    }
    return model;
}

} // namespace vantorel
