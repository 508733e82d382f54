#pragma once

#include <juce_core/juce_core.h>

/** Reads the CLIPBOARD selection from whichever client owns it, on a
    short-lived connection of its own, waiting at most a fixed time so that an
    owner that never answers cannot hang the caller.
*/
class X11SelectionReader final
{
public:
    explicit X11SelectionReader (const juce::String& displayName);
    ~X11SelectionReader();

    /** The owner's offer in formatName; false on any failure or timeout. */
    bool read (const juce::String& formatName, juce::MemoryBlock& bytes);

    /** True when the owner's TARGETS list names formatName. */
    bool offers (const juce::String& formatName);

    /** True when window holds the selection at the server right now. */
    bool isOwner (unsigned long ownerWindow);

private:
    bool convert (unsigned long target, juce::MemoryBlock& bytes, unsigned long& type);

    void* display = nullptr;
    unsigned long window = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (X11SelectionReader)
};
