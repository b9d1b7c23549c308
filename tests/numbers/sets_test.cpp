// Bit set with a walking cursor.
#include "sets.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

using Members = std::vector<std::int32_t>;

// All members in the order the cursor delivers them, starting from reset().
Members walk(sets& s) {
    Members out;
    s.reset();
    for (std::int32_t i = s.nextset(); i != -1 && out.size() <= std::size_t(s.size());
         i = s.nextset())
        out.push_back(i);
    return out;
}

TEST(Sets, LastBitOfAWordAndOfTheSet) {
    sets s(32);
    s.set(31);
    s.reset();
    EXPECT_EQ(s.nextset(), 31);
    EXPECT_EQ(s.nextset(), -1);
    EXPECT_EQ(s.nextset(), -1) << "the cursor stays at the end";

    sets t(40);
    for (std::int32_t outside : {40, -1, 64})
        t.set(outside);
    EXPECT_EQ(t.count(), 0);
    EXPECT_FALSE(t.test(40));
    t.set(39);
    EXPECT_TRUE(t.test(39));
    EXPECT_EQ(walk(t), Members{39});
}

TEST(Sets, CopyIsIndependent) {
    sets a(50);
    a.set(3);
    sets b = a;
    b.set(47);
    a.set(10);
    EXPECT_EQ(walk(a), (Members{3, 10}));
    EXPECT_EQ(walk(b), (Members{3, 47}));
    sets c(5);
    c = a;
    a.clearall();
    EXPECT_EQ(c.size(), 50);
    EXPECT_EQ(walk(c), (Members{3, 10}));
}

TEST(Sets, WalkMatchesStdSetOnRandomData) {
    std::mt19937 rng(1234);
    for (std::int32_t size = 1; size <= 200; ++size) {
        for (std::uint32_t density : {2u, 10u, 50u, 95u}) {
            SCOPED_TRACE("size " + std::to_string(size) + " density " + std::to_string(density));
            sets s(size);
            std::set<std::int32_t> ref;
            for (std::int32_t i = 0; i < size; ++i) {
                if (rng() % 100 < density) {
                    s.set(i);
                    ref.insert(i);
                }
            }
            EXPECT_EQ(s.count(), std::int32_t(ref.size()));
            EXPECT_EQ(walk(s), Members(ref.begin(), ref.end()));
            for (std::int32_t i = -1; i <= size; ++i)
                ASSERT_EQ(s.test(i), ref.count(i) == 1) << i;
        }
    }
}

} // namespace
