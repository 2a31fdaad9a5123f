// The variant model: built-in boards, copies and comparisons, checksums, the text form and
// the playability limits. The record and its value stream are in ModelRecordTest.cpp.
#include "EngineTestSupport.h"
#include "engine/Random.h"
#include "engine/Tjeu.h"
#include "engine/Tmodele.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

using namespace vantorel;
using vantorel::testing::CustomModel;

namespace {

struct BuiltInCase {
    int createKind;
    int kind;
    int links, mills;
    TLinkRec link24, lastLink;
    TMillRec mill12, lastMill;
    int captureWhilePlacing, captureRule, minDepth, extraInt1;
    size_t descriptionLines;
    const char* name;
};

class BuiltIn : public ::testing::TestWithParam<BuiltInCase> {};

// Guards against wrong tables or option fields of the two built-in boards, and against
// Create(7) keeping its argument instead of the kind the loader sets.
TEST_P(BuiltIn, TablesAndOptions) {
    const BuiltInCase& c = GetParam();
    const Tmodele m(c.createKind);
    EXPECT_EQ(m.Kind, c.kind);
    EXPECT_EQ(m.Name, c.name);
    ASSERT_EQ(m.PointCount(), 24);
    ASSERT_EQ(m.LinkCount(), c.links);
    ASSERT_EQ(m.MillCount(), c.mills);
    EXPECT_EQ(m.Points[0], (TPointRec{-9, 9}));
    EXPECT_EQ(m.Points[9], (TPointRec{0, 6}));
    EXPECT_EQ(m.Points[23], (TPointRec{-3, 0}));
    EXPECT_EQ(m.Points[4], (TPointRec{9, -9}));
    EXPECT_EQ(m.Links[0], (TLinkRec{0, 1}));
    EXPECT_EQ(m.Links[7], (TLinkRec{7, 0}));
    EXPECT_EQ(m.Links[24], c.link24);
    EXPECT_EQ(m.Links.back(), c.lastLink);
    EXPECT_EQ(m.Mills[0], (TMillRec{0, 1, 2}));
    EXPECT_EQ(m.Mills[3], (TMillRec{6, 7, 0}));
    EXPECT_EQ(m.Mills[12], c.mill12);
    EXPECT_EQ(m.Mills.back(), c.lastMill);
    EXPECT_EQ(m.PiecesPerSide[0], 9);
    EXPECT_EQ(m.PiecesPerSide[1], 9);
    EXPECT_EQ(m.MinPieces, 3);
    EXPECT_EQ(m.CaptureWhilePlacing, c.captureWhilePlacing);
    EXPECT_EQ(m.CaptureRule, c.captureRule);
    EXPECT_EQ(m.MinDepth, c.minDepth);
    EXPECT_EQ(m.ExtraInt1, c.extraInt1);
    EXPECT_EQ(m.JumpRule, 0);
    EXPECT_EQ(m.Description.size(), c.descriptionLines);
    EXPECT_EQ(m.Day, 3);
    EXPECT_EQ(m.Month, 8);
    EXPECT_EQ(m.Year, 1963);
    EXPECT_TRUE(m.IsPlayable());
}

// Guards against a wrong point, link or mill anywhere in the tables: every mill is a
// straight line whose middle point is linked to both ends, every link lies on a mill's
// line, and no link is listed twice.
TEST_P(BuiltIn, GeometryIsConsistent) {
    const Tmodele m(GetParam().createKind);
    const auto linked = [&m](int a, int b) {
        for (const auto& l : m.Links)
            if ((l.A == a && l.B == b) || (l.A == b && l.B == a)) return true;
        return false;
    };
    for (const auto& mill : m.Mills) {
        const TPointRec& a = m.Points[static_cast<size_t>(mill.P1)];
        const TPointRec& b = m.Points[static_cast<size_t>(mill.P2)];
        const TPointRec& c = m.Points[static_cast<size_t>(mill.P3)];
        EXPECT_EQ((b.X - a.X) * (c.Y - a.Y) - (b.Y - a.Y) * (c.X - a.X), 0.0)
            << mill.P1 << " " << mill.P2 << " " << mill.P3;
        EXPECT_TRUE(linked(mill.P1, mill.P2) && linked(mill.P2, mill.P3));
    }
    for (const auto& l : m.Links) {
        bool inAMill = false;
        for (const auto& mill : m.Mills) {
            const auto has = [&mill](int p) {
                return mill.P1 == p || mill.P2 == p || mill.P3 == p;
            };
            inAMill = inAMill || (has(l.A) && has(l.B));
        }
        EXPECT_TRUE(inAMill) << "link " << l.A << "-" << l.B << " lies on no mill's line";
    }
    for (size_t i = 0; i < m.Links.size(); ++i)
        for (size_t j = i + 1; j < m.Links.size(); ++j) {
            const TLinkRec& a = m.Links[i];
            const TLinkRec& b = m.Links[j];
            EXPECT_FALSE((a.A == b.A && a.B == b.B) || (a.A == b.B && a.B == b.A))
                << "duplicate link " << i << " " << j;
        }
}

// Create's argument, Kind, counts, link 24, last link, mill 12, last mill, placing
// captures, CaptureRule, MinDepth, ExtraInt1, description lines, name.
const BuiltInCase kBuiltIns[] = {
    {0, 0, 40, 20, {0, 8}, {15, 23}, {0, 8, 16}, {7, 15, 23}, 0, 0, 1, 5, 0, "Marelle de 9"},
    {1, 1, 32, 16, {1, 9}, {15, 23}, {1, 9, 17}, {7, 15, 23}, 1, 1, 4, 10, 1, "Nine Men's Morris"},
    {7, 1, 32, 16, {1, 9}, {15, 23}, {1, 9, 17}, {7, 15, 23}, 1, 1, 4, 10, 1, "Nine Men's Morris"},
};

INSTANTIATE_TEST_SUITE_P(Model, BuiltIn, ::testing::ValuesIn(kBuiltIns));

uint16_t UtcYear(std::chrono::year_month_day d) {
    return static_cast<uint16_t>(static_cast<int>(d.year()));
}

// Guards against Create(-1) loading a board or keeping the 1963 date.
TEST(ModelCreate, MinusOneIsAnEmptyModelDatedToday) {
    using namespace std::chrono;
    const year_month_day before{floor<days>(system_clock::now())};
    const Tmodele m(-1);
    const year_month_day after{floor<days>(system_clock::now())};
    EXPECT_EQ(m.Kind, -1);
    EXPECT_EQ(m.Name, "?");
    EXPECT_EQ(m.PointCount() + m.LinkCount() + m.MillCount(), 0);
    EXPECT_TRUE(m.Description.empty());
    EXPECT_EQ(m.CaptureWhilePlacing, 1);
    EXPECT_EQ(m.CaptureRule, 0);
    EXPECT_EQ(m.MinDepth, 1);
    EXPECT_EQ(m.ExtraInt1, 5);
    EXPECT_EQ(m.ExtraInt2, 1);
    EXPECT_EQ(m.ExtraReal, 1.0);
    const bool today = (m.Year == UtcYear(before) && m.Month == unsigned(before.month()) &&
                        m.Day == unsigned(before.day())) ||
                       (m.Year == UtcYear(after) && m.Month == unsigned(after.month()) &&
                        m.Day == unsigned(after.day()));
    EXPECT_TRUE(today) << m.Day << "/" << m.Month << "/" << m.Year;
}

// Guards against Create leaving old values behind when it is called on a used model.
TEST(ModelCreate, StartsAfreshOnAUsedModel) {
    Tmodele m(0);
    m.Name = "Autre";
    m.JumpRule = 2;
    m.MinPieces = 5;
    m.ExtraReal = 4.5;
    m.Description = {"x", "y"};
    m.Create(1);
    EXPECT_TRUE(m.SameAs(Tmodele(1)));
    EXPECT_EQ(m.Name, "Nine Men's Morris");
    EXPECT_EQ(m.JumpRule, 0);
    EXPECT_EQ(m.MinPieces, 3);
    EXPECT_EQ(m.ExtraReal, 1.0);
    EXPECT_EQ(m.Description.size(), 1u);
}

// Guards against Reset touching what it must keep (name, date, description, the capture
// option) or keeping what it must restore, and against a kind outside 0/1 keeping a board.
TEST(ModelReset, OtherKindEmptiesTheBoardAndKeepsTheRest) {
    Tmodele m(1);
    m.Name = "Mon plateau";
    m.Day = 14;
    m.Month = 7;
    m.Year = 1999;
    m.Description = {"une", "deux"};
    m.CaptureWhilePlacing = 0;
    m.JumpRule = 2;
    m.DiceRule = 1;
    m.ExtraReal = 2.5;
    m.ExtraInt2 = 9;
    RandSeed(4242);
    const uint32_t stateBefore = RandomState();
    m.Reset(5);
    EXPECT_NE(RandomState(), stateBefore) << "no new identity was drawn";
    EXPECT_GE(m.Identity, 0);
    EXPECT_LE(m.Identity, 67181 * 96);
    EXPECT_EQ(m.Kind, 5);
    EXPECT_EQ(m.PointCount() + m.LinkCount() + m.MillCount(), 0);
    EXPECT_EQ(m.Name, "Mon plateau");
    EXPECT_EQ(m.Day, 14);
    EXPECT_EQ(m.Month, 7);
    EXPECT_EQ(m.Year, 1999);
    EXPECT_EQ(m.Description, (std::vector<std::string>{"une", "deux"}));
    EXPECT_EQ(m.CaptureWhilePlacing, 0);
    EXPECT_EQ(m.CaptureRule, 0);
    EXPECT_EQ(m.MinDepth, 1);
    EXPECT_EQ(m.ExtraInt1, 5);
    EXPECT_EQ(m.ExtraInt2, 1);
    EXPECT_EQ(m.JumpRule, 0);
    EXPECT_EQ(m.DiceRule, 0);
    EXPECT_EQ(m.ExtraReal, 1.0);
}

// Guards against Reset(0) / Reset(1) drawing a new identity or not loading the board.
TEST(ModelReset, BuiltInKindsLoadTheirBoard) {
    for (int kind : {0, 1}) {
        Tmodele m(-1);
        m.Identity = 777;
        m.Reset(kind);
        EXPECT_EQ(m.Identity, 777);
        EXPECT_EQ(m.Kind, kind);
        EXPECT_EQ(m.PointCount(), 24);
        EXPECT_EQ(m.MillCount(), kind == 0 ? 20 : 16);
    }
}

struct SameAsCase {
    const char* change;
    std::function<void(Tmodele&)> apply;
    bool stillSame;
};

// Guards against SameAs comparing fields it must ignore or ignoring fields that make two
// variants different games (including a coordinate changed below the checksum's 1/1000).
TEST(ModelSameAs, ComparesTheGameNotTheExtras) {
    const std::vector<SameAsCase> cases = {
        {"MinDepth", [](Tmodele& m) { m.MinDepth = 9; }, true},
        {"ExtraInt1", [](Tmodele& m) { m.ExtraInt1 = 42; }, true},
        {"ExtraInt2", [](Tmodele& m) { m.ExtraInt2 = 42; }, true},
        {"ExtraReal", [](Tmodele& m) { m.ExtraReal = 7.25; }, true},
        {"MinPieces", [](Tmodele& m) { m.MinPieces = 4; }, true},
        {"Identity", [](Tmodele& m) { m.Identity += 1; }, true},
        {"Kind", [](Tmodele& m) { m.Kind = 2; }, false},
        {"Day", [](Tmodele& m) { m.Day = 4; }, false},
        {"Month", [](Tmodele& m) { m.Month = 9; }, false},
        {"Year", [](Tmodele& m) { m.Year = 1964; }, false},
        {"JumpRule", [](Tmodele& m) { m.JumpRule = 1; }, false},
        {"white pieces", [](Tmodele& m) { m.PiecesPerSide[0] = 8; }, false},
        {"black pieces", [](Tmodele& m) { m.PiecesPerSide[1] = 8; }, false},
        {"DiceRule", [](Tmodele& m) { m.DiceRule = 1; }, false},
        {"CaptureRule", [](Tmodele& m) { m.CaptureRule = 2; }, false},
        {"CaptureWhilePlacing", [](Tmodele& m) { m.CaptureWhilePlacing = 0; }, false},
        {"Name", [](Tmodele& m) { m.Name = "Nine Men's Morriz"; }, false},
        {"Description", [](Tmodele& m) { m.Description.push_back("2"); }, false},
        {"tiny X", [](Tmodele& m) { m.Points[5].X += 1e-9; }, false},
        {"tiny Y", [](Tmodele& m) { m.Points[5].Y -= 1e-9; }, false},
        {"link order", [](Tmodele& m) { std::swap(m.Links[0], m.Links[1]); }, false},
        {"link ends", [](Tmodele& m) { std::swap(m.Links[3].A, m.Links[3].B); }, false},
        {"mill order", [](Tmodele& m) { std::swap(m.Mills[0].P1, m.Mills[0].P3); }, false},
        {"one mill fewer", [](Tmodele& m) { m.Mills.pop_back(); }, false},
        {"one point more", [](Tmodele& m) { m.Points.push_back({}); }, false},
    };
    const Tmodele reference(1);
    for (const auto& c : cases) {
        Tmodele changed(1);
        c.apply(changed);
        EXPECT_EQ(changed.SameAs(reference), c.stillSame) << c.change;
        EXPECT_EQ(reference.SameAs(changed), c.stillSame) << c.change;
    }
}

// Guards against Assign copying the identity, sharing arrays with the source, or losing
// description lines (an empty one included) and the fields SameAs does not look at.
TEST(ModelAssign, DeepCopyKeepsOwnIdentity) {
    Tmodele source = CustomModel();
    Tmodele target(0);
    target.Identity = 99;
    target.Assign(source);
    EXPECT_TRUE(target.SameAs(source));
    EXPECT_EQ(target.Identity, 99);
    EXPECT_EQ(target.Name, source.Name);
    EXPECT_EQ(target.Description, source.Description);
    EXPECT_EQ(target.MinPieces, 2);
    EXPECT_EQ(target.MinDepth, 6);
    EXPECT_EQ(target.ExtraInt1, -70000);
    EXPECT_EQ(target.ExtraInt2, 300);
    EXPECT_EQ(target.ExtraReal, 0.1);

    source.Points[0].X = 5;
    source.Links[0].B = 3;
    source.Mills[0].P2 = 4;
    source.Description[0] = "changée";
    EXPECT_EQ(target.Points[0].X, 0.05);
    EXPECT_EQ(target.Links[0].B, 1);
    EXPECT_EQ(target.Mills[0].P2, 1);
    EXPECT_EQ(target.Description[0], "Première ligne");

    target.Assign(target);
    EXPECT_EQ(target.Name, "Moulin à l'été");
}

// Guards against a wrong modulus, a wrong position weight, counting characters outside
// '0'..'z', or weighting the bytes of a UTF-8 sequence instead of its one character.
TEST(ModelChecksum, TextChecksumValues) {
    const struct {
        const char* text;
        int expected;
    } cases[] = {
        {"abc", 13049},      {"Marelle de 9", 14198}, {"?", 126}, {"", 0},
        {"0", 96},           // first counted character
        {"z", 244},          // last counted character
        {"/{ ~", 0},         // just outside the range on both sides
        {"\u00E9a", 97 * 3}, // "é" is one 8-bit character, skipped but counted
        {"\u20ACa", 97 * 3}, // so is "€" (Windows-1252 0x80)
    };
    for (const auto& c : cases)
        EXPECT_EQ(Tmodele::TextChecksum(c.text), c.expected) << c.text;

    // The sum stays below the modulus however long the text.
    const std::string longText(5000, 'z');
    const int r = Tmodele::TextChecksum(longText);
    EXPECT_GE(r, 0);
    EXPECT_LT(r, 65521);
}

// The CRC-16/XMODEM update, written bit by bit from its definition.
uint16_t Xmodem(uint16_t crc, uint8_t byte) {
    for (int bit = 7; bit >= 0; --bit) {
        const bool top = ((crc >> 15) & 1) != ((byte >> bit) & 1);
        crc = static_cast<uint16_t>(crc << 1);
        if (top) crc ^= 0x1021;
    }
    return crc;
}

// The checksum of a model: the CRC of the low byte of each covered field, in turn.
int ExpectedChecksum(const Tmodele& m) {
    std::vector<long long> values = {
        m.Kind,     m.PointCount(), m.MillCount(),        m.LinkCount(),      m.Day,
        m.Month,    m.Year,         m.JumpRule,           m.PiecesPerSide[0], m.PiecesPerSide[1],
        m.DiceRule, m.CaptureRule,  m.CaptureWhilePlacing};
    for (const auto& p : m.Points) {
        values.push_back(std::llrint(p.X * 1000)); // default rounding: half to even
        values.push_back(std::llrint(p.Y * 1000));
    }
    for (const auto& l : m.Links) {
        values.push_back(l.A);
        values.push_back(l.B);
    }
    for (const auto& mill : m.Mills) {
        values.push_back(mill.P1);
        values.push_back(mill.P2);
        values.push_back(mill.P3);
    }
    values.push_back(Tmodele::TextChecksum(m.Name));
    std::string description;
    for (const auto& line : m.Description)
        description += line + "\r\n";
    values.push_back(Tmodele::TextChecksum(description));
    uint16_t crc = 0;
    for (long long v : values)
        crc = Xmodem(crc, static_cast<uint8_t>(v & 0xFF));
    return crc;
}

// Guards against a wrong feeding order, a reflected or seeded CRC, rounding half away
// from zero, or a description joined without its line breaks.
TEST(ModelChecksum, CrcOverTheModelFields) {
    uint16_t known = 0;
    for (char c : std::string("123456789"))
        known = Xmodem(known, static_cast<uint8_t>(c));
    ASSERT_EQ(known, 0x31C3) << "the test's own CRC is wrong";

    Tmodele halves = CustomModel();
    halves.Points = {{0.0625, -0.0625}, {0.1875, 2.5}, {-1000.5, 0.0005}};
    halves.Links = {{0, 2}};
    halves.Mills = {{2, 1, 0}};
    for (const Tmodele& m : {Tmodele(0), Tmodele(1), CustomModel(), halves, Tmodele(-1)}) {
        EXPECT_EQ(m.Checksum(), ExpectedChecksum(m)) << m.Name;
        EXPECT_GE(m.Checksum(), 0);
        EXPECT_LE(m.Checksum(), 0xFFFF);
    }
    // Each line break is part of the text: two lines differ from one joined line.
    Tmodele one = CustomModel();
    Tmodele two = CustomModel();
    one.Description = {"ab"};
    two.Description = {"a", "b"};
    EXPECT_NE(one.Checksum(), two.Checksum());
}

std::vector<std::string> SplitFields(const std::string& text) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] == ';') {
            fields.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    if (start < text.size()) fields.push_back(text.substr(start));
    return fields;
}

