#include "Tmodele.h"

#include "TText.h"

#include "Random.h"
#include "TValueStream.h"
#include "TextCodec.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <istream>
#include <ostream>

namespace vantorel {
namespace {

constexpr const char* kRecordTag = "Vantorel";
constexpr const char* kNineMensMorrisDescription =
    "Trois carrés concentriques avec des lignes d'intersection sur leurs côtés. 18 pions "
    "soit 9 noirs et 9 blancs.";

// The 24 points of three concentric squares, clockwise from the top-left corner.
std::vector<TPointRec> ThreeSquares() {
    static constexpr int kDx[8] = {-1, 0, 1, 1, 1, 0, -1, -1};
    static constexpr int kDy[8] = {1, 1, 1, 0, -1, -1, -1, 0};
    std::vector<TPointRec> points;
    for (int ring = 0; ring < 3; ++ring) {
        const int half = 9 - 3 * ring;
        for (int k = 0; k < 8; ++k)
            points.push_back(
                {static_cast<double>(kDx[k] * half), static_cast<double>(kDy[k] * half)});
    }
    return points;
}

void RingLinksAndMills(std::vector<TLinkRec>& links, std::vector<TMillRec>& mills) {
    for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 8; ++k)
            links.push_back(
                {static_cast<int16_t>(8 * r + k), static_cast<int16_t>(8 * r + (k + 1) % 8)});
    for (int r = 0; r < 3; ++r)
        for (int j = 0; j < 4; ++j)
            mills.push_back({static_cast<int16_t>(8 * r + 2 * j),
                             static_cast<int16_t>(8 * r + 2 * j + 1),
                             static_cast<int16_t>(8 * r + (2 * j + 2) % 8)});
}

void Crossings(std::vector<TLinkRec>& links, std::vector<TMillRec>& mills, int first, int step) {
    for (int k = first; k < 8; k += step) {
        const auto a = static_cast<int16_t>(k);
        links.push_back({a, static_cast<int16_t>(k + 8)});
        links.push_back({static_cast<int16_t>(k + 8), static_cast<int16_t>(k + 16)});
    }
    for (int k = first; k < 8; k += step)
        mills.push_back(
            {static_cast<int16_t>(k), static_cast<int16_t>(k + 8), static_cast<int16_t>(k + 16)});
}

// Lines of a text, split at CR LF, CR or LF; a final line break adds no empty line.
std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

uint16_t Crc16Update(uint16_t crc, uint8_t byte) {
    crc = static_cast<uint16_t>(crc ^ (byte << 8));
    for (int bit = 0; bit < 8; ++bit)
        crc = static_cast<uint16_t>((crc & 0x8000) ? (crc << 1) ^ 0x1021 : crc << 1);
    return crc;
}

// round(v × 1000), half to even; values an integer cannot hold give 0, as the FPU's
// "integer indefinite" does in its low byte.
int64_t RoundThousandths(double v) {
    const double scaled = std::nearbyint(v * 1000.0);
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 9.2e18) return 0;
    return static_cast<int64_t>(scaled);
}

std::string FormatReal(double value, char decimalSeparator) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    std::string text = buffer;
    for (char& c : text)
        if (c == '.') c = decimalSeparator;
    return text;
}

} // namespace

void Tmodele::DrawIdentity() {
    const auto r = static_cast<int32_t>(RandomBelow(67181));
    Identity = (r + 1) * static_cast<int32_t>(TickCount() % 97);
}

void Tmodele::SetToday() {
    // The user's local date, not the date at Greenwich.
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    Day = static_cast<uint16_t>(local.tm_mday);
    Month = static_cast<uint16_t>(local.tm_mon + 1);
    Year = static_cast<uint16_t>(local.tm_year + 1900);
}

void Tmodele::Create(int32_t kind) {
    *this = Tmodele(nullptr);
    Kind = kind;
    if (kind == -1)
        SetToday();
    else if (kind == 0)
        LoadMarelleDe9();
    else
        LoadNineMensMorris();
    DrawIdentity();
}

