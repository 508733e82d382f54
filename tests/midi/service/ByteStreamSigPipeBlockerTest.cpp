#include "midi/service/ByteStreamSigPipeBlocker.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <thread>
#include <unistd.h>

namespace
{
bool isSigPipePending()
{
    sigset_t pending;
    sigemptyset (&pending);
    sigpending (&pending);
    return sigismember (&pending, SIGPIPE) == 1;
}

TEST (ByteStreamSigPipeBlockerTest, WriteToAClosedPipeFailsWithEpipeAndLeavesNoSignalBehind)
{
    int ends[2];
    ASSERT_EQ (::pipe (ends), 0);
    ::close (ends[0]);

    // On a thread of its own so that the test runner's signal mask stays untouched.
    int writeErrno = 0;
    bool pendingAfterwards = true;

    std::thread (
        [&]
        {
            {
                midi::ByteStreamSigPipeBlocker blocker;
                const char byte = 0;

                if (::write (ends[1], &byte, 1) < 0)
                    writeErrno = errno;

                if (writeErrno == EPIPE)
                    blocker.noteBrokenPipe();
            }

            pendingAfterwards = isSigPipePending();
        })
        .join();

    ::close (ends[1]);

    EXPECT_EQ (writeErrno, EPIPE);
    EXPECT_FALSE (pendingAfterwards);
}
} // namespace
