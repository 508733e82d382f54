#pragma once

#include <juce_core/juce_core.h>

namespace midi
{
/** A descriptor that a thread blocked in poll() watches next to the ones it
    reads, so that another thread can wake it to stop. Once signalled it stays
    readable: every later poll() returns at once. Used by the byte-stream and
    the ALSA input threads alike.
*/
class WakeUpEvent final
{
public:
    /** Check isValid() afterwards: creating the descriptor can fail when the
        process has run out of them. */
    WakeUpEvent() noexcept;
    ~WakeUpEvent();

    bool isValid() const noexcept { return descriptor >= 0; }
    int getDescriptor() const noexcept { return descriptor; }

    void signal() noexcept;

    /** The reason creation failed, for error messages. */
    const juce::String& getCreationError() const noexcept { return creationError; }

private:
    int descriptor = -1;
    juce::String creationError;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (WakeUpEvent)
};
} // namespace midi
