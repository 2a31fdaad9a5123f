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

// A fixed array in memory of its own, asked for in large pages where the system offers them:
// the table is probed at random across 20 MB, so small pages cost a page walk per probe.
template <typename T> class TLargePageArray {
public:
    explicit TLargePageArray(size_t count);
    ~TLargePageArray();
    TLargePageArray(const TLargePageArray&) = delete;
    TLargePageArray& operator=(const TLargePageArray&) = delete;

    T& operator[](size_t i) { return data_[i]; }
    const T& operator[](size_t i) const { return data_[i]; }

private:
    T* data_ = nullptr;
    size_t count_ = 0;
};

// The position a table entry stands for: board, reserves and the side that moved last
// (the same board with the other side to move is another position).
struct TTableKey {
    PointSet Pieces[2] = {0, 0};
    int8_t WhiteReserve = 0;
    int8_t BlackReserve = 0;
    int8_t Mover = 0;

    static TTableKey Of(const TPly& ply) {
        return {{ply.Pieces[0], ply.Pieces[1]}, ply.Reserve[0], ply.Reserve[1], ply.Mover};
    }
    bool operator==(const TTableKey&) const = default;
};

// A bound is only as good as the depth it was searched to: each carries its draft (the
// plies searched below the position, -1 for none) and the ply it was stored at, since
// its line names moves by ply and its win scores count plies from the root.
struct TElement {
    TSearchLine Lower = TSearchLine::WithScore(-kInfinity);
    TSearchLine Upper = TSearchLine::WithScore(kInfinity);
    int8_t LowerDraft = -1;
    int8_t UpperDraft = -1;
    int8_t LowerPly = 0;
    int8_t UpperPly = 0;
    // The move chosen here last time, tried first whatever the draft.
    TMove BestMove = NoMove;
};

// What a probe reads first: kept apart from the bounds so that it touches one small record.
struct TTableKeySlot {
    TTableKey Key;
    uint32_t LastUsed = 0;
    bool Used = false;
};

class THashTable {
public:
    static constexpr int kSlots = 65004;
    static constexpr int kModulus = 65003;
    using TickSource = uint32_t (*)();

    // `pointCount` is the board's; the hash reads the board as its string of 'L', 'B', 'N'.
    explicit THashTable(int pointCount, TickSource tick = nullptr);

    // Replaces the stamps, by default a count of the table's accesses, so that a seeded
    // search replaces the same elements on every run.
    void SetTickSource(TickSource tick);
    // What the stored bounds mean depends on the side the search scores for, the
    // evaluation mode and the live reserves; a search in another context empties the table.
    void UseContext(uint32_t context) {
        if (context != context_) Clear();
        context_ = context;
    }

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
        return FinishHash(BoardHash(key.Pieces), key.WhiteReserve, key.BlackReserve, key.Mover);
    }
    // The board's share of the hash, 0..kModulus - 1; a move changes it point by point.
    int32_t BoardHash(const PointSet pieces[2]) const;
    int32_t PieceHash(int side, int point) const {
        return (side == 0 ? whiteDelta_ : blackDelta_)[static_cast<size_t>(point)];
    }
    // The board string, the reserves and the mover walked as bytes of one number.
    static int32_t FinishHash(int32_t boardHash, int8_t whiteReserve, int8_t blackReserve,
                              int8_t mover) {
        // Signed arithmetic as the byte walk does it: a negative reserve gives a negative h.
        int32_t h = (boardHash * 256 + whiteReserve) % kModulus;
        h = (h * 256 + blackReserve) % kModulus;
        return (h * 256 + mover) % kModulus;
    }
    // Brings the first probe's key record towards the cache ahead of its lookup.
    void Prefetch(int32_t hash) const {
        __builtin_prefetch(&keys_[static_cast<size_t>(ProbeSlot(hash, 1))]);
    }
    int Lookup(const TTableKey& key, int32_t hash);
    // Slot of probe k = 1, 2, 3 for a probe-1 hash h.
    static int ProbeSlot(int32_t h, int k);

private:
    using KeySlot = TTableKeySlot;

    int32_t hashBase_ = 0;            // every point empty
    std::vector<int32_t> whiteDelta_; // change of the hash for a white piece on point p
    std::vector<int32_t> blackDelta_;
    TLargePageArray<KeySlot> keys_;
    TLargePageArray<TElement> elements_;
    int count_ = 0;
    TickSource tick_;
    uint32_t accesses_ = 0;
    uint32_t context_ = 0;

    uint32_t Stamp() { return tick_ ? tick_() : ++accesses_; }
};

} // namespace vantorel
