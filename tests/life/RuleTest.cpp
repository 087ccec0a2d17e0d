#include "life/Rule.h"

#include <gtest/gtest.h>

#include <vector>

struct RuleCase {
    const char* name;
    std::uint8_t own;
    std::vector<std::uint8_t> live; // the other neighbours are 0
    int threshold;
    std::uint8_t next;
    bool alive;
};

TEST(Rule, OneTableOfCases)
{
    const RuleCase cases[] = {
        {"three live neighbours give their xor", 0, {200, 150, 130}, 128, 220, true},
        {"xor may be dead", 0, {255, 254, 129}, 128, 128, false},
        {"two equal give the third", 0, {200, 200, 129}, 128, 129, true},
        {"three equal give the value", 0, {200, 200, 200}, 128, 200, true},
        {"two keep a dead value", 50, {200, 200}, 128, 50, false},
        {"two keep a live value", 200, {200, 200}, 128, 200, true},
        {"a living cell with three changes its value", 255, {200, 150, 130}, 128, 220, true},
        {"one dies", 200, {200}, 128, 0, false},
        {"none dies", 200, {}, 128, 0, false},
        {"four die", 200, {200, 200, 200, 200}, 128, 0, false},
        {"eight die", 200, {200, 200, 200, 200, 200, 200, 200, 200}, 128, 0, false},
        {"128 is dead and takes no part", 0, {200, 150, 128, 128}, 128, 0, false},
        {"128 is dead in a three", 0, {200, 150, 130, 128}, 128, 220, true},
        {"threshold 255: nothing lives", 0, {255, 255, 255}, 255, 0, false},
        {"threshold above 255", 9, {255, 255}, 300, 0, false},
        {"threshold 0: eight ones die", 7, {1, 1, 1, 1, 1, 1, 1, 1}, 0, 0, false},
        {"threshold 0: three ones", 0, {1, 1, 1}, 0, 1, true},
        {"negative threshold: zeros live too", 5, {}, -1, 0, true}, // eight live zeros
    };
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::uint8_t neighbours[8] = {};
        for (std::size_t i = 0; i < c.live.size(); ++i) neighbours[i] = c.live[i];
        const std::uint8_t next = NextValue(c.own, neighbours, c.threshold);
        EXPECT_EQ(next, c.next);
        EXPECT_EQ(Alive(next, c.threshold), c.alive);
    }
}
