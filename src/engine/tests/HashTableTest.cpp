// The transposition table: the hash must be the byte walk over the board string and the
// reserves, probes must land on real slots, and storing, replacing and evicting must keep
// one element per position and give up the least recently used one first.
#include "engine/THashTable.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

using namespace vantorel;

namespace {

// Clocks for the stamps: one the test sets by hand, one that moves on at every read.
uint32_t manualNow = 0;
uint32_t ManualTick() {
    return manualNow;
}
uint32_t CountingTick() {
    return ++manualNow;
}

TTableKey KeyOf(const std::string& board, int whiteReserve, int blackReserve) {
    TTableKey key;
    for (size_t p = 0; p < board.size(); ++p) {
        if (board[p] == 'B') key.Pieces[0] |= PointSet{1} << p;
        if (board[p] == 'N') key.Pieces[1] |= PointSet{1} << p;
    }
    key.WhiteReserve = static_cast<int8_t>(whiteReserve);
    key.BlackReserve = static_cast<int8_t>(blackReserve);
    return key;
}

// The hash as the board string reads: each byte shifted in base 256 modulo 65003, then
// the two reserves as signed bytes and the mover, in signed 32-bit arithmetic.
int32_t WalkHash(const std::string& board, int8_t whiteReserve, int8_t blackReserve, int8_t mover) {
    int32_t h = 0;
    for (const char c : board)
        h = (h * 256 + static_cast<unsigned char>(c)) % 65003;
    h = (h * 256 + whiteReserve) % 65003;
    h = (h * 256 + blackReserve) % 65003;
    h = (h * 256 + mover) % 65003;
    return h;
}

std::string RandomBoard(std::mt19937& rng, int points) {
    std::string board(static_cast<size_t>(points), 'L');
    const unsigned fill = rng() % 4;
    for (char& c : board)
        if (rng() % 4 < fill) c = rng() % 2 ? 'B' : 'N';
    return board;
}

// Four different positions of 24 points with one probe-1 hash h, 1 < h < 65002, so that
// their probes are h, h + 1 and h - 1 and all four compete for the same three slots.
std::vector<TTableKey> FourCollidingKeys(const THashTable& table) {
    std::mt19937 rng(1234);
    std::map<int32_t, std::vector<TTableKey>> byHash;
    for (;;) {
        const TTableKey key =
            KeyOf(RandomBoard(rng, 24), static_cast<int>(rng() % 10), static_cast<int>(rng() % 10));
        const int32_t h = table.Hash(key);
        if (h <= 1 || h >= THashTable::kModulus - 1) continue;
        auto& bucket = byHash[h];
        bool known = false;
        for (const auto& other : bucket)
            known = known || other == key;
        if (known) continue;
        bucket.push_back(key);
        if (bucket.size() == 4) return bucket;
    }
}

} // namespace

TEST(HashTable, HashIsTheByteWalkOverBoardAndReserves) {
    std::mt19937 rng(31337);
    for (int points : {1, 9, 24, 64, 65, 100, 128}) {
        THashTable table(points);
        for (int i = 0; i < 400; ++i) {
            const std::string board = RandomBoard(rng, points);
            // Reserves span the whole signed byte: a search may take a reserve below zero.
            const auto white = static_cast<int8_t>(static_cast<int>(rng() % 256) - 128);
            const auto black = static_cast<int8_t>(
                i % 3 == 0 ? static_cast<int>(rng() % 10) : static_cast<int>(rng() % 256) - 128);
            TTableKey key = KeyOf(board, white, black);
            key.Mover = static_cast<int8_t>(i % 2);
            ASSERT_EQ(table.Hash(key), WalkHash(board, white, black, key.Mover))
                << points << " points, board " << board << " reserves " << int(white) << "/"
                << int(black);
        }
    }
}