void Tmodele::Reset(int32_t kind) {
    Kind = kind;
    ExtraInt1 = 5;
    ExtraInt2 = 1;
    MinDepth = 1;
    JumpRule = 0;
    MinPieces = 3;
    ExtraReal = 1.0;
    DiceRule = 0;
    CaptureRule = 0;
    Points.clear();
    Links.clear();
    Mills.clear();
    if (kind == 0)
        LoadMarelleDe9();
    else if (kind == 1)
        LoadNineMensMorris();
    else
        DrawIdentity();
}

void Tmodele::LoadMarelleDe9() {
    Kind = 0;
    Name = "Marelle de 9";
    Description.clear();
    MinPieces = 3;
    Points = ThreeSquares();
    Links.clear();
    Mills.clear();
    RingLinksAndMills(Links, Mills);
    Crossings(Links, Mills, 0, 1);
    PiecesPerSide[0] = PiecesPerSide[1] = 9;
    CaptureWhilePlacing = 0;
}

void Tmodele::LoadNineMensMorris() {
    Kind = 1;
    Name = "Nine Men's Morris";
    Description = {kNineMensMorrisDescription};
    MinPieces = 3;
    Points = ThreeSquares();
    Links.clear();
    Mills.clear();
    RingLinksAndMills(Links, Mills);
    Crossings(Links, Mills, 1, 2);
    PiecesPerSide[0] = PiecesPerSide[1] = 9;
    CaptureRule = 1;
    MinDepth = 4;
    ExtraInt1 = 10;
}

void Tmodele::Assign(const Tmodele& source) {
    if (&source == this) return;
    const int32_t identity = Identity;
    *this = source;
    Identity = identity;
    Description = SplitLines(source.DescriptionText());
}

bool Tmodele::SameAs(const Tmodele& other) const {
    return PointCount() == other.PointCount() && MillCount() == other.MillCount() &&
           LinkCount() == other.LinkCount() && Day == other.Day && Month == other.Month &&
           Year == other.Year && Kind == other.Kind && JumpRule == other.JumpRule &&
           PiecesPerSide[0] == other.PiecesPerSide[0] &&
           PiecesPerSide[1] == other.PiecesPerSide[1] && DiceRule == other.DiceRule &&
           CaptureRule == other.CaptureRule && CaptureWhilePlacing == other.CaptureWhilePlacing &&
           Points == other.Points && Links == other.Links && Mills == other.Mills &&
           Checksum() == other.Checksum();
}

std::string Tmodele::DescriptionText() const {
    std::string text;
    for (const auto& line : Description)
        text += line + "\r\n";
    return text;
}

int Tmodele::TextChecksum(const std::string& utf8Text) {
    // The sum runs over the 8-bit form of the text, so that accented names give the same
    // checksum as in files written by 8-bit programs.
    const std::string bytes = Utf8ToCp1252(utf8Text);
    // Wide arithmetic: the same sums as 32-bit arithmetic for any text of a sane length, and
    // no overflow for the longest a stranger's file can hold.
    int64_t r = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const int64_t c = static_cast<unsigned char>(bytes[i]);
        if (c >= 48 && c <= 122) r = (r * 256 + c * static_cast<int64_t>(i + 2)) % 65521;
    }
    return static_cast<int>(r);
}

int Tmodele::Checksum() const {
    uint16_t crc = 0;
    const auto feed = [&crc](int64_t value) {
        crc = Crc16Update(crc, static_cast<uint8_t>(value & 0xFF));
    };
    for (int64_t v : {int64_t{Kind}, int64_t{PointCount()}, int64_t{MillCount()},
                      int64_t{LinkCount()}, int64_t{Day}, int64_t{Month}, int64_t{Year},
                      int64_t{JumpRule}, int64_t{PiecesPerSide[0]}, int64_t{PiecesPerSide[1]},
                      int64_t{DiceRule}, int64_t{CaptureRule}, int64_t{CaptureWhilePlacing}})
        feed(v);
    for (const auto& p : Points) {
        feed(RoundThousandths(p.X));
        feed(RoundThousandths(p.Y));
    }
    for (const auto& l : Links) {
        feed(l.A);
        feed(l.B);
    }
    for (const auto& m : Mills) {
        feed(m.P1);
        feed(m.P2);
        feed(m.P3);
    }
    feed(TextChecksum(Name));
    feed(TextChecksum(DescriptionText()));
    return crc;
}

