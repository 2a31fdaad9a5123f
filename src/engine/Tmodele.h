#pragma once
// A variant of the mill game as data: the board's points, links and mills, the pieces of
// each side and the rule options. Every rule decision of the engine is read from here.
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace vantorel {

class TValueReader;
class TValueWriter;

struct TPointRec {
    double X = 0;
    double Y = 0;
    bool operator==(const TPointRec&) const = default;
};

struct TLinkRec {
    int16_t A = 0;
    int16_t B = 0;
    bool operator==(const TLinkRec&) const = default;
};

struct TMillRec {
    int16_t P1 = 0;
    int16_t P2 = 0;
    int16_t P3 = 0;
    bool operator==(const TMillRec&) const = default;
};

enum class JumpRuleKind : int32_t { ThirdPhase = 0, Never = 1, Always = 2 };

// What the engine can play: points are signed bytes, reserves signed bytes.
inline constexpr int kMaxPlayablePoints = 128;
inline constexpr int kMaxPiecesPerSide = 127;
// What a record may hold at all (the editor's slots); larger counts are a format error.
inline constexpr int kMaxRecordPoints = 200;
inline constexpr int kMaxRecordLinks = 1000;
inline constexpr int kMaxRecordMills = 1000;
inline constexpr int kMaxDescriptionLines = 10000;
// The description as one text, each line followed by CR LF: a page of prose is a few KiB,
// and a record that claims more would cost its reader memory for nothing.
inline constexpr size_t kMaxDescriptionBytes = 64 * 1024;

class Tmodele {
public:
    // Kind -1: an empty model dated today; 0: "Marelle de 9"; any other: "Nine Men's Morris".
    explicit Tmodele(int32_t kind = 1) { Create(kind); }

    int32_t Kind = 0;
    uint16_t Day = 3, Month = 8, Year = 1963;
    std::string Name = "?";
    std::vector<std::string> Description;
    std::vector<TMillRec> Mills;
    std::vector<TPointRec> Points;
    std::vector<TLinkRec> Links;
    int32_t PiecesPerSide[2] = {9, 9};
    double ExtraReal = 1.0;
    int32_t MinPieces = 3;
    int32_t ExtraInt1 = 5;
    int32_t ExtraInt2 = 1;
    int32_t MinDepth = 1;
    int32_t JumpRule = 0;
    int32_t DiceRule = 0;
    int32_t CaptureRule = 0;
    int32_t CaptureWhilePlacing = 1;
    int32_t Identity = 0;

    // The counts are the arrays' lengths, so they can never disagree with them.
    int32_t MillCount() const { return static_cast<int32_t>(Mills.size()); }
    int32_t PointCount() const { return static_cast<int32_t>(Points.size()); }
    int32_t LinkCount() const { return static_cast<int32_t>(Links.size()); }

    void Create(int32_t kind);
    void Reset(int32_t kind);
    void LoadMarelleDe9();
    void LoadNineMensMorris();
    // Deep copy of everything but Identity.
    void Assign(const Tmodele& source);
    bool SameAs(const Tmodele& other) const;

    int Checksum() const;
    static int TextChecksum(const std::string& utf8Text);

    // The model record. ReadFrom throws StreamError on a malformed record and then leaves
    // the model unchanged; it returns false when the stored checksum differs from the
    // checksum of what was read (the data is kept: the caller decides).
    void WriteTo(TValueWriter& writer) const;
    bool ReadFrom(TValueReader& reader);
    void SaveToStream(std::ostream& stream) const;
    bool LoadFromStream(std::istream& stream);

    // The text form sent to a network partner. `decimalSeparator` is the user's.
    std::string ToText(char decimalSeparator = '.') const;

    // Empty when the engine can play this model; otherwise why not, in French.
    std::string PlayabilityProblem() const;
    bool IsPlayable() const { return PlayabilityProblem().empty(); }

    // The description as one text, each line followed by CR LF.
    std::string DescriptionText() const;
    // Empty when a record of this model reads back; otherwise why not, in French. Writing
    // such a record throws instead: a file its own reader refuses is a variant lost.
    std::string RecordProblem() const;

private:
    // A model with the creation defaults and nothing loaded, no identity drawn.
    explicit Tmodele(std::nullptr_t) {}
    void DrawIdentity();
    void SetToday();
};

} // namespace vantorel
