// The model record and what it is made of: the tagged value stream, the 80-bit reals and
// the text conversions. Files come from strangers, so the reader's limits are tested too.
#include "EngineTestSupport.h"
#include "engine/Extended80.h"
#include "engine/TValueStream.h"
#include "engine/TextCodec.h"
#include "engine/Tmodele.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using namespace vantorel;
using vantorel::testing::CustomModel;

namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int v : values)
        bytes += static_cast<char>(v);
    return bytes;
}

std::string Save(const Tmodele& m) {
    std::ostringstream out;
    m.SaveToStream(out);
    return out.str();
}

bool Load(Tmodele& m, const std::string& bytes) {
    std::istringstream in(bytes);
    return m.LoadFromStream(in);
}

// The error kind a read raised, or none.
std::optional<StreamError::Kind> LoadError(Tmodele& m, const std::string& bytes) {
    try {
        Load(m, bytes);
    } catch (const StreamError& e) {
        return e.kind();
    }
    return std::nullopt;
}

// Everything a model holds, to see that a failed read changed nothing.
std::string Snapshot(const Tmodele& m) {
    return m.ToText() + "|" + m.Name + "|" + m.DescriptionText() + "|" +
           std::to_string(std::bit_cast<uint64_t>(m.ExtraReal));
}

uint64_t Bits(double d) {
    return std::bit_cast<uint64_t>(d);
}

std::string Written(const std::function<void(TValueWriter&)>& write) {
    std::ostringstream out;
    {
        TValueWriter w(out);
        write(w);
    }
    return out.str();
}

// ------------------------------------------------------------------ model record

struct RoundTripCase {
    const char* what;
    std::function<Tmodele()> make;
};

// Guards against a field lost, reordered or rounded between writing and reading, for the
// built-ins and for models that reach the string, integer and real encodings' corners.
TEST(ModelRecord, RoundTripKeepsEveryField) {
    const std::vector<RoundTripCase> cases = {
        {"Marelle de 9", [] { return Tmodele(0); }},
        {"Nine Men's Morris", [] { return Tmodele(1); }},
        {"custom", [] { return CustomModel(); }},
        {"empty", [] { return Tmodele(-1); }},
        {"300-character name",
         [] {
             Tmodele m = CustomModel();
             m.Name = std::string(300, 'x');
             return m;
         }},
        {"255- and 256-character strings",
         [] {
             Tmodele m = CustomModel();
             m.Name = std::string(255, 'a');
             m.Description = {std::string(256, 'b'), std::string(255, 'c') + "\xC3\xA9"};
             return m;
         }},
        {"64 KiB name",
         [] {
             Tmodele m = CustomModel();
             m.Name = std::string(TValueReader::kMaxStringBytes, 'q');
             return m;
         }},
        {"extreme reals",
         [] {
             Tmodele m = CustomModel();
             m.Points = {{std::numeric_limits<double>::denorm_min(), -0.0},
                         {std::numeric_limits<double>::max(), -1e-300},
                         {1.0 / 3.0, -11.95}};
             m.ExtraReal = -std::numeric_limits<double>::min();
             m.Mills = {{0, 1, 2}};
             m.Links = {{2, 0}};
             return m;
         }},
        {"many description lines",
         [] {
             Tmodele m = CustomModel();
             m.Description.assign(500, "ligne");
             m.Description[250] = "";
             return m;
         }},
    };
    for (const auto& c : cases) {
        const Tmodele original = c.make();
        Tmodele read(0);
        read.Identity = 31337;
        EXPECT_TRUE(Load(read, Save(original))) << c.what;
        EXPECT_TRUE(read.SameAs(original)) << c.what;
        EXPECT_EQ(read.Identity, 31337) << c.what;
        EXPECT_EQ(read.Name, original.Name) << c.what;
        EXPECT_EQ(read.Description, original.Description) << c.what;
        EXPECT_EQ(read.MinPieces, original.MinPieces) << c.what;
        EXPECT_EQ(read.MinDepth, original.MinDepth) << c.what;
        EXPECT_EQ(read.ExtraInt1, original.ExtraInt1) << c.what;
        EXPECT_EQ(read.ExtraInt2, original.ExtraInt2) << c.what;
        EXPECT_EQ(Bits(read.ExtraReal), Bits(original.ExtraReal)) << c.what;
        ASSERT_EQ(read.Points.size(), original.Points.size()) << c.what;
        for (size_t i = 0; i < read.Points.size(); ++i) {
            EXPECT_EQ(Bits(read.Points[i].X), Bits(original.Points[i].X)) << c.what << i;
            EXPECT_EQ(Bits(read.Points[i].Y), Bits(original.Points[i].Y)) << c.what << i;
        }
    }
}