std::string Tmodele::RecordProblem() const {
    if (PointCount() > kMaxRecordPoints || LinkCount() > kMaxRecordLinks ||
        MillCount() > kMaxRecordMills)
        return VANTOREL_TEXT("Catalogue", "Le tablier a trop de points, de liens ou de moulins.");
    if (Name.size() > TValueReader::kMaxStringBytes)
        return VANTOREL_TEXT("Catalogue", "Le nom de la variante est trop long.");
    size_t bytes = 0;
    for (const std::string& line : Description)
        bytes += line.size() + 2;
    if (Description.size() > static_cast<size_t>(kMaxDescriptionLines) ||
        bytes > kMaxDescriptionBytes)
        return VANTOREL_TEXT("Catalogue",
                             "La description est trop longue (64 Kio et 10000 lignes au plus).");
    return {};
}

void Tmodele::WriteTo(TValueWriter& w) const {
    if (std::string problem = RecordProblem(); !problem.empty())
        throw StreamError(StreamError::Kind::Format, problem);
    w.WriteString(kRecordTag);
    w.WriteInteger(Kind);
    w.WriteInteger(Day);
    w.WriteInteger(Month);
    w.WriteInteger(Year);
    w.WriteInteger(Checksum());
    w.WriteString(Name);
    w.WriteInteger(PointCount());
    w.WriteInteger(LinkCount());
    w.WriteInteger(MillCount());
    w.WriteListBegin();
    for (const auto& p : Points) {
        w.WriteFloat(p.X);
        w.WriteFloat(p.Y);
    }
    w.WriteListEnd();
    w.WriteListBegin();
    for (const auto& l : Links) {
        w.WriteInteger(l.A);
        w.WriteInteger(l.B);
    }
    w.WriteListEnd();
    w.WriteListBegin();
    for (const auto& m : Mills) {
        w.WriteInteger(m.P1);
        w.WriteInteger(m.P2);
        w.WriteInteger(m.P3);
    }
    w.WriteListEnd();
    w.WriteInteger(ExtraInt1);
    w.WriteInteger(MinPieces);
    w.WriteInteger(ExtraInt2);
    w.WriteInteger(MinDepth);
    w.WriteInteger(JumpRule);
    w.WriteInteger(PiecesPerSide[0]);
    w.WriteInteger(PiecesPerSide[1]);
    w.WriteFloat(ExtraReal);
    w.WriteInteger(DiceRule);
    w.WriteInteger(CaptureRule);
    w.WriteInteger(CaptureWhilePlacing);
    w.WriteListBegin();
    for (const auto& line : Description)
        w.WriteString(line);
    w.WriteListEnd();
}

bool Tmodele::ReadFrom(TValueReader& r) {
    // Read into a copy and take it only when the whole record parsed: a damaged file must
    // not leave a model whose tables disagree with each other.
    Tmodele read(nullptr);
    read.Identity = Identity;
    r.ReadString();
    read.Kind = r.ReadInteger();
    read.Day = static_cast<uint16_t>(r.ReadInteger());
    read.Month = static_cast<uint16_t>(r.ReadInteger());
    read.Year = static_cast<uint16_t>(r.ReadInteger());
    const int stored = r.ReadInteger();
    read.Name = r.ReadString();
    const int32_t points = r.ReadInteger();
    const int32_t links = r.ReadInteger();
    const int32_t mills = r.ReadInteger();
    if (points < 0 || points > kMaxRecordPoints || links < 0 || links > kMaxRecordLinks ||
        mills < 0 || mills > kMaxRecordMills)
        throw StreamError::Format();

    read.Points.resize(static_cast<size_t>(points));
    r.ReadListBegin();
    for (auto& p : read.Points) {
        p.X = r.ReadFloat();
        p.Y = r.ReadFloat();
    }
    r.ReadListEnd();
    read.Links.resize(static_cast<size_t>(links));
    r.ReadListBegin();
    for (auto& l : read.Links) {
        l.A = static_cast<int16_t>(r.ReadInteger());
        l.B = static_cast<int16_t>(r.ReadInteger());
    }
    r.ReadListEnd();
    read.Mills.resize(static_cast<size_t>(mills));
    r.ReadListBegin();
    for (auto& m : read.Mills) {
        m.P1 = static_cast<int16_t>(r.ReadInteger());
        m.P2 = static_cast<int16_t>(r.ReadInteger());
        m.P3 = static_cast<int16_t>(r.ReadInteger());
    }
    r.ReadListEnd();
    read.ExtraInt1 = r.ReadInteger();
    read.MinPieces = r.ReadInteger();
    read.ExtraInt2 = r.ReadInteger();
    read.MinDepth = r.ReadInteger();
    read.JumpRule = r.ReadInteger();
    read.PiecesPerSide[0] = r.ReadInteger();
    read.PiecesPerSide[1] = r.ReadInteger();
    read.ExtraReal = r.ReadFloat();
    read.DiceRule = r.ReadInteger();
    read.CaptureRule = r.ReadInteger();
    read.CaptureWhilePlacing = r.ReadInteger();
    r.ReadListBegin();
    size_t descriptionBytes = 0;
    while (!r.EndOfList()) {
        if (read.Description.size() >= static_cast<size_t>(kMaxDescriptionLines))
            throw StreamError::Format();
        read.Description.push_back(r.ReadString());
        descriptionBytes += read.Description.back().size() + 2;
        if (descriptionBytes > kMaxDescriptionBytes) throw StreamError::Format();
    }
    r.ReadListEnd();

    *this = std::move(read);
    return Checksum() == stored;
}

