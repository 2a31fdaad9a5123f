#include "TValueStream.h"

#include "Extended80.h"
#include "TextCodec.h"

#include <bit>
#include <istream>
#include <ostream>

namespace vantorel {
namespace {

template <typename T> void StoreLittle(uint8_t* out, T value) {
    using U = std::make_unsigned_t<T>;
    auto bits = static_cast<U>(value);
    for (size_t i = 0; i < sizeof(T); ++i) {
        out[i] = static_cast<uint8_t>(bits & 0xFF);
        bits = static_cast<U>(bits >> 8);
    }
}

template <typename T> T LoadLittle(const uint8_t* in) {
    using U = std::make_unsigned_t<T>;
    U bits = 0;
    for (size_t i = 0; i < sizeof(T); ++i)
        bits = static_cast<U>(bits | (static_cast<U>(in[i]) << (8 * i)));
    return static_cast<T>(bits);
}

} // namespace

// ---------------------------------------------------------------- writer

TValueWriter::~TValueWriter() {
    out_.flush();
}

void TValueWriter::Put(const void* bytes, size_t count) {
    out_.write(static_cast<const char*>(bytes), static_cast<std::streamsize>(count));
}

void TValueWriter::WriteInteger(int32_t value) {
    uint8_t buffer[5];
    if (value >= -128 && value <= 127) {
        buffer[0] = static_cast<uint8_t>(ValueTag::Int8);
        StoreLittle<int8_t>(buffer + 1, static_cast<int8_t>(value));
        Put(buffer, 2);
    } else if (value >= -32768 && value <= 32767) {
        buffer[0] = static_cast<uint8_t>(ValueTag::Int16);
        StoreLittle<int16_t>(buffer + 1, static_cast<int16_t>(value));
        Put(buffer, 3);
    } else {
        buffer[0] = static_cast<uint8_t>(ValueTag::Int32);
        StoreLittle<int32_t>(buffer + 1, value);
        Put(buffer, 5);
    }
}

void TValueWriter::WriteFloat(double value) {
    PutTag(ValueTag::Extended);
    const Extended80 bytes = EncodeExtended(value);
    Put(bytes.data(), bytes.size());
}

void TValueWriter::WriteString(std::string_view utf8) {
    uint8_t header[5];
    if (IsPlainAscii(utf8) && utf8.size() < 256) {
        header[0] = static_cast<uint8_t>(ValueTag::String);
        header[1] = static_cast<uint8_t>(utf8.size());
        Put(header, 2);
    } else {
        header[0] =
            static_cast<uint8_t>(IsPlainAscii(utf8) ? ValueTag::LString : ValueTag::Utf8String);
        StoreLittle<uint32_t>(header + 1, static_cast<uint32_t>(utf8.size()));
        Put(header, 5);
    }
    Put(utf8.data(), utf8.size());
}

void TValueWriter::WriteBoolean(bool value) {
    PutTag(value ? ValueTag::True : ValueTag::False);
}

void TValueWriter::WriteDate(double daysSince1899) {
    uint8_t buffer[9];
    buffer[0] = static_cast<uint8_t>(ValueTag::Date);
    StoreLittle<uint64_t>(buffer + 1, std::bit_cast<uint64_t>(daysSince1899));
    Put(buffer, 9);
}

void TValueWriter::WriteListBegin() {
    PutTag(ValueTag::List);
}
void TValueWriter::WriteListEnd() {
    PutTag(ValueTag::Null);
}

void TValueWriter::Flush() {
    out_.flush();
    if (!out_) throw StreamError::Write();
}

// ---------------------------------------------------------------- reader

void TValueReader::Take(void* bytes, size_t count) {
    in_.read(static_cast<char*>(bytes), static_cast<std::streamsize>(count));
    if (static_cast<size_t>(in_.gcount()) != count) throw StreamError::Read();
}

ValueTag TValueReader::NextValue() {
    if (!peeked_) {
        Take(&peekedTag_, 1);
        peeked_ = true;
    }
    return static_cast<ValueTag>(peekedTag_);
}

ValueTag TValueReader::TakeTag() {
    const ValueTag tag = NextValue();
    peeked_ = false;
    return tag;
}

uint32_t TValueReader::TakeUint32() {
    uint8_t buffer[4];
    Take(buffer, 4);
    return LoadLittle<uint32_t>(buffer);
}

int32_t TValueReader::TakeIntegerPayload(ValueTag tag) {
    uint8_t buffer[4];
    switch (tag) {
    case ValueTag::Int8:
        Take(buffer, 1);
        return LoadLittle<int8_t>(buffer);
    case ValueTag::Int16:
        Take(buffer, 2);
        return LoadLittle<int16_t>(buffer);
    case ValueTag::Int32:
        Take(buffer, 4);
        return LoadLittle<int32_t>(buffer);
    default:
        throw StreamError::Format();
    }
}

std::string TValueReader::TakeBytes(uint32_t count) {
    // The length is checked before anything is allocated: a stranger's file can claim 4 GiB.
    if (count > kMaxStringBytes) throw StreamError::Format();
    std::string bytes(count, '\0');
    Take(bytes.data(), count);
    return bytes;
}

int32_t TValueReader::ReadInteger() {
    return TakeIntegerPayload(TakeTag());
}

double TValueReader::ReadFloat() {
    const ValueTag tag = TakeTag();
    if (tag != ValueTag::Extended) return TakeIntegerPayload(tag);
    Extended80 bytes;
    Take(bytes.data(), bytes.size());
    return DecodeExtended(bytes);
}

std::string TValueReader::ReadString() {
    switch (TakeTag()) {
    case ValueTag::String: {
        uint8_t length;
        Take(&length, 1);
        return Cp1252ToUtf8(TakeBytes(length));
    }
    case ValueTag::LString:
        return Cp1252ToUtf8(TakeBytes(TakeUint32()));
    case ValueTag::Utf8String:
        return SanitizeUtf8(TakeBytes(TakeUint32()));
    case ValueTag::WString: {
        const uint32_t characters = TakeUint32();
        if (characters > kMaxStringBytes / 2) throw StreamError::Format();
        return Utf16LeToUtf8(TakeBytes(characters * 2));
    }
    default:
        throw StreamError::Format();
    }
}

bool TValueReader::ReadBoolean() {
    const ValueTag tag = TakeTag();
    if (tag == ValueTag::True || tag == ValueTag::False) return tag == ValueTag::True;
    // Any other value is skipped as a false; a payload it carries cannot be skipped safely.
    if (tag == ValueTag::Int8 || tag == ValueTag::Int16 || tag == ValueTag::Int32) {
        TakeIntegerPayload(tag);
        return false;
    }
    throw StreamError::Format();
}

double TValueReader::ReadDate() {
    const ValueTag tag = TakeTag();
    if (tag != ValueTag::Date) return TakeIntegerPayload(tag);
    uint8_t buffer[8];
    Take(buffer, 8);
    return std::bit_cast<double>(LoadLittle<uint64_t>(buffer));
}

void TValueReader::ReadListBegin() {
    if (TakeTag() != ValueTag::List) throw StreamError::Format();
}

void TValueReader::ReadListEnd() {
    if (TakeTag() != ValueTag::Null) throw StreamError::Format();
}

} // namespace vantorel
