#include "THashTable.h"

#include "Random.h"

#include <cstdlib>
#include <memory>
#include <new>
#ifdef __linux__
#include <sys/mman.h>
#endif

namespace vantorel {
namespace {

int32_t Positive(int64_t value) {
    const int64_t r = value % THashTable::kModulus;
    return static_cast<int32_t>(r < 0 ? r + THashTable::kModulus : r);
}

constexpr size_t kLargePage = size_t{2} << 20;

} // namespace

template <typename T> TLargePageArray<T>::TLargePageArray(size_t count) : count_(count) {
    const size_t bytes = (count * sizeof(T) + kLargePage - 1) / kLargePage * kLargePage;
    data_ = static_cast<T*>(std::aligned_alloc(kLargePage, bytes));
    if (!data_) throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    madvise(data_, bytes, MADV_HUGEPAGE); // a hint: refused, the table works all the same
#endif
    std::uninitialized_value_construct_n(data_, count);
}

template <typename T> TLargePageArray<T>::~TLargePageArray() {
    std::destroy_n(data_, count_);
    std::free(data_);
}

template class TLargePageArray<TTableKeySlot>;
template class TLargePageArray<TElement>;

THashTable::THashTable(int pointCount, TickSource tick)
    : keys_(kSlots), elements_(kSlots), tick_(tick) {
    // The board string is read as a number in base 256 modulo 65003, so each point
    // contributes its character times 256^(distance to the end).
    const auto n = static_cast<size_t>(pointCount);
    whiteDelta_.resize(n);
    blackDelta_.resize(n);
    int64_t weight = 1;
    int64_t base = 0;
    for (size_t i = n; i-- > 0;) {
        base += 'L' * weight;
        whiteDelta_[i] = Positive(('B' - 'L') * weight);
        blackDelta_[i] = Positive(('N' - 'L') * weight);
        weight = weight * 256 % kModulus;
    }
    hashBase_ = Positive(base);
}

void THashTable::SetTickSource(TickSource tick) {
    tick_ = tick;
}

void THashTable::Clear() {
    for (int slot = 0; slot < kSlots; ++slot) {
        if (!keys_[static_cast<size_t>(slot)].Used) continue;
        keys_[static_cast<size_t>(slot)].Used = false;
        elements_[static_cast<size_t>(slot)] = TElement{};
    }
    count_ = 0;
}

int32_t THashTable::BoardHash(const PointSet pieces[2]) const {
    int64_t board = hashBase_;
    ForEachPoint(pieces[0], [&](int p) { board += whiteDelta_[static_cast<size_t>(p)]; });
    ForEachPoint(pieces[1], [&](int p) { board += blackDelta_[static_cast<size_t>(p)]; });
    return static_cast<int32_t>(board % kModulus);
}

int THashTable::ProbeSlot(int32_t h, int k) {
    int32_t probe = h;
    if (k == 2) probe = h + 1;
    if (k == 3) probe = h > 1 ? h - 1 : h + 2;
    if (probe < 0) probe = -probe;
    if (probe >= kModulus) probe %= kModulus;
    return probe;
}

int THashTable::Lookup(const TTableKey& key) {
    return Lookup(key, Hash(key));
}

int THashTable::Lookup(const TTableKey& key, int32_t h) {
    for (int k = 1; k <= 3; ++k) {
        const int slot = ProbeSlot(h, k);
        KeySlot& stored = keys_[static_cast<size_t>(slot)];
        if (!stored.Used) return -1;
        if (stored.Key == key) {
            stored.LastUsed = Stamp();
            return slot;
        }
    }
    return -1;
}

int THashTable::Store(const TTableKey& key, int32_t h) {
    int victim = -1;
    uint32_t victimStamp = 0;
    for (int k = 1; k <= 3; ++k) {
        const int slot = ProbeSlot(h, k);
        if (!keys_[static_cast<size_t>(slot)].Used || keys_[static_cast<size_t>(slot)].Key == key) {
            victim = slot;
            break;
        }
        // The least recently used of the three; a tie keeps the earlier probe.
        const uint32_t stamp = keys_[static_cast<size_t>(slot)].LastUsed;
        if (victim < 0 || stamp < victimStamp) {
            victim = slot;
            victimStamp = stamp;
        }
    }
    const auto at = static_cast<size_t>(victim);
    if (!keys_[at].Used) ++count_;
    keys_[at].Used = true;
    keys_[at].Key = key;
    keys_[at].LastUsed = Stamp();
    elements_[at] = TElement{};
    return victim;
}

} // namespace vantorel
