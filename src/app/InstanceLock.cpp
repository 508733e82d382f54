#include "app/InstanceLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace application
{
InstanceLock::~InstanceLock()
{
    if (descriptor >= 0)
        ::close (descriptor);
}

InstanceLock::Result InstanceLock::tryToAcquire (const juce::File& file)
{
    if (isHeld())
        return Result::acquired;

    const int fd =
        ::open (file.getFullPathName().toRawUTF8(), O_RDWR | O_CREAT | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0)
        return Result::unavailable;

    if (::flock (fd, LOCK_EX | LOCK_NB) == 0)
    {
        descriptor = fd;
        return Result::acquired;
    }

    const bool held = errno == EWOULDBLOCK;
    ::close (fd);
    return held ? Result::heldElsewhere : Result::unavailable;
}
} // namespace application