TEST(HashTable, ProbeSlotsNormaliseIntoTheTable) {
    const struct {
        const char* fault;
        int32_t h;
        int probe;
        int slot;
    } cases[] = {
        {"probe 1 is the hash itself", 500, 1, 500},
        {"probe 2 is the next slot", 500, 2, 501},
        {"probe 3 is the previous slot", 500, 3, 499},
        {"probe 2 past the last slot wraps to 0", 65002, 2, 0},
        {"probe 3 of 0 goes two ahead", 0, 3, 2},
        {"probe 3 of 1 goes two ahead, not to 0", 1, 3, 3},
        {"probe 3 of 2 goes back to 1", 2, 3, 1},
        {"a negative hash takes its absolute value", -5, 1, 5},
        {"a negative probe 2 is made positive after adding one", -5, 2, 4},
        {"a negative probe 3 goes two ahead before the sign is dropped", -5, 3, 3},
        {"the most negative hash still lands inside", -65002, 2, 65001},
    };
    for (const auto& c : cases)
        EXPECT_EQ(THashTable::ProbeSlot(c.h, c.probe), c.slot) << c.fault;

    // Slot 65003 exists but is never addressed.
    for (int32_t h = -(THashTable::kModulus - 1); h < THashTable::kModulus; ++h)
        for (int k = 1; k <= 3; ++k) {
            const int slot = THashTable::ProbeSlot(h, k);
            ASSERT_GE(slot, 0) << h << " probe " << k;
            ASSERT_LT(slot, THashTable::kModulus) << h << " probe " << k;
        }
}

TEST(HashTable, StoringTheSamePositionAgainReplacesIt) {
    manualNow = 10;
    THashTable table(24, ManualTick);
    const TTableKey key = KeyOf(std::string(24, 'L'), 9, 9);
    const int slot = table.Store(key);
    table.Element(slot).Lower = TSearchLine::WithScore(123);
    manualNow = 20;
    EXPECT_EQ(table.Store(key), slot);
    EXPECT_EQ(table.Count(), 1);
    EXPECT_EQ(table.Element(slot).Lower.Score, -kInfinity) << "the new element starts fresh";
    EXPECT_EQ(table.Element(slot).Upper.Score, kInfinity);
    EXPECT_EQ(table.LastUsed(slot), 20u);
    EXPECT_EQ(table.Lookup(key), slot);
}

TEST(HashTable, LookupFindsWhatWasStoredAndRefreshesItsStamp) {
    manualNow = 100;
    THashTable table(24, ManualTick);
    const TTableKey key = KeyOf("BNLLLLLLLLLLLLLLLLLLLLLB", 7, 8);
    const int slot = table.Store(key);
    EXPECT_EQ(slot, THashTable::ProbeSlot(table.Hash(key), 1));
    table.Element(slot).Upper = TSearchLine::WithScore(-55);
    manualNow = 250;
    ASSERT_EQ(table.Lookup(key), slot);
    EXPECT_EQ(table.Element(slot).Upper.Score, -55);
    EXPECT_EQ(table.LastUsed(slot), 250u);
    EXPECT_TRUE(table.Holds(slot, key));

    const struct {
        const char* fault;
        TTableKey other;
    } strangers[] = {
        {"the white reserve is part of the position", KeyOf("BNLLLLLLLLLLLLLLLLLLLLLB", 6, 8)},
        {"the black reserve is part of the position", KeyOf("BNLLLLLLLLLLLLLLLLLLLLLB", 7, 9)},
        {"colours are part of the position", KeyOf("NBLLLLLLLLLLLLLLLLLLLLLB", 7, 8)},
    };
    for (const auto& s : strangers) {
        EXPECT_EQ(table.Lookup(s.other), -1) << s.fault;
        EXPECT_FALSE(table.Holds(slot, s.other)) << s.fault;
    }
}

TEST(HashTable, CollidingPositionsUseTheNextProbesAndEvictTheLeastRecentlyUsed) {
    manualNow = 0;
    THashTable table(24, CountingTick);
    const std::vector<TTableKey> keys = FourCollidingKeys(table);
    const int32_t h = table.Hash(keys[0]);

    // The first three fill probes 1, 2 and 3 in turn.
    EXPECT_EQ(table.Store(keys[0]), h);
    EXPECT_EQ(table.Lookup(keys[1]), -1) << "a stranger at probe 1 is no answer";
    EXPECT_EQ(table.Store(keys[1]), h + 1);
    EXPECT_EQ(table.Store(keys[2]), h - 1);
    EXPECT_EQ(table.Lookup(keys[3]), -1) << "three strangers: not found";
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(table.Lookup(keys[static_cast<size_t>(i)]), THashTable::ProbeSlot(h, i + 1));

    // Refresh the first and the third: the second is now the least recently used.
    table.Lookup(keys[0]);
    table.Lookup(keys[2]);
    EXPECT_EQ(table.Store(keys[3]), h + 1);
    EXPECT_EQ(table.Count(), 3);
    EXPECT_EQ(table.Lookup(keys[1]), -1) << "the evicted position is gone";
    EXPECT_FALSE(table.Holds(h + 1, keys[1]));
    EXPECT_EQ(table.Lookup(keys[0]), h);
    EXPECT_EQ(table.Lookup(keys[2]), h - 1);
    EXPECT_EQ(table.Lookup(keys[3]), h + 1);

    // Refresh the first and the fourth: the occupant of probe 3 is now the oldest.
    table.Lookup(keys[0]);
    table.Lookup(keys[3]);
    EXPECT_EQ(table.Store(keys[1]), h - 1) << "the third probe's occupant was least recent";
}