// Guards against fields written out of the record order, which other programs'
// files rely on.
TEST(ModelRecord, FieldsInRecordOrder) {
    const Tmodele m = CustomModel();
    std::istringstream in(Save(m));
    TValueReader r(in);
    const std::string leading = r.ReadString();
    EXPECT_FALSE(leading.empty());
    EXPECT_LT(leading.size(), 256u);
    EXPECT_EQ(r.ReadInteger(), 123456);
    EXPECT_EQ(r.ReadInteger(), 29);
    EXPECT_EQ(r.ReadInteger(), 2);
    EXPECT_EQ(r.ReadInteger(), 2024);
    EXPECT_EQ(r.ReadInteger(), m.Checksum());
    EXPECT_EQ(r.ReadString(), m.Name);
    EXPECT_EQ(r.ReadInteger(), 5);
    EXPECT_EQ(r.ReadInteger(), 5);
    EXPECT_EQ(r.ReadInteger(), 2);
    r.ReadListBegin();
    for (const auto& p : m.Points) {
        EXPECT_EQ(r.NextValue(), ValueTag::Extended);
        EXPECT_EQ(r.ReadFloat(), p.X);
        EXPECT_EQ(r.ReadFloat(), p.Y);
    }
    r.ReadListEnd();
    r.ReadListBegin();
    for (const auto& l : m.Links) {
        EXPECT_EQ(r.ReadInteger(), l.A);
        EXPECT_EQ(r.ReadInteger(), l.B);
    }
    r.ReadListEnd();
    r.ReadListBegin();
    for (const auto& mill : m.Mills) {
        EXPECT_EQ(r.ReadInteger(), mill.P1);
        EXPECT_EQ(r.ReadInteger(), mill.P2);
        EXPECT_EQ(r.ReadInteger(), mill.P3);
    }
    r.ReadListEnd();
    for (int expected : {-70000, 2, 300, 6, 2, 4, 5})
        EXPECT_EQ(r.ReadInteger(), expected);
    EXPECT_EQ(r.NextValue(), ValueTag::Extended);
    EXPECT_EQ(r.ReadFloat(), 0.1);
    for (int expected : {1, 3, 0})
        EXPECT_EQ(r.ReadInteger(), expected);
    r.ReadListBegin();
    for (const auto& line : m.Description)
        EXPECT_EQ(r.ReadString(), line);
    r.ReadListEnd();
    EXPECT_EQ(in.peek(), std::char_traits<char>::eof());
}

// Where each of the first seven fields of a record starts (leading string, Kind, Day,
// Month, Year, stored checksum, Name).
std::vector<size_t> FieldOffsets(const std::string& record) {
    std::istringstream in(record);
    TValueReader r(in);
    std::vector<size_t> offsets = {0};
    r.ReadString();
    for (int i = 0; i < 5; ++i) {
        offsets.push_back(static_cast<size_t>(in.tellg()));
        r.ReadInteger();
    }
    offsets.push_back(static_cast<size_t>(in.tellg()));
    return offsets;
}

// Guards against the stored checksum being ignored, and against a mismatch discarding
// the data read (the caller decides what to do with it).
TEST(ModelRecord, AlteredChecksumReadsBackFalseWithTheData) {
    for (const Tmodele& original : {Tmodele(0), Tmodele(1), CustomModel()}) {
        std::string record = Save(original);
        const size_t at = FieldOffsets(record)[5];
        ASSERT_LT(at + 1, record.size());
        record[at + 1] = static_cast<char>(record[at + 1] ^ 0x01);
        Tmodele read(-1);
        EXPECT_FALSE(Load(read, record)) << original.Name;
        EXPECT_TRUE(read.SameAs(original)) << original.Name;
        EXPECT_EQ(read.Name, original.Name);
    }
}

