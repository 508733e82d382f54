#include "base/MessageLoopRunner.h"

#include <juce_events/juce_events.h>

namespace juce
{
// The message loop's own dispatcher (juce_events, Linux): dispatches one
// message, sleeping until there is one. MessageManager only offers loops that
// either poll every millisecond or end for good on stopDispatchLoop().
bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages);
} // namespace juce

void MessageLoopRunner::runUntil (const std::function<bool()>& isDone)
{
    jassert (juce::MessageManager::getInstance()->isThisTheMessageThread());

    while (! isDone())
        juce::dispatchNextMessageOnSystemQueue (false);
}