// Guards against a wrong prefix checksum, a missing "§ " end mark, a field out of order
// or missing, and the decimal separator being ignored.
TEST(ModelText, LayoutAndChecksum) {
    for (const Tmodele& m : {Tmodele(0), Tmodele(1), CustomModel()}) {
        const std::string text = m.ToText(',');
        const size_t firstSemicolon = text.find(';');
        ASSERT_NE(firstSemicolon, std::string::npos);
        const std::string rest = text.substr(firstSemicolon + 1);
        EXPECT_EQ(std::stoi(text.substr(0, firstSemicolon)), Tmodele::TextChecksum(rest));
        ASSERT_GE(rest.size(), 3u);
        EXPECT_EQ(rest.substr(rest.size() - 3), "\xC2\xA7 ");

        const auto f = SplitFields(rest.substr(0, rest.size() - 3));
        const size_t points = m.Points.size(), links = m.Links.size(), mills = m.Mills.size();
        ASSERT_EQ(f.size(), 9 + 2 * points + 2 * links + 3 * mills + 11);
        const size_t link = 9 + 2 * points, mill = link + 2 * links, tail = mill + 3 * mills;
        const std::pair<size_t, long long> expected[] = {
            {0, m.Kind},
            {1, m.Day},
            {2, m.Month},
            {3, m.Year},
            {4, m.Checksum()},
            {5, m.Identity},
            {6, points},
            {7, links},
            {8, mills},
            {link, m.Links[0].A},
            {link + 1, m.Links[0].B},
            {mill + 2, m.Mills[0].P3},
            {tail, m.ExtraInt1},
            {tail + 1, m.MinPieces},
            {tail + 2, m.ExtraInt2},
            {tail + 3, m.MinDepth},
            {tail + 4, m.JumpRule},
            {tail + 5, m.PiecesPerSide[0]},
            {tail + 6, m.PiecesPerSide[1]},
            {tail + 8, m.DiceRule},
            {tail + 9, m.CaptureRule},
            {tail + 10, m.CaptureWhilePlacing},
        };
        for (const auto& [index, value] : expected)
            EXPECT_EQ(f[index], std::to_string(value)) << "field " << index << " of " << m.Name;
    }
    const auto f = SplitFields(CustomModel().ToText(','));
    // Checksum prefix first, then Kind..MillCount, then the first point.
    EXPECT_EQ(f[10], "0,05");
    EXPECT_EQ(f[11], "-11,95");
    EXPECT_EQ(f[13], "12");
    EXPECT_EQ(SplitFields(CustomModel().ToText('.'))[10], "0.05");
    EXPECT_EQ(SplitFields(Tmodele(1).ToText())[10], "-9");
}