// Models whose checksums are the wanted values: with only Day and Month free, the CRC of
// these two consecutive bytes reaches every 16-bit value.
std::map<int, Tmodele> ModelsWithChecksums(const std::vector<int>& wanted) {
    std::map<int, Tmodele> found;
    Tmodele m(-1);
    m.Kind = 0;
    m.Year = 1963;
    for (int day = 0; day < 256 && found.size() < wanted.size(); ++day)
        for (int month = 0; month < 256; ++month) {
            m.Day = static_cast<uint16_t>(day);
            m.Month = static_cast<uint16_t>(month);
            const int sum = m.Checksum();
            if (std::find(wanted.begin(), wanted.end(), sum) != wanted.end() && !found.count(sum))
                found.emplace(sum, m);
        }
    return found;
}

// Guards against the record using a fixed-size integer or string encoding where the
// shortest one is due (other programs read these files).
TEST(ModelRecord, TagsChosenByValue) {
    const std::vector<std::pair<int, ValueTag>> checksums = {
        {100, ValueTag::Int8},    {127, ValueTag::Int8},    {128, ValueTag::Int16},
        {300, ValueTag::Int16},   {32767, ValueTag::Int16}, {32768, ValueTag::Int32},
        {40000, ValueTag::Int32},
    };
    std::vector<int> wanted;
    for (const auto& c : checksums)
        wanted.push_back(c.first);
    const auto models = ModelsWithChecksums(wanted);
    for (const auto& [sum, tag] : checksums) {
        ASSERT_TRUE(models.count(sum)) << sum;
        std::istringstream in(Save(models.at(sum)));
        TValueReader r(in);
        r.ReadString();
        EXPECT_EQ(r.NextValue(), ValueTag::Int8) << "Kind 0";
        for (int i = 0; i < 4; ++i)
            r.ReadInteger();
        EXPECT_EQ(r.NextValue(), tag) << sum;
        EXPECT_EQ(r.ReadInteger(), sum);
    }

    const std::vector<std::pair<std::string, ValueTag>> names = {
        {"Essai", ValueTag::String},
        {std::string(255, 'a'), ValueTag::String},
        {std::string(256, 'a'), ValueTag::LString},
        {std::string(300, 'a'), ValueTag::LString},
        {"Marelle \xC3\xA0 l'\xC3\xA9t\xC3\xA9", ValueTag::Utf8String},
    };
    for (const auto& [name, tag] : names) {
        Tmodele m = CustomModel();
        m.Name = name;
        std::istringstream in(Save(m));
        TValueReader r(in);
        r.ReadString();
        for (int i = 0; i < 5; ++i)
            r.ReadInteger();
        EXPECT_EQ(r.NextValue(), tag) << name.size();
        EXPECT_EQ(r.ReadString(), name);
    }
}

// A record with chosen counts and list lengths; everything else is plausible.
struct RecordShape {
    int32_t points = 3, links = 2, mills = 1; // declared in fields 8..10
    int pointEntries = 3, linkEntries = 2, millEntries = 1;
    int descriptionLines = 2;
    size_t lineLength = 1;
    size_t nameLength = 5;
    bool integerCoordinates = false;
};

std::string ShapedRecord(const RecordShape& s) {
    std::ostringstream out;
    {
        TValueWriter w(out);
        w.WriteString("essai");
        for (int v : {77, 1, 2, 2001, 0})
            w.WriteInteger(v);
        w.WriteString(std::string(s.nameLength, 'n'));
        w.WriteInteger(s.points);
        w.WriteInteger(s.links);
        w.WriteInteger(s.mills);
        w.WriteListBegin();
        for (int i = 0; i < s.pointEntries; ++i) {
            if (s.integerCoordinates) {
                w.WriteInteger(i);
                w.WriteInteger(-i);
            } else {
                w.WriteFloat(i * 0.5);
                w.WriteFloat(-i * 0.25);
            }
        }
        w.WriteListEnd();
        w.WriteListBegin();
        for (int i = 0; i < s.linkEntries; ++i) {
            w.WriteInteger(i);
            w.WriteInteger(i + 1);
        }
        w.WriteListEnd();
        w.WriteListBegin();
        for (int i = 0; i < s.millEntries; ++i)
            for (int k = 0; k < 3; ++k)
                w.WriteInteger(i + k);
        w.WriteListEnd();
        for (int v : {5, 3, 1, 1, 0, 9, 9})
            w.WriteInteger(v);
        w.WriteFloat(1.0);
        for (int v : {0, 0, 1})
            w.WriteInteger(v);
        w.WriteListBegin();
        for (int i = 0; i < s.descriptionLines; ++i)
            w.WriteString(std::string(s.lineLength, 'l'));
        w.WriteListEnd();
    }
    return out.str();
}

