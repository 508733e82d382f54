#pragma once

#include <juce_core/juce_core.h>

namespace application
{
/** Told on the message thread that the library's file changed. */
class LastSavedFileStatusListener
{
public:
    virtual void lastSavedFileChanged (const juce::File& file) = 0;
    virtual ~LastSavedFileStatusListener() = default;
};
} // namespace application