void Tmodele::SaveToStream(std::ostream& stream) const {
    TValueWriter writer(stream);
    WriteTo(writer);
    writer.Flush();
}

bool Tmodele::LoadFromStream(std::istream& stream) {
    TValueReader reader(stream);
    return ReadFrom(reader);
}

std::string Tmodele::ToText(char decimalSeparator) const {
    std::string text;
    const auto add = [&text](long long value) { text += std::to_string(value) + ";"; };
    const auto addReal = [&](double value) { text += FormatReal(value, decimalSeparator) + ";"; };
    for (long long v : {(long long)Kind, (long long)Day, (long long)Month, (long long)Year,
                        (long long)Checksum(), (long long)Identity, (long long)PointCount(),
                        (long long)LinkCount(), (long long)MillCount()})
        add(v);
    for (const auto& p : Points) {
        addReal(p.X);
        addReal(p.Y);
    }
    for (const auto& l : Links) {
        add(l.A);
        add(l.B);
    }
    for (const auto& m : Mills) {
        add(m.P1);
        add(m.P2);
        add(m.P3);
    }
    for (long long v :
         {(long long)ExtraInt1, (long long)MinPieces, (long long)ExtraInt2, (long long)MinDepth,
          (long long)JumpRule, (long long)PiecesPerSide[0], (long long)PiecesPerSide[1]})
        add(v);
    addReal(ExtraReal);
    for (long long v :
         {(long long)DiceRule, (long long)CaptureRule, (long long)CaptureWhilePlacing})
        add(v);
    text += "\xC2\xA7 "; // "§ " in UTF-8; the wire turns it into one Windows-1252 byte
    return std::to_string(TextChecksum(text)) + ";" + text;
}

std::string Tmodele::PlayabilityProblem() const {
    const int n = PointCount();
    if (n > kMaxPlayablePoints)
        return VANTOREL_TEXT("Catalogue", "Le plateau a plus de 128 points.");
    for (int side = 0; side < 2; ++side)
        if (PiecesPerSide[side] < 0 || PiecesPerSide[side] > kMaxPiecesPerSide)
            return VANTOREL_TEXT("Catalogue",
                                 "Le nombre de pions par joueur doit être compris entre 0 et 127.");
    const auto valid = [n](int p) { return p >= 0 && p < n; };
    for (const auto& l : Links)
        if (!valid(l.A) || !valid(l.B))
            return VANTOREL_TEXT("Catalogue", "Une liaison désigne un point inexistant.");
    for (const auto& m : Mills) {
        if (!valid(m.P1) || !valid(m.P2) || !valid(m.P3))
            return VANTOREL_TEXT("Catalogue", "Un moulin désigne un point inexistant.");
        if (m.P1 == m.P2 || m.P1 == m.P3 || m.P2 == m.P3)
            return VANTOREL_TEXT("Catalogue", "Un moulin répète un point.");
    }
    return {};
}

} // namespace vantorel
