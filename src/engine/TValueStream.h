#pragma once
// The tagged value stream shared by the model record, the saved game and the variant
// library: every value is a one-byte tag followed by its little-endian payload.
#include "TText.h"

#include <cstdint>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vantorel {

enum class ValueTag : uint8_t {
    Null = 0x00, // end of a list
    List = 0x01,
    Int8 = 0x02,
    Int16 = 0x03,
    Int32 = 0x04,
    Extended = 0x05,
    String = 0x06, // 1-byte length, 8-bit text
    False = 0x08,
    True = 0x09,
    LString = 0x0C, // 4-byte length, 8-bit text
    Date = 0x11,    // IEEE double: days since 30 December 1899
    WString = 0x12, // 4-byte character count, UTF-16LE (read only)
    Utf8String = 0x14,
};

// A malformed or truncated stream. The texts are the ones the user sees in the
// open-file message.
class StreamError : public std::runtime_error {
public:
    enum class Kind { Format, Read, Write };
    StreamError(Kind kind, const std::string& message) : std::runtime_error(message), kind_(kind) {}
    Kind kind() const { return kind_; }
    static StreamError Format() {
        return {Kind::Format, VANTOREL_TEXT("Catalogue", "Valeur de propriété incorrecte")};
    }
    static StreamError Read() {
        return {Kind::Read, VANTOREL_TEXT("Catalogue", "Erreur de lecture du flux")};
    }
    static StreamError Write() {
        return {Kind::Write, VANTOREL_TEXT("Catalogue", "Erreur d'écriture du flux")};
    }

private:
    Kind kind_;
};

class TValueWriter {
public:
    explicit TValueWriter(std::ostream& out) : out_(out) {}
    TValueWriter(const TValueWriter&) = delete;
    TValueWriter& operator=(const TValueWriter&) = delete;
    ~TValueWriter();

    // The shortest integer tag that holds the value.
    void WriteInteger(int32_t value);
    void WriteFloat(double value);
    // UTF-8 text: plain 7-bit text as an 8-bit string, anything else as UTF-8.
    void WriteString(std::string_view utf8);
    void WriteBoolean(bool value);
    void WriteDate(double daysSince1899);
    void WriteListBegin();
    void WriteListEnd();
    // Throws StreamError::Write when the underlying stream has failed.
    void Flush();

private:
    void Put(const void* bytes, size_t count);
    void PutTag(ValueTag tag) { Put(&tag, 1); }
    std::ostream& out_;
};

class TValueReader {
public:
    // Longest string accepted, in bytes of its stored form.
    static constexpr uint32_t kMaxStringBytes = 64 * 1024;

    explicit TValueReader(std::istream& in) : in_(in) {}
    TValueReader(const TValueReader&) = delete;
    TValueReader& operator=(const TValueReader&) = delete;

    // The tag of the next value, without consuming it.
    ValueTag NextValue();
    // True when the next value is a list end (not consumed).
    bool EndOfList() { return NextValue() == ValueTag::Null; }

    int32_t ReadInteger();
    double ReadFloat();       // an extended real, or an integer
    std::string ReadString(); // always valid UTF-8
    bool ReadBoolean();       // false unless the tag is True
    double ReadDate();        // a date, or an integer
    void ReadListBegin();
    void ReadListEnd();

private:
    ValueTag TakeTag();
    void Take(void* bytes, size_t count);
    uint32_t TakeUint32();
    int32_t TakeIntegerPayload(ValueTag tag);
    std::string TakeBytes(uint32_t count);

    std::istream& in_;
    bool peeked_ = false;
    uint8_t peekedTag_ = 0;
};

} // namespace vantorel