struct ShapeCase {
    const char* what;
    RecordShape shape;
    bool accepted;
};

// Guards against a stranger's file making the reader allocate without bound, accept
// tables the editor cannot hold, read past a list's end or stop early, and against a
// rejected file leaving a half-read model behind.
TEST(ModelRecord, ReaderLimitsAndListLengths) {
    const auto shape = [](auto change) {
        RecordShape s;
        change(s);
        return s;
    };
    const std::vector<ShapeCase> cases = {
        {"plain", RecordShape{}, true},
        {"integer coordinates", shape([](RecordShape& s) { s.integerCoordinates = true; }), true},
        {"200 points", shape([](RecordShape& s) { s.points = s.pointEntries = 200; }), true},
        {"201 points", shape([](RecordShape& s) { s.points = s.pointEntries = 201; }), false},
        {"1000 links", shape([](RecordShape& s) { s.links = s.linkEntries = 1000; }), true},
        {"1001 links", shape([](RecordShape& s) { s.links = s.linkEntries = 1001; }), false},
        {"1000 mills", shape([](RecordShape& s) { s.mills = s.millEntries = 1000; }), true},
        {"1001 mills", shape([](RecordShape& s) { s.mills = s.millEntries = 1001; }), false},
        {"negative points", shape([](RecordShape& s) { s.points = -1, s.pointEntries = 0; }),
         false},
        {"negative links", shape([](RecordShape& s) { s.links = -2, s.linkEntries = 0; }), false},
        {"negative mills", shape([](RecordShape& s) { s.mills = -70000, s.millEntries = 0; }),
         false},
        {"huge point count", shape([](RecordShape& s) { s.points = 0x7FFFFFFF; }), false},
        {"a point too many", shape([](RecordShape& s) { s.pointEntries = 4; }), false},
        {"a point too few", shape([](RecordShape& s) { s.pointEntries = 2; }), false},
        {"a link too many", shape([](RecordShape& s) { s.linkEntries = 3; }), false},
        {"a link too few", shape([](RecordShape& s) { s.linkEntries = 1; }), false},
        {"a mill too many", shape([](RecordShape& s) { s.millEntries = 2; }), false},
        {"a mill too few", shape([](RecordShape& s) { s.millEntries = 0; }), false},
        {"10000 lines", shape([](RecordShape& s) { s.descriptionLines = 10000; }), true},
        {"10001 lines", shape([](RecordShape& s) { s.descriptionLines = 10001; }), false},
        // Two lines, each with its CR LF, fill the description's 64 KiB exactly.
        {"64 KiB of description", shape([](RecordShape& s) { s.lineLength = 32 * 1024 - 2; }),
         true},
        {"64 KiB + 2 of description", shape([](RecordShape& s) { s.lineLength = 32 * 1024 - 1; }),
         false},
        {"10000 lines past 64 KiB",
         shape([](RecordShape& s) { s.descriptionLines = 10000, s.lineLength = 5; }), false},
        {"64 KiB name", shape([](RecordShape& s) { s.nameLength = 64 * 1024; }), true},
        {"64 KiB + 1 name", shape([](RecordShape& s) { s.nameLength = 64 * 1024 + 1; }), false},
    };
    for (const auto& c : cases) {
        Tmodele m = CustomModel();
        const std::string before = Snapshot(m);
        const auto error = LoadError(m, ShapedRecord(c.shape));
        if (c.accepted) {
            EXPECT_FALSE(error.has_value()) << c.what;
            EXPECT_EQ(m.PointCount(), c.shape.points) << c.what;
            EXPECT_EQ(m.LinkCount(), c.shape.links) << c.what;
            EXPECT_EQ(m.MillCount(), c.shape.mills) << c.what;
            EXPECT_EQ(m.Description.size(), static_cast<size_t>(c.shape.descriptionLines));
            EXPECT_EQ(m.Name.size(), c.shape.nameLength) << c.what;
        } else {
            EXPECT_EQ(error, StreamError::Kind::Format) << c.what;
            EXPECT_EQ(Snapshot(m), before) << c.what;
        }
    }
}

