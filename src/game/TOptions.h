#pragma once
// The options record: twenty signed values shared by the whole program, the last one a
// checksum of the others, kept as a line of hexadecimal groups in the user's settings.
#include <array>
#include <cstdint>
#include <string>

namespace vantorel {

struct TOptions {
    enum Index : int {
        AnimSpeed = 0,
        Textures = 2,
        WheelZoom = 3,
        ArrowKeyCamera = 4,
        Music = 5,
        ComputerLevel = 6,
        MaxAnimMs = 7,
        DiceDelayMs = 9,
        TipOfTheDay = 10,
        SoundEffects = 11,
        RandomMusic = 12,
        OptionsChecksum = 19,
    };
    static constexpr int kCount = 20;

    std::array<int32_t, kCount> Values{};

    TOptions() { Reset(); }
    int32_t operator[](Index i) const { return Values[static_cast<size_t>(i)]; }
    int32_t& operator[](Index i) { return Values[static_cast<size_t>(i)]; }

    // Every value to its default, checksum included.
    void Reset();
    // Of values 0..18.
    int32_t Checksum() const;
    // Each value as at least four upper-case hex digits and a space (negative: 0000).
    std::string ToText() const;
    // Reads the text form; anything unreadable or a checksum that does not match gives the
    // defaults. Lower-case letters separate groups, as any other character does. A value
    // the program cannot set (a level of 99, a negative delay) takes its default.
    void FromText(const std::string& text);
};

} // namespace vantorel
