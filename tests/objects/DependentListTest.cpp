// The dependents of an object keep the order they came in whatever order they leave in, and a
// repeated dependent leaves once per removal.
#include "objects/DependentList.h"

#include <gtest/gtest.h>

#include <array>
#include <numeric>
#include <random>

namespace velmora {
namespace {

    // Stand-ins for objects: only their addresses are compared.
    std::array<char, 64> objects {};
    tmultiobject* object(size_t index) { return reinterpret_cast<tmultiobject*>(&objects[index]); }

    TEST(DependentList, OrderSurvivesRemovalsInAnyOrder)
    {
        std::mt19937 random(7);
        for (int round = 0; round < 200; ++round) {
            DependentList list;
            std::vector<tmultiobject*> expected;
            std::vector<size_t> leaving(objects.size());
            std::iota(leaving.begin(), leaving.end(), 0);
            for (size_t index : leaving) {
                list.add(object(index));
                expected.push_back(object(index));
            }
            // First in order of coming, then in reverse, then at random.
            if (round % 3 == 1)
                std::reverse(leaving.begin(), leaving.end());
            else if (round % 3 == 2)
                std::shuffle(leaving.begin(), leaving.end(), random);
            for (size_t index : leaving) {
                list.remove(object(index));
                std::erase(expected, object(index));
                ASSERT_EQ(list.snapshot(), expected) << round;
                ASSERT_EQ(list.empty(), expected.empty());
                if (!expected.empty()) {
                    ASSERT_EQ(list.last(), expected.back());
                }
            }
        }
    }

    TEST(DependentList, ARepeatedDependentLeavesOncePerRemoval)
    {
        DependentList list;
        for (size_t index : { 0, 1, 0, 2 })
            list.add(object(index));
        list.remove(object(3));
        list.remove(object(0));
        ASSERT_EQ(list.snapshot().size(), 3u);
        EXPECT_TRUE(list.any([](tmultiobject* dependent) { return dependent == object(0); }));
        list.remove(object(0));
        EXPECT_EQ(list.snapshot(), (std::vector<tmultiobject*> { object(1), object(2) }));
    }

} // namespace
} // namespace velmora
