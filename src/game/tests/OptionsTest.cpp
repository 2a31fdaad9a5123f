// The options record's text form and checksum, as kept in the user's settings.
#include "game/TOptions.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using namespace vantorel;

// Guards the defaults and their text: the checksum of the defaults and the exact groups.
TEST(Options, DefaultsAndTheirText) {
    const TOptions options;
    EXPECT_EQ(options[TOptions::OptionsChecksum], 49304);
    EXPECT_EQ(options.ToText(), "0004 0000 0001 0000 0000 0001 0002 1388 0001 07D0 0001 0001 "
                                "0000 0000 0000 0000 0000 0000 0000 C098 ");
}

// Guards the reader: a round trip keeps the values; damaged, tampered or lower-case text
// gives the defaults; a negative value is written as 0000.
TEST(Options, ReadingBackAndRefusingDamage) {
    TOptions changed;
    changed[TOptions::AnimSpeed] = 12;
    changed[TOptions::MaxAnimMs] = 700;
    changed[TOptions::OptionsChecksum] = changed.Checksum();
    TOptions read;
    read.FromText(changed.ToText());
    EXPECT_EQ(read.Values, changed.Values);

    const TOptions defaults;
    struct Case {
        const char* name;
        std::string text;
    };
    std::string tampered = changed.ToText();
    tampered[3] = '5';
    std::string lower = changed.ToText();
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const Case& c : {Case{"empty", ""}, Case{"tampered", tampered}, Case{"lower case", lower},
                          Case{"garbage", "zz 12 FFFFFFFFFFFF"},
                          Case{"truncated", changed.ToText().substr(0, 30)}}) {
        TOptions options;
        options[TOptions::AnimSpeed] = 9;
        options.FromText(c.text);
        EXPECT_EQ(options.Values, defaults.Values) << c.name;
    }

    TOptions negative;
    negative[TOptions::AnimSpeed] = -3;
    EXPECT_EQ(negative.ToText().substr(0, 5), "0000 ");
}

// Guards what a hand-edited record can do: a value no control can set takes its default, the
// others are kept and the checksum follows.
TEST(Options, ValuesOutOfReachTakeTheirDefaults) {
    TOptions edited;
    edited[TOptions::ComputerLevel] = 1000;
    edited[TOptions::DiceDelayMs] = -2000;
    edited[TOptions::AnimSpeed] = 0;
    edited[TOptions::MaxAnimMs] = 10000;
    edited[TOptions::Music] = 0;
    edited[TOptions::OptionsChecksum] = edited.Checksum();
    std::string text; // eight digits a value, as ToText does not write a negative one
    for (const int32_t v : edited.Values) {
        char group[16];
        std::snprintf(group, sizeof group, "%08X ", static_cast<unsigned>(v));
        text += group;
    }
    TOptions read;
    read.FromText(text);
    const TOptions defaults;
    EXPECT_EQ(read[TOptions::ComputerLevel], defaults[TOptions::ComputerLevel]);
    EXPECT_EQ(read[TOptions::DiceDelayMs], defaults[TOptions::DiceDelayMs]);
    EXPECT_EQ(read[TOptions::AnimSpeed], defaults[TOptions::AnimSpeed]);
    EXPECT_EQ(read[TOptions::MaxAnimMs], 10000);
    EXPECT_EQ(read[TOptions::Music], 0);
    EXPECT_EQ(read[TOptions::OptionsChecksum], read.Checksum());
}
