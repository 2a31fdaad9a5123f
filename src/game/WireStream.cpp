// The stream reassembly: messages out of reads cut anywhere.
#include "WireStream.h"

#include "Protocol.h"

#include "engine/Tmodele.h"

#include <algorithm>
#include <string_view>

namespace vantorel {
namespace {

constexpr std::string_view kPrefix = kWirePrefix;

} // namespace

size_t MessageLimit(const std::string& command) {
    if (command == "ETAT") return kMaxStateMessage;
    if (command == "INFO") return kMaxModelMessage;
    if (command == "CHAT") return kMaxChatMessage;
    return kMaxShortMessage;
}

// How long the whole message at the front of the kept tail is, when it is whole by its own
// form; 0 when it is not (yet). The earliest point where the form is whole is taken, so
// that where TCP cut the stream never matters; bytes after it up to the next prefix are
// nobody's.
size_t TWireStream::FormLength() {
    const std::string_view message = buffer_;
    const std::string_view command = message.substr(kWirePrefixLength, 4);
    const std::string_view body = message.substr(kMinimumMessageLength);
    const auto afterFields = [&](int count) -> size_t {
        size_t at = 0;
        for (int field = 0; field < count; ++field) {
            at = body.find(';', at);
            if (at == std::string_view::npos) return 0;
            ++at;
        }
        return kMinimumMessageLength + at;
    };
    if (command == "NULL") return kMinimumMessageLength;
    if (command == "DICE") return afterFields(5);
    if (command == "NULR") return afterFields(2);
    // A chat line, or a command nobody knows: only the next prefix ends it.
    if (command != "STAT" && command != "ETAT" && command != "INFO") return 0;
    // A checksummed body: the checksum field, then the payload it covers, which ends with
    // the section sign and a space.
    const size_t semicolon = body.find(';');
    if (semicolon == std::string_view::npos) return 0;
    const size_t payload = kMinimumMessageLength + semicolon + 1;
    if (summedUpTo_ < payload) {
        std::string field(body.substr(0, semicolon + 1));
        expected_ = TakeNumber(field);
        summedUpTo_ = payload;
        sum_ = 0;
    }
    // The same sum as Tmodele::TextChecksum, over the bytes as they come; the section sign
    // and the space are outside the letters it counts.
    for (; summedUpTo_ < buffer_.size(); ++summedUpTo_) {
        const long long c = static_cast<unsigned char>(buffer_[summedUpTo_]);
        const long long position = static_cast<long long>(summedUpTo_ - payload) + 2;
        if (c >= 48 && c <= 122) sum_ = (sum_ * 256 + c * position) % 65521;
        if (c == ' ' && summedUpTo_ > payload &&
            static_cast<unsigned char>(buffer_[summedUpTo_ - 1]) == 0xA7 && sum_ == expected_)
            return summedUpTo_ + 1;
    }
    return 0;
}

std::vector<std::string> TWireStream::Feed(const std::string& bytes, bool& overflow) {
    overflow = false;
    // Where the next prefix may start that was not looked for yet.
    const size_t fresh =
        buffer_.size() >= kWirePrefixLength ? buffer_.size() - kWirePrefixLength + 1 : 0;
    buffer_ += bytes;
    nextSearch_ = std::min(nextSearch_, fresh);
    std::vector<std::string> messages;
    for (;;) {
        // Bytes before a prefix belong to no message.
        const size_t first = buffer_.find(kPrefix);
        if (first == std::string::npos) {
            // Keep only what could still be the start of a prefix.
            const size_t keep = std::min(buffer_.size(), kWirePrefixLength - 1);
            buffer_.erase(0, buffer_.size() - keep);
            RestartTail();
            break;
        }
        if (first > 0) {
            buffer_.erase(0, first);
            RestartTail();
        }
        if (buffer_.size() < kMinimumMessageLength) break;
        const std::string command = buffer_.substr(kWirePrefixLength, 4);
        size_t length = FormLength();
        // A message never holds the prefix: one that lies whole inside the form ends the
        // message there, as it would have had the form been incomplete when it arrived.
        if (length > 0) {
            const size_t inside = buffer_.find(kPrefix, kMinimumMessageLength - 1);
            if (inside != std::string::npos && inside + kWirePrefixLength <= length)
                length = inside;
        }
        if (length == 0) {
            const size_t from = std::max(nextSearch_, kMinimumMessageLength - 1);
            const size_t next = buffer_.find(kPrefix, from);
            if (next != std::string::npos)
                length = next;
            else
                nextSearch_ = std::max(from, buffer_.size() >= kWirePrefixLength
                                                 ? buffer_.size() - kWirePrefixLength + 1
                                                 : size_t{0});
        }
        if ((length == 0 ? buffer_.size() : length) > MessageLimit(command)) {
            Reset();
            overflow = true;
            break;
        }
        if (length == 0) break;
        messages.push_back(buffer_.substr(0, length));
        buffer_.erase(0, length);
        RestartTail();
    }
    return messages;
}

std::vector<std::string> TWireStream::Flush() {
    std::vector<std::string> messages;
    if (buffer_.size() >= kMinimumMessageLength && buffer_.starts_with(kPrefix) &&
        buffer_.compare(kWirePrefixLength, 4, "CHAT") == 0) {
        messages.push_back(std::move(buffer_));
        Reset();
    }
    return messages;
}

void TWireStream::Reset() {
    buffer_.clear();
    RestartTail();
}

void TWireStream::RestartTail() {
    summedUpTo_ = 0;
    sum_ = 0;
    expected_ = -1;
    nextSearch_ = 0;
}

} // namespace vantorel