// Guards the writer against files its own reader refuses (a variant saved and then lost):
// it writes up to the reader's limits and throws, writing nothing, one step past them.
TEST(ModelRecord, WriterStopsWhereTheReaderWould) {
    const std::string page(32 * 1024 - 2, 'd'); // with its CR LF, half of 64 KiB
    struct Case {
        const char* what;
        std::function<void(Tmodele&)> shape;
        bool written;
    };
    const Case cases[] = {
        {"10000 lines", [](Tmodele& m) { m.Description.assign(10000, "l"); }, true},
        {"10001 lines", [](Tmodele& m) { m.Description.assign(10001, "l"); }, false},
        {"64 KiB of description",
         [&](Tmodele& m) {
             m.Description = {page, page};
         },
         true},
        {"64 KiB + 2",
         [&](Tmodele& m) {
             m.Description = {page, page + "x"};
         },
         false},
        {"64 KiB name", [](Tmodele& m) { m.Name.assign(64 * 1024, 'n'); }, true},
        {"64 KiB + 1 name", [](Tmodele& m) { m.Name.assign(64 * 1024 + 1, 'n'); }, false},
        {"201 points", [](Tmodele& m) { m.Points.resize(201); }, false},
    };
    for (const Case& c : cases) {
        Tmodele m = CustomModel();
        c.shape(m);
        std::ostringstream out(std::ios::binary);
        if (c.written) {
            m.SaveToStream(out);
            Tmodele read = CustomModel();
            std::istringstream in(out.str(), std::ios::binary);
            EXPECT_NO_THROW(read.LoadFromStream(in)) << c.what;
            EXPECT_EQ(Snapshot(read), Snapshot(m)) << c.what;
        } else {
            EXPECT_FALSE(m.RecordProblem().empty()) << c.what;
            EXPECT_THROW(m.SaveToStream(out), StreamError) << c.what;
            EXPECT_EQ(out.str(), "") << c.what;
        }
    }
}

// Guards against a truncated file being taken for a complete one, or leaving the model
// partly overwritten.
TEST(ModelRecord, EveryTruncationThrowsAndChangesNothing) {
    for (const Tmodele& original : {CustomModel(), Tmodele(1)}) {
        const std::string record = Save(original);
        Tmodele target(0);
        target.Name = "Intact";
        const std::string before = Snapshot(target);
        for (size_t length = 0; length < record.size(); ++length) {
            EXPECT_EQ(LoadError(target, record.substr(0, length)), StreamError::Kind::Read)
                << "prefix of " << length << " bytes";
            ASSERT_EQ(Snapshot(target), before) << "prefix of " << length << " bytes";
        }
        EXPECT_TRUE(Load(target, record));
    }
}

// Guards against reading a value of another kind where the record needs a list, an
// integer or a string.
TEST(ModelRecord, WrongValueKindIsAFormatError) {
    const std::string record = Save(CustomModel());
    const auto at = FieldOffsets(record);
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"integer instead of the leading string", Bytes({0x02, 0x05}) + record.substr(at[1])},
        {"string instead of the stored checksum",
         record.substr(0, at[5]) + Bytes({0x06, 0x01, 'x'}) + record.substr(at[6])},
        {"list start instead of Kind",
         record.substr(0, at[1]) + Bytes({0x01}) + record.substr(at[2])},
        {"real instead of Day", record.substr(0, at[2]) + Written([](TValueWriter& w) {
                                    w.WriteFloat(3.0);
                                }) + record.substr(at[3])},
        {"unknown string tag for the name", record.substr(0, at[6]) + Bytes({0x07, 0x01, 'x'})},
    };
    for (const auto& c : cases) {
        Tmodele m = CustomModel();
        const std::string before = Snapshot(m);
        EXPECT_EQ(LoadError(m, c.bytes), StreamError::Kind::Format) << c.what;
        EXPECT_EQ(Snapshot(m), before) << c.what;
    }
}

