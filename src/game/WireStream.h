#pragma once
// Cutting a TCP byte stream into protocol messages. The framing has no length and no end
// mark: a message ends where the next prefix starts. TCP may split a message over several
// reads or join several in one, so the tail of what arrived is kept until the next prefix
// shows it complete, or until it is complete by its own form (a checksummed body that ends
// with its section sign, the fixed fields of DICE and NULR, the empty NULL). A chat line,
// which has no form, waits for the next message or for the quiet moment the owner reports
// with Flush; an unknown command waits for the next message. Each message comes out exactly
// once, whatever the cuts.
//
// Everything here is wire bytes (Windows-1252); the caller turns a message into text.
#include <cstddef>
#include <string>
#include <vector>

namespace vantorel {

// The longest message of each kind a peer may send; a tail past it is a flood.
inline constexpr size_t kMaxStateMessage = size_t{4} << 20;   // ETAT: a full history is < 2 MB
inline constexpr size_t kMaxModelMessage = size_t{256} << 10; // INFO: 200 points, 1000 links
inline constexpr size_t kMaxChatMessage = 4096;
inline constexpr size_t kMaxShortMessage = 256; // NULL, NULR, DICE, STAT, unknown commands

class TWireStream {
public:
    // Appends what one read brought and returns the messages it completed, in order.
    // False in `overflow` when the kept tail grew past what its kind may hold: the
    // connection is then to be dropped (the kept bytes are discarded).
    std::vector<std::string> Feed(const std::string& bytes, bool& overflow);
    // The peer has gone quiet: a kept chat line is taken as it is. Any other kind waits on,
    // since a half state would only fail its checksum.
    std::vector<std::string> Flush();
    // The connection is gone: whatever was kept is dropped.
    void Reset();
    size_t Pending() const { return buffer_.size(); }

private:
    size_t FormLength();
    // The kept bytes start a new message: what was learnt of the old one goes.
    void RestartTail();

    std::string buffer_;
    // A tail that keeps growing costs each byte once: the payload checksum is summed as
    // bytes arrive, and the next prefix is looked for only among bytes not searched yet.
    size_t summedUpTo_ = 0;
    long long sum_ = 0;
    long long expected_ = -1;
    size_t nextSearch_ = 0;
};

// The longest a message of that command may be.
size_t MessageLimit(const std::string& command);

} // namespace vantorel
