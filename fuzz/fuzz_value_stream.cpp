// The tagged value stream under every file of the program. The first byte says how many
// of the following bytes are reads to make (each byte one read, used in turn again and
// again); the rest is the stream. Whatever the stream holds, a read either returns a value
// or throws StreamError, strings come out as valid UTF-8, and what was read writes back
// into a stream that reads the same values again.
#include "FuzzInput.h"

#include "engine/TValueStream.h"

#include <bit>
#include <sstream>
#include <string>
#include <vector>

using namespace vantorel;
using vantorel::fuzz::Expect;

namespace {

enum class Read : uint8_t { Integer, Float, String, Boolean, Date, ListBegin, ListEnd, ByTag };
constexpr int kReadKinds = 8;
// Enough for every list a small input can hold, and a bound on the time of one input.
constexpr size_t kMaxReads = 4096;

struct Value {
    Read read = Read::Integer;
    int32_t integer = 0;
    uint64_t realBits = 0;
    std::string text;
    bool flag = false;
};

// The read a reader that follows the tags would choose.
Read ReadForTag(ValueTag tag) {
    switch (tag) {
    case ValueTag::Null:
        return Read::ListEnd;
    case ValueTag::List:
        return Read::ListBegin;
    case ValueTag::Extended:
        return Read::Float;
    case ValueTag::String:
    case ValueTag::LString:
    case ValueTag::WString:
    case ValueTag::Utf8String:
        return Read::String;
    case ValueTag::False:
    case ValueTag::True:
        return Read::Boolean;
    case ValueTag::Date:
        return Read::Date;
    default:
        return Read::Integer; // the integers, and an unknown tag (a format error)
    }
}

// Checked here rather than with the engine's own decoder, so that one fault cannot hide
// in both.
bool IsValidUtf8(const std::string& text) {
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int extra;
        uint32_t cp;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1, cp = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2, cp = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3, cp = lead & 0x07u;
        } else {
            return false;
        }
        if (i + static_cast<size_t>(extra) >= text.size()) return false;
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<size_t>(k)]);
            if ((next & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (next & 0x3Fu);
        }
        if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += static_cast<size_t>(extra) + 1;
    }
    return true;
}

Value ReadOne(TValueReader& reader, Read read) {
    if (read == Read::ByTag) read = ReadForTag(reader.NextValue());
    Value value;
    value.read = read;
    switch (read) {
    case Read::Integer:
        value.integer = reader.ReadInteger();
        break;
    case Read::Float:
        value.realBits = std::bit_cast<uint64_t>(reader.ReadFloat());
        break;
    case Read::String:
        value.text = reader.ReadString();
        Expect(IsValidUtf8(value.text), "a string was read as malformed UTF-8");
        break;
    case Read::Boolean:
        value.flag = reader.ReadBoolean();
        break;
    case Read::Date:
        value.realBits = std::bit_cast<uint64_t>(reader.ReadDate());
        break;
    case Read::ListBegin:
        reader.ReadListBegin();
        break;
    case Read::ListEnd:
        reader.ReadListEnd();
        break;
    case Read::ByTag:
        break;
    }
    return value;
}

void WriteOne(TValueWriter& writer, const Value& value) {
    switch (value.read) {
    case Read::Integer:
        writer.WriteInteger(value.integer);
        break;
    case Read::Float:
        writer.WriteFloat(std::bit_cast<double>(value.realBits));
        break;
    case Read::String:
        writer.WriteString(value.text);
        break;
    case Read::Boolean:
        writer.WriteBoolean(value.flag);
        break;
    case Read::Date:
        writer.WriteDate(std::bit_cast<double>(value.realBits));
        break;
    case Read::ListBegin:
        writer.WriteListBegin();
        break;
    case Read::ListEnd:
        writer.WriteListEnd();
        break;
    case Read::ByTag:
        break;
    }
}

bool SameValue(const Value& a, const Value& b) {
    return a.read == b.read && a.integer == b.integer && a.realBits == b.realBits &&
           a.text == b.text && a.flag == b.flag;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInput input(data, size);
    std::vector<Read> plan(input.Byte());
    for (Read& read : plan)
        read = static_cast<Read>(input.Below(kReadKinds));
    if (plan.empty()) plan.push_back(Read::ByTag);

    const size_t streamStart = size - input.Remaining();
    std::istringstream in(
        std::string(reinterpret_cast<const char*>(data) + streamStart, size - streamStart));
    TValueReader reader(in);
    std::vector<Value> values;
    try {
        while (values.size() < kMaxReads)
            values.push_back(ReadOne(reader, plan[values.size() % plan.size()]));
    } catch (const StreamError& error) {
        Expect(error.kind() != StreamError::Kind::Write, "a reader reported a write error");
    }

    std::ostringstream out;
    {
        TValueWriter writer(out);
        for (const Value& value : values)
            WriteOne(writer, value);
        writer.Flush();
    }
    std::istringstream again(out.str());
    TValueReader rereader(again);
    for (const Value& value : values) {
        const Value reread = ReadOne(rereader, value.read);
        Expect(SameValue(reread, value), "a value written back reads as another value");
    }
    bool ended = false;
    try {
        rereader.NextValue();
    } catch (const StreamError& error) {
        ended = error.kind() == StreamError::Kind::Read;
    }
    Expect(ended, "a written stream holds more than was written");
    return 0;
}
