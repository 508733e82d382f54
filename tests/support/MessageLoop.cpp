#include "support/MessageLoop.h"

#include <atomic>
#include <memory>

namespace test
{
namespace
{
bool deliverMessagesPostedSoFar()
{
    auto delivered = std::make_shared<std::atomic<bool>> (false);
    juce::MessageManager::callAsync ([delivered] { delivered->store (true); });

    const auto deadline = juce::Time::getMillisecondCounter() + 10000;
    auto* messageManager = juce::MessageManager::getInstance();
    while (! delivered->load() && juce::Time::getMillisecondCounter() < deadline)
        messageManager->runDispatchLoopUntil (5);

    return delivered->load();
}
} // namespace

bool deliverPendingMessages()
{
    // Notifications chain: a change message of the undo history triggers a
    // broadcaster's update, which is posted while the first is delivered.
    constexpr int chainedRounds = 3;

    for (int round = 0; round < chainedRounds; ++round)
        if (! deliverMessagesPostedSoFar())
            return false;

    return true;
}
bool runMessageLoopUntil (const std::function<bool()>& isDone, int timeoutMilliseconds)
{
    const auto deadline =
        juce::Time::getMillisecondCounter() + static_cast<juce::uint32> (timeoutMilliseconds);
    auto* messageManager = juce::MessageManager::getInstance();

    while (! isDone() && juce::Time::getMillisecondCounter() < deadline)
        messageManager->runDispatchLoopUntil (5);

    return isDone();
}
} // namespace test