TEST(HashTable, EqualStampsEvictTheEarlierProbe) {
    manualNow = 5;
    THashTable table(24, ManualTick);
    const std::vector<TTableKey> keys = FourCollidingKeys(table);
    const int32_t h = table.Hash(keys[0]);
    for (int i = 0; i < 3; ++i)
        table.Store(keys[static_cast<size_t>(i)]);
    EXPECT_EQ(table.Store(keys[3]), h);
    EXPECT_EQ(table.Lookup(keys[0]), -1);
    EXPECT_EQ(table.Lookup(keys[1]), h + 1);
}

TEST(HashTable, StoringAgainAtALaterProbeKeepsOneCopy) {
    manualNow = 0;
    THashTable table(24, CountingTick);
    const std::vector<TTableKey> keys = FourCollidingKeys(table);
    const int32_t h = table.Hash(keys[0]);
    table.Store(keys[0]);
    table.Store(keys[1]);
    // The second position sits at probe 2; storing it again must find it there rather than
    // take probe 3 and leave two copies.
    EXPECT_EQ(table.Store(keys[1]), h + 1);
    EXPECT_EQ(table.Count(), 2);
    EXPECT_EQ(table.Store(keys[2]), h - 1);
}

TEST(HashTable, ClearEmptiesEverySlot) {
    manualNow = 0;
    THashTable table(24, CountingTick);
    table.Clear();
    EXPECT_EQ(table.Count(), 0) << "clearing an empty table does nothing";
    std::mt19937 rng(8);
    std::vector<TTableKey> stored;
    for (int i = 0; i < 500; ++i) {
        stored.push_back(KeyOf(RandomBoard(rng, 24), static_cast<int>(rng() % 10), 3));
        const int slot = table.Store(stored.back());
        table.Element(slot).Lower = TSearchLine::WithScore(i);
    }
    ASSERT_GT(table.Count(), 0);
    table.Clear();
    EXPECT_EQ(table.Count(), 0);
    for (const auto& key : stored)
        ASSERT_EQ(table.Lookup(key), -1);
    // A slot used again after Clear starts with default bounds.
    const int slot = table.Store(stored.front());
    EXPECT_EQ(table.Element(slot).Lower.Score, -kInfinity);
    EXPECT_EQ(table.Element(slot).Upper.Score, kInfinity);
}

TEST(HashTable, TheSideToMoveIsPartOfThePosition) {
    // The same board with the other side to move has another value: sharing one element
    // answered positions with bounds of their mirror.
    TPly whiteToMove;
    whiteToMove.Pieces[0] = PointSet{0b101};
    whiteToMove.Pieces[1] = PointSet{0b1000};
    whiteToMove.Reserve[0] = 4;
    whiteToMove.Reserve[1] = 5;
    whiteToMove.Mover = kBlack;
    TPly blackToMove = whiteToMove;
    blackToMove.Mover = kWhite;
    blackToMove.PlyMove = {-1, 3, -2};

    THashTable table(24);
    const int slot = table.Store(TTableKey::Of(whiteToMove));
    EXPECT_EQ(table.Lookup(TTableKey::Of(blackToMove)), -1);
    EXPECT_EQ(table.Lookup(TTableKey::Of(whiteToMove)), slot);
    EXPECT_NE(table.Store(TTableKey::Of(blackToMove)), slot);
    EXPECT_EQ(table.Count(), 2);
}
