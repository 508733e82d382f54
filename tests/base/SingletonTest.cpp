#include "base/Singleton.h"

#include <gtest/gtest.h>

namespace
{
struct Counter final : public Singleton<Counter>
{
    Counter() { ++constructions; }
    static inline int constructions = 0;
};
} // namespace

TEST (Singleton, CreatesOnFirstCallAndForgetsTheInstanceWhenDeleted)
{
    EXPECT_EQ (Counter::getInstanceWithoutCreating(), nullptr);

    auto* first = Counter::getInstance();
    EXPECT_EQ (Counter::getInstance(), first);
    EXPECT_EQ (Counter::constructions, 1);

    delete first;
    EXPECT_EQ (Counter::getInstanceWithoutCreating(), nullptr);

    auto* second = Counter::getInstance();
    EXPECT_EQ (Counter::constructions, 2);
    delete second;
}
