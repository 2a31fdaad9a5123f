#include "TOptions.h"

#include <cstdio>

namespace vantorel {
namespace {

struct TRange {
    TOptions::Index Option;
    int32_t Low, High;
};

// What the options dialog and the level menu can set. A hand-edited record may hold more
// (a level of 1000 thinks for 82 minutes, a negative speed never arrives).
constexpr TRange kRanges[] = {
    {TOptions::AnimSpeed, 1, 20},      {TOptions::Textures, 0, 1},
    {TOptions::WheelZoom, 0, 1},       {TOptions::ArrowKeyCamera, 0, 1},
    {TOptions::Music, 0, 1},           {TOptions::ComputerLevel, 0, 34},
    {TOptions::MaxAnimMs, 100, 10000}, {TOptions::DiceDelayMs, 1000, 10000},
    {TOptions::TipOfTheDay, 0, 1},     {TOptions::SoundEffects, 0, 1},
    {TOptions::RandomMusic, 0, 1},
};

} // namespace

void TOptions::Reset() {
    Values.fill(0);
    (*this)[AnimSpeed] = 4;
    (*this)[Textures] = 1;
    (*this)[Music] = 1;
    (*this)[ComputerLevel] = 2;
    (*this)[MaxAnimMs] = 5000;
    Values[8] = 1;
    (*this)[DiceDelayMs] = 2000;
    (*this)[TipOfTheDay] = 1;
    (*this)[SoundEffects] = 1;
    (*this)[OptionsChecksum] = Checksum();
}

int32_t TOptions::Checksum() const {
    // Wide arithmetic: the product of a large stored value overflows 32 bits otherwise;
    // the result is the same for every record of sane values.
    int64_t a = 0;
    for (int i = 0; i < OptionsChecksum; ++i)
        a = (a * 256 + Values[static_cast<size_t>(i)]) % 65239;
    return static_cast<int32_t>(a);
}

std::string TOptions::ToText() const {
    std::string text;
    char group[16];
    for (int32_t v : Values) {
        std::snprintf(group, sizeof group, "%04X ", static_cast<unsigned>(v < 0 ? 0 : v));
        text += group;
    }
    return text;
}

void TOptions::FromText(const std::string& text) {
    Reset();
    // Groups overwrite the defaults from the first value on; a short text keeps the rest.
    TOptions read;
    int count = 0;
    uint64_t token = 0;
    int digits = 0;
    auto flush = [&] {
        if (digits > 0 && count < kCount)
            // More than eight digits do not fit a value: read as 0, like any failed group.
            read.Values[static_cast<size_t>(count++)] =
                digits > 8 ? 0 : static_cast<int32_t>(static_cast<uint32_t>(token));
        token = 0;
        digits = 0;
    };
    for (char c : text + "  ") {
        int value = -1;
        if (c >= '0' && c <= '9')
            value = c - '0';
        else if (c >= 'A' && c <= 'F')
            value = c - 'A' + 10;
        if (value < 0) {
            flush();
            continue;
        }
        if (digits <= 8) token = token * 16 + static_cast<uint64_t>(value);
        ++digits;
    }
    if (read.Checksum() != read[OptionsChecksum]) return;
    const TOptions defaults;
    for (const TRange& range : kRanges)
        if (read[range.Option] < range.Low || read[range.Option] > range.High)
            read[range.Option] = defaults[range.Option];
    read[OptionsChecksum] = read.Checksum();
    Values = read.Values;
}

} // namespace vantorel
