#pragma once

#include <juce_core/juce_core.h>

namespace application
{
/** An exclusive lock on a file that ends with the process holding it, however
    that process ends.

    It is an flock() on the file, which belongs to the open file rather than to
    the process: a second lock on the same file fails inside one process too.
    The file itself stays when the lock is released. Deleting it would let a
    newcomer lock a fresh file of the same name while an older process still
    holds the deleted one, and both would believe they were alone.
*/
class InstanceLock final
{
public:
    enum class Result
    {
        acquired,
        heldElsewhere,
        unavailable ///< the file could not be opened or locked for another reason
    };

    InstanceLock() = default;
    ~InstanceLock();

    /** Tries once, without waiting; the file is created when missing. */
    Result tryToAcquire (const juce::File& file);

    bool isHeld() const noexcept { return descriptor >= 0; }

private:
    int descriptor = -1;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (InstanceLock)
};
} // namespace application
