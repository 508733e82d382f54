#pragma once

#include <juce_events/juce_events.h>

#include <functional>

namespace test
{
/** Runs the message loop until every message posted before this call has been
    delivered, so that pending asynchronous updates have run when it returns.

    It posts a marker message and dispatches until the marker arrives, a few
    times over so that notifications posted while delivering others arrive
    too; the upper bound only keeps a broken loop from hanging the suite.
*/
bool deliverPendingMessages();

/** Runs the message loop until isDone() holds or timeoutMilliseconds pass;
    returns whether it holds. For outcomes that arrive through asynchronous
    notifications from other threads.
*/
bool runMessageLoopUntil (const std::function<bool()>& isDone, int timeoutMilliseconds = 10000);
} // namespace test
