#pragma once

#include <functional>

/** Runs the message loop on the message thread until a condition holds.

    Between messages the thread sleeps in the loop's own wait, so nothing
    spins while it waits. Only a delivered message can make the condition true:
    check conditions that depend on asynchronous notifications, not on other
    threads' state alone.
*/
class MessageLoopRunner final
{
public:
    MessageLoopRunner() = delete;

    static void runUntil (const std::function<bool()>& isDone);
};
