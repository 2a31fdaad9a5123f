#pragma once
// The transposition table: bounds of searched positions with the lines that produced
// them, 65004 slots addressed by a hash of the board and the reserves, three probes per
// position and least-recently-used replacement among them.
//
// Slots are preallocated and hold their element in place, so the search never allocates;
// the keys sit in an array of their own so that a probe touches one small record.
#include "PointSet.h"
#include "TRules.h"
#include "TSearchLine.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace vantorel {

// The position a table entry stands for: board and reserves, not the side to move.
struct TTableKey {
    PointSet Pieces[2] = {0, 0};
    int8_t WhiteReserve = 0;
    int8_t BlackReserve = 0;

    static TTableKey Of(const TPly& ply) {
        return {{ply.Pieces[0], ply.Pieces[1]}, ply.Reserve[0], ply.Reserve[1]};
    }
    bool operator==(const TTableKey&) const = default;
};

struct TElement {
    TSearchLine Lower = TSearchLine::WithScore(-kInfinity);
    TSearchLine Upper = TSearchLine::WithScore(kInfinity);
};

class THashTable {
public:
    static constexpr int kSlots = 65004;
    static constexpr int kModulus = 65003;
    using TickSource = uint32_t (*)();

    // `pointCount` is the board's; the hash reads the board as its string of 'L', 'B', 'N'.
    explicit THashTable(int pointCount, TickSource tick = nullptr);

    // Replaces the millisecond clock of the stamps (tests and benchmarks make it repeatable).
    void SetTickSource(TickSource tick);

    void Clear();
    // The slot of the stored position, its stamp refreshed; -1 when absent.
    int Lookup(const TTableKey& key);
    // Files a fresh element for `key` (default bounds, stamped now) and returns its slot.
    int Store(const TTableKey& key) { return Store(key, Hash(key)); }
    int Store(const TTableKey& key, int32_t hash);
    // True while `slot` still holds `key`: a slot found earlier may have been given to
    // another position since.
    bool Holds(int slot, const TTableKey& key) const {
        return slot >= 0 && keys_[static_cast<size_t>(slot)].Used &&
               keys_[static_cast<size_t>(slot)].Key == key;
    }
    TElement& Element(int slot) { return elements_[static_cast<size_t>(slot)]; }
    uint32_t LastUsed(int slot) const { return keys_[static_cast<size_t>(slot)].LastUsed; }
    int Count() const { return count_; }

    // The hash of probe 1 (before normalisation), as the board string would give it.
    int32_t Hash(const TTableKey& key) const {
        return FinishHash(BoardHash(key.Pieces), key.WhiteReserve, key.BlackReserve);
    }
    // The board's share of the hash, 0..kModulus - 1; a move changes it point by point.
    int32_t BoardHash(const PointSet pieces[2]) const;
    int32_t PieceHash(int side, int point) const {
        return (side == 0 ? whiteDelta_ : blackDelta_)[static_cast<size_t>(point)];
    }
    static int32_t FinishHash(int32_t boardHash, int8_t whiteReserve, int8_t blackReserve) {
        // Signed arithmetic as the byte walk does it: a negative reserve gives a negative h.
        int32_t h = (boardHash * 256 + whiteReserve) % kModulus;
        return (h * 256 + blackReserve) % kModulus;
    }
    // Brings the first probe's key record towards the cache ahead of its lookup.
    void Prefetch(int32_t hash) const {
        __builtin_prefetch(&keys_[static_cast<size_t>(ProbeSlot(hash, 1))]);
    }
    int Lookup(const TTableKey& key, int32_t hash);
    // Slot of probe k = 1, 2, 3 for a probe-1 hash h.
    static int ProbeSlot(int32_t h, int k);

private:
    struct KeySlot {
        TTableKey Key;
        uint32_t LastUsed = 0;
        bool Used = false;
    };

    int32_t hashBase_ = 0;              // every point empty
    std::vector<int32_t> whiteDelta_;   // change of the hash for a white piece on point p
    std::vector<int32_t> blackDelta_;
    std::vector<KeySlot> keys_;
    std::unique_ptr<TElement[]> elements_;
    int count_ = 0;
    TickSource tick_;
};

} // namespace vantorel
