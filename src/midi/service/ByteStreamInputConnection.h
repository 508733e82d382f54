#pragma once

#include "midi/service/ByteStreamDescriptor.h"
#include "midi/service/MidiInputConnection.h"
#include "midi/service/MidiInputHandler.h"
#include "midi/service/WakeUpEvent.h"

#include <thread>

namespace midi
{
/** Reads a byte stream on its own thread and hands every read() result to
    the handler as one block.

    The thread sleeps in poll() until bytes arrive or the connection is
    destroyed. At the end of the stream (a regular file read to its end, a
    device that hung up) it stops reading and only waits to be stopped, so the
    connection stays open without using the processor.
*/
class ByteStreamInputConnection final : public MidiInputConnection
{
public:
    /** Returns nullptr and sets errorMessage when the thread cannot be set up. */
    static std::unique_ptr<ByteStreamInputConnection>
    start (ByteStreamDescriptor descriptor, MidiInputHandler& handler, juce::String& errorMessage);

    /** Stops and joins the reader thread: the handler is not called after this. */
    ~ByteStreamInputConnection() override;

private:
    ByteStreamInputConnection (ByteStreamDescriptor descriptor, MidiInputHandler& handler);

    void run();

    /** Returns false once the stream has ended or failed. */
    bool readAvailableBytes();

    ByteStreamDescriptor input;
    MidiInputHandler& handler;
    WakeUpEvent stopEvent;
    std::thread thread;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ByteStreamInputConnection)
};
} // namespace midi
