#pragma once

#include <juce_core/juce_core.h>

namespace midi
{
/** An open file descriptor for one direction of a byte stream, closed with
    the object.

    FIFOs are opened for reading and writing in both directions. Linux permits
    that, and it is what makes the stream safe to open in any order: a FIFO
    opened write-only blocks until a reader comes (or, non-blocking, fails
    with ENXIO), and one opened read-only reports end-of-file again and again
    while no writer is connected, which would keep a poll() loop spinning.
    Holding both ends ourselves also means a peer that goes away and comes back
    is simply picked up again, and writes never raise SIGPIPE. The price is
    that output written while no reader is there waits in the pipe, and once
    the pipe is full send() waits for a reader.

    Other files are opened in the one direction they are used in, so that a
    raw-MIDI device's input and output can be held by separate connections.
    An output path that does not exist is created as a regular file; existing
    regular files are appended to, never truncated.
*/
class ByteStreamDescriptor final
{
public:
    ByteStreamDescriptor() = default;
    ~ByteStreamDescriptor();

    ByteStreamDescriptor (ByteStreamDescriptor&& other) noexcept;
    ByteStreamDescriptor& operator= (ByteStreamDescriptor&& other) noexcept;

    /** Returns an invalid descriptor and sets errorMessage on failure. */
    static ByteStreamDescriptor openForReading (const juce::String& path, juce::String& errorMessage);
    static ByteStreamDescriptor openForWriting (const juce::String& path, juce::String& errorMessage);

    bool isValid() const noexcept { return descriptor >= 0; }
    int get() const noexcept { return descriptor; }

private:
    explicit ByteStreamDescriptor (int fd) noexcept
        : descriptor (fd)
    {
    }

    static ByteStreamDescriptor open (const juce::String& path, bool forWriting, juce::String& errorMessage);

    int descriptor = -1;

    JUCE_DECLARE_NON_COPYABLE (ByteStreamDescriptor)
};
} // namespace midi