// ------------------------------------------------------------------ value stream

// Guards against an integer written with a tag too small for it (truncation) or larger
// than needed, and against big-endian payloads.
TEST(ValueStream, IntegerTagsAndBytes) {
    const struct {
        int32_t value;
        std::string bytes;
    } cases[] = {
        {0, Bytes({0x02, 0x00})},
        {127, Bytes({0x02, 0x7F})},
        {-128, Bytes({0x02, 0x80})},
        {-1, Bytes({0x02, 0xFF})},
        {128, Bytes({0x03, 0x80, 0x00})},
        {-129, Bytes({0x03, 0x7F, 0xFF})},
        {300, Bytes({0x03, 0x2C, 0x01})},
        {32767, Bytes({0x03, 0xFF, 0x7F})},
        {-32768, Bytes({0x03, 0x00, 0x80})},
        {32768, Bytes({0x04, 0x00, 0x80, 0x00, 0x00})},
        {40000, Bytes({0x04, 0x40, 0x9C, 0x00, 0x00})},
        {-32769, Bytes({0x04, 0xFF, 0x7F, 0xFF, 0xFF})},
        {std::numeric_limits<int32_t>::min(), Bytes({0x04, 0x00, 0x00, 0x00, 0x80})},
    };
    for (const auto& c : cases) {
        const std::string bytes = Written([&](TValueWriter& w) { w.WriteInteger(c.value); });
        EXPECT_EQ(bytes, c.bytes) << c.value;
        std::istringstream in(bytes);
        TValueReader r(in);
        EXPECT_EQ(r.ReadInteger(), c.value);
    }
}

// Guards against a long plain text being cut to a 1-byte length, and against accented
// text written as 8-bit bytes.
TEST(ValueStream, StringTagsAndBytes) {
    const struct {
        std::string text;
        std::string header;
    } cases[] = {
        {"", Bytes({0x06, 0x00})},
        {"abc", Bytes({0x06, 0x03})},
        {std::string(255, 'a'), Bytes({0x06, 0xFF})},
        {std::string(256, 'a'), Bytes({0x0C, 0x00, 0x01, 0x00, 0x00})},
        {std::string(300, 'a'), Bytes({0x0C, 0x2C, 0x01, 0x00, 0x00})},
        {"\xC3\xA9", Bytes({0x14, 0x02, 0x00, 0x00, 0x00})},
        {"a\xE2\x82\xAC", Bytes({0x14, 0x04, 0x00, 0x00, 0x00})},
    };
    for (const auto& c : cases) {
        const std::string bytes = Written([&](TValueWriter& w) { w.WriteString(c.text); });
        EXPECT_EQ(bytes, c.header + c.text) << c.text.size();
        std::istringstream in(bytes);
        TValueReader r(in);
        EXPECT_EQ(r.ReadString(), c.text);
    }
}

