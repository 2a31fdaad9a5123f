#pragma once
// The fuzzer's bytes as a sequence of small choices. An exhausted input answers zeros, so
// every input, however short, describes one complete run.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace vantorel::fuzz {

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool Empty() const { return at_ >= size_; }
    size_t Remaining() const { return size_ - at_; }

    uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    // A value in 0 .. range - 1 taken from one byte (0 when range is 0).
    int Below(int range) { return range > 0 ? Byte() % range : 0; }
    int8_t SignedByte() { return static_cast<int8_t>(Byte()); }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

// A broken promise of the engine: reported as a crash, so that libFuzzer keeps the input.
[[noreturn]] inline void Fail(const char* what) {
    std::fprintf(stderr, "vantorel fuzz: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

inline void Expect(bool condition, const char* what) {
    if (!condition) Fail(what);
}

} // namespace vantorel::fuzz
