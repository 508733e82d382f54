#include "support/MessageLoop.h"

#include <atomic>
#include <memory>

namespace test
{
bool deliverPendingMessages()
{
    auto delivered = std::make_shared<std::atomic<bool>> (false);
    juce::MessageManager::callAsync ([delivered] { delivered->store (true); });

    const auto deadline = juce::Time::getMillisecondCounter() + 10000;
    auto* messageManager = juce::MessageManager::getInstance();
    while (! delivered->load() && juce::Time::getMillisecondCounter() < deadline)
        messageManager->runDispatchLoopUntil (5);

    return delivered->load();
}
} // namespace test