// Guards against the reader refusing strings of older programs (8-bit Windows-1252 and
// UTF-16) or passing malformed bytes on as text.
TEST(ValueStream, ReaderAcceptsEveryStringForm) {
    const struct {
        std::string bytes;
        std::string text;
    } cases[] = {
        {Bytes({0x06, 0x01, 0xE9}), "\xC3\xA9"},                         // é
        {Bytes({0x06, 0x02, 0x80, 0x9C}), "\xE2\x82\xAC\xC5\x93"},       // €œ
        {Bytes({0x0C, 0x02, 0x00, 0x00, 0x00, 'A', 0xE9}), "A\xC3\xA9"}, // Aé
        {Bytes({0x12, 0x02, 0x00, 0x00, 0x00, 'h', 0x00, 0xE9, 0x00}), "h\xC3\xA9"},
        {Bytes({0x12, 0x02, 0x00, 0x00, 0x00, 0x3D, 0xD8, 0x00, 0xDE}), "\xF0\x9F\x98\x80"},
        {Bytes({0x12, 0x01, 0x00, 0x00, 0x00, 0x00, 0xD8}), "\xEF\xBF\xBD"}, // lone surrogate
        {Bytes({0x12, 0x00, 0x00, 0x00, 0x00}), ""},
        {Bytes({0x14, 0x02, 0x00, 0x00, 0x00, 0xC3, '('}), "\xEF\xBF\xBD("},
        {Bytes({0x14, 0x02, 0x00, 0x00, 0x00, 0xC0, 0xAF}), "\xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.bytes);
        TValueReader r(in);
        EXPECT_EQ(r.ReadString(), c.text) << c.bytes.size();
        EXPECT_EQ(in.peek(), std::char_traits<char>::eof());
    }
}

// Guards against a claimed length being allocated before it is checked, and against a
// short stream being read as a whole one.
TEST(ValueStream, ReaderErrors) {
    const auto text = [](size_t n, char c) { return std::string(n, c); };
    const struct {
        const char* what;
        std::string bytes;
        std::optional<StreamError::Kind> error;
    } cases[] = {
        {"nothing", "", StreamError::Kind::Read},
        {"unknown tag", Bytes({0x07}), StreamError::Kind::Format},
        {"integer tag", Bytes({0x02, 0x01}), StreamError::Kind::Format},
        {"4 GiB claimed", Bytes({0x0C, 0xFF, 0xFF, 0xFF, 0xFF}), StreamError::Kind::Format},
        {"64 KiB + 1 8-bit", Bytes({0x0C, 0x01, 0x00, 0x01, 0x00}), StreamError::Kind::Format},
        {"64 KiB + 1 UTF-8", Bytes({0x14, 0x01, 0x00, 0x01, 0x00}), StreamError::Kind::Format},
        {"32 Ki + 1 UTF-16 characters", Bytes({0x12, 0x01, 0x80, 0x00, 0x00}),
         StreamError::Kind::Format},
        {"2 G UTF-16 characters", Bytes({0x12, 0x00, 0x00, 0x00, 0x80}), StreamError::Kind::Format},
        {"short 8-bit text", Bytes({0x06, 0x05, 'a', 'b'}), StreamError::Kind::Read},
        {"short length", Bytes({0x0C, 0x05, 0x00}), StreamError::Kind::Read},
        {"64 KiB 8-bit", Bytes({0x0C, 0x00, 0x00, 0x01, 0x00}) + text(65536, 'a'), std::nullopt},
        {"32 Ki UTF-16 characters", Bytes({0x12, 0x00, 0x80, 0x00, 0x00}) + text(65536, '\0'),
         std::nullopt},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.bytes);
        TValueReader r(in);
        std::optional<StreamError::Kind> error;
        try {
            r.ReadString();
        } catch (const StreamError& e) {
            error = e.kind();
        }
        EXPECT_EQ(error, c.error) << c.what;
    }
}

// ------------------------------------------------------------------ 80-bit reals

// Guards against a wrong exponent bias, a missing explicit integer bit, a lost sign, or
// subnormal doubles encoded as extended subnormals.
TEST(Extended80, KnownEncodings) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        Extended80 bytes;
    } cases[] = {
        {1.0, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}},
        {-2.5, {0, 0, 0, 0, 0, 0, 0, 0xA0, 0x00, 0xC0}},
        {0.5, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x3F}},
        {0.0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {-0.0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80}},
        {inf, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F}},
        {-inf, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xFF}},
        {std::numeric_limits<double>::denorm_min(), {0, 0, 0, 0, 0, 0, 0, 0x80, 0xCD, 0x3B}},
        {std::numeric_limits<double>::min(), {0, 0, 0, 0, 0, 0, 0, 0x80, 0x01, 0x3C}},
        {std::numeric_limits<double>::max(),
         {0x00, 0xF8, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0x43}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeExtended(c.value), c.bytes) << c.value;
        EXPECT_EQ(Bits(DecodeExtended(c.bytes)), Bits(c.value)) << c.value;
    }
}

