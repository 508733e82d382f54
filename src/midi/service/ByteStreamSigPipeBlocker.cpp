#include "midi/service/ByteStreamSigPipeBlocker.h"

#include <cerrno>
#include <pthread.h>

namespace midi
{
namespace
{
sigset_t sigPipeOnly() noexcept
{
    sigset_t set;
    sigemptyset (&set);
    sigaddset (&set, SIGPIPE);
    return set;
}
} // namespace

ByteStreamSigPipeBlocker::ByteStreamSigPipeBlocker() noexcept
{
    sigset_t pending;
    sigemptyset (&pending);
    sigpending (&pending);
    wasAlreadyPending = sigismember (&pending, SIGPIPE) == 1;

    const auto set = sigPipeOnly();
    pthread_sigmask (SIG_BLOCK, &set, &previousMask);
}

ByteStreamSigPipeBlocker::~ByteStreamSigPipeBlocker()
{
    // A signal that was pending before we started belongs to someone else.
    if (brokenPipe && ! wasAlreadyPending)
    {
        const auto set = sigPipeOnly();
        const timespec noWait{0, 0};

        while (sigtimedwait (&set, nullptr, &noWait) < 0 && errno == EINTR)
        {
        }
    }

    pthread_sigmask (SIG_SETMASK, &previousMask, nullptr);
}
} // namespace midi
