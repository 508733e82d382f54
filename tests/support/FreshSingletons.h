#pragma once

#include "support/MessageLoop.h"

#include <gtest/gtest.h>

namespace test
{
/** A fixture that starts and ends every test with no process-wide objects,
    so that state never leaks from one test into the next.
*/
class FreshSingletons : public ::testing::Test
{
protected:
    void SetUp() override { juce::DeletedAtShutdown::deleteAll(); }

    void TearDown() override
    {
        deliverPendingMessages();
        juce::DeletedAtShutdown::deleteAll();
    }
};
} // namespace test