// Guards against any double, subnormals and NaNs included, changing on its way through
// a file.
TEST(Extended80, EveryDoubleRoundTrips) {
    std::mt19937_64 random(20240229);
    std::vector<double> values = {std::numeric_limits<double>::quiet_NaN(),
                                  -std::numeric_limits<double>::quiet_NaN(),
                                  std::numeric_limits<double>::signaling_NaN(),
                                  std::numeric_limits<double>::denorm_min() * 12345,
                                  std::bit_cast<double>(uint64_t{0x000FFFFFFFFFFFFF}),
                                  0.05,
                                  -11.95};
    for (int i = 0; i < 20000; ++i)
        values.push_back(std::bit_cast<double>(random()));
    for (double v : values) {
        const double back = DecodeExtended(EncodeExtended(v));
        if (std::isnan(v)) {
            EXPECT_TRUE(std::isnan(back));
            EXPECT_EQ(std::signbit(back), std::signbit(v));
            const Extended80 e = EncodeExtended(v);
            EXPECT_EQ(e[7] & 0xC0, 0xC0) << "a NaN must stay a quiet NaN";
        } else {
            ASSERT_EQ(Bits(back), Bits(v)) << std::hexfloat << v;
        }
    }
}

// Guards against a crash or a non-canonical value on a stranger's ten bytes: every
// decoded value must itself survive encoding and decoding unchanged.
TEST(Extended80, ArbitraryBytesDecodeToAStableDouble) {
    std::mt19937 random(7);
    for (int i = 0; i < 20000; ++i) {
        Extended80 bytes;
        for (auto& b : bytes)
            b = static_cast<uint8_t>(random());
        if (i % 4 == 0) bytes[9] = static_cast<uint8_t>((bytes[9] & 0x80) | 0x3F);
        const double d = DecodeExtended(bytes);
        if (std::isnan(d)) continue;
        EXPECT_EQ(Bits(DecodeExtended(EncodeExtended(d))), Bits(d));
        EXPECT_EQ(std::signbit(d), (bytes[9] & 0x80) != 0);
    }
}

// Guards against rounding twice (to 53 bits, then again to the subnormal's precision),
// which turns a value just above half the smallest subnormal into 0.
TEST(Extended80, DecodeRoundsOnceBelowTheNormalRange) {
    // (2^63 + 1) × 2^-1138 = 2^-1075 + 2^-1138: closer to 2^-1074 than to 0.
    const Extended80 justAboveHalf = {0x01, 0, 0, 0, 0, 0, 0, 0x80, 0xCC, 0x3B};
    EXPECT_EQ(DecodeExtended(justAboveHalf), std::numeric_limits<double>::denorm_min());
    // Exactly half: ties go to the even neighbour, 0.
    const Extended80 half = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xCC, 0x3B};
    EXPECT_EQ(DecodeExtended(half), 0.0);
    // In the normal range a 64-bit mantissa is rounded once, to nearest.
    const Extended80 oneAndAHalfUlp = {0x00, 0x0C, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F};
    EXPECT_EQ(DecodeExtended(oneAndAHalfUlp), 1.0 + 2 * std::numeric_limits<double>::epsilon());
}

// ------------------------------------------------------------------ text conversions

// Guards against the 8-bit code page being taken for Latin-1 (0x80..0x9F), and against
// characters without an 8-bit form being dropped instead of shown as '?'.
TEST(TextCodec, WindowsCodePageBothWays) {
    const struct {
        std::string cp1252;
        std::string utf8;
    } pairs[] = {
        {"abc", "abc"},         {"\xE9", "\xC3\xA9"}, {"\x80", "\xE2\x82\xAC"},
        {"\x9F", "\xC5\xB8"},   {"\x81", "\xC2\x81"}, // unassigned byte: kept as its own code point
        {"\xA7 ", "\xC2\xA7 "}, {"\xFF", "\xC3\xBF"},
    };
    for (const auto& p : pairs) {
        EXPECT_EQ(Cp1252ToUtf8(p.cp1252), p.utf8);
        EXPECT_EQ(Utf8ToCp1252(p.utf8), p.cp1252);
    }
    EXPECT_EQ(Utf8ToCp1252("\xCE\xA9x"), "?x"); // Ω
    EXPECT_EQ(Utf8ToCp1252("\xC3"), "?");       // cut sequence
    EXPECT_EQ(SanitizeUtf8("\xED\xA0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(SanitizeUtf8("ok \xF0\x9F\x98\x80"), "ok \xF0\x9F\x98\x80");
    EXPECT_TRUE(IsPlainAscii("Nine Men's Morris"));
    EXPECT_FALSE(IsPlainAscii("\xC3\xA9"));
}

} // namespace