void ExpectPlayable(const Tmodele& m, bool playable, const char* what) {
    EXPECT_EQ(m.PlayabilityProblem().empty(), playable) << what;
    if (playable) {
        EXPECT_NO_THROW(Tjeu{m}) << what;
    } else {
        EXPECT_THROW(Tjeu{m}, std::invalid_argument) << what;
    }
}

// Guards against the engine being built on a model it cannot address (points beyond a
// signed byte, reserves beyond a signed byte, tables naming missing points).
TEST(ModelPlayability, EngineLimits) {
    const struct {
        const char* what;
        int points, white, black;
        bool playable;
    } sizes[] = {
        {"built-in", 24, 9, 9, true},
        {"128 points", 128, 9, 9, true},
        {"129 points", 129, 9, 9, false},
        {"127 pieces", 24, 9, 127, true},
        {"no pieces", 24, 0, 9, true},
        {"128 white pieces", 24, 128, 9, false},
        {"128 black pieces", 24, 9, 128, false},
        {"negative pieces", 24, 9, -1, false},
        {"no points", 0, 9, 9, true},
    };
    for (const auto& c : sizes) {
        Tmodele m(1);
        if (c.points == 0) m.Reset(5);
        m.Points.resize(static_cast<size_t>(c.points));
        m.PiecesPerSide[0] = c.white;
        m.PiecesPerSide[1] = c.black;
        ExpectPlayable(m, c.playable, c.what);
    }
    const struct {
        const char* what;
        TLinkRec link;
        bool playable;
    } links[] = {
        {"link past the end", {3, 24}, false},
        {"link before the start", {-1, 3}, false},
        {"link to itself", {3, 3}, true},
    };
    for (const auto& c : links) {
        Tmodele m(1);
        m.Links.push_back(c.link);
        ExpectPlayable(m, c.playable, c.what);
    }
    const struct {
        const char* what;
        TMillRec mill;
        bool playable;
    } mills[] = {
        {"mill past the end", {0, 1, 24}, false}, {"mill before the start", {-2, 1, 2}, false},
        {"mill repeats P1", {4, 4, 5}, false},    {"mill repeats P3", {4, 5, 4}, false},
        {"mill repeats P2", {4, 5, 5}, false},    {"mill off the lines", {0, 12, 23}, true},
    };
    for (const auto& c : mills) {
        Tmodele m(1);
        m.Mills.push_back(c.mill);
        ExpectPlayable(m, c.playable, c.what);
    }
}

} // namespace
