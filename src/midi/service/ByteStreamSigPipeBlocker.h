#pragma once

#include <juce_core/juce_core.h>

#include <csignal>

namespace midi
{
/** Keeps a write to a stream whose reader has gone from killing the process.

    For its lifetime SIGPIPE is blocked in the calling thread only, so the
    write fails with EPIPE instead; a SIGPIPE that the write raised is taken
    off the thread's pending signals before the old mask is restored. Nothing
    process-wide changes, so the rest of the program keeps its own handling.
*/
class ByteStreamSigPipeBlocker final
{
public:
    ByteStreamSigPipeBlocker() noexcept;
    ~ByteStreamSigPipeBlocker();

    /** Call after a write failed with EPIPE. */
    void noteBrokenPipe() noexcept { brokenPipe = true; }

private:
    sigset_t previousMask;
    bool wasAlreadyPending = false;
    bool brokenPipe = false;

    JUCE_DECLARE_NON_COPYABLE (ByteStreamSigPipeBlocker)
};
} // namespace midi
