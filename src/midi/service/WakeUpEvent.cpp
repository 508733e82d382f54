#include "midi/service/WakeUpEvent.h"

#include <cerrno>
#include <cstring>
#include <sys/eventfd.h>
#include <unistd.h>

namespace midi
{
WakeUpEvent::WakeUpEvent() noexcept
    : descriptor (::eventfd (0, EFD_CLOEXEC | EFD_NONBLOCK))
{
    if (descriptor < 0)
        creationError = "cannot create a wake-up event: " + juce::String (std::strerror (errno));
}

WakeUpEvent::~WakeUpEvent()
{
    if (descriptor >= 0)
        ::close (descriptor);
}

void WakeUpEvent::signal() noexcept
{
    const uint64_t one = 1;

    // The counter only saturates after 2^64 - 2 signals; EAGAIN would still
    // leave it readable, which is all the waiting thread needs.
    while (::write (descriptor, &one, sizeof (one)) < 0 && errno == EINTR)
    {
    }
}
} // namespace midi
