#pragma once

#include "base/Singleton.h"

#include <juce_events/juce_events.h>

#include <map>
#include <memory>

class X11ClipboardConnection;

/** The system clipboard for private data formats.

    setData makes the bytes the clipboard's only content, taking it from
    whichever program held it; getData and hasData see what the current owner
    offers. Every failure, including a machine without a display, is just a
    false result. Message thread only.
*/
class CTRVClipboard final : public Singleton<CTRVClipboard>, private juce::DeletedAtShutdown
{
public:
    /** Uses $DISPLAY, or displayName when given (tests use a missing one). */
    explicit CTRVClipboard (const juce::String& displayName = {});
    ~CTRVClipboard() override;

    /** The clipboard's identifier for formatName, fixed for the run; 0 when
        there is no display. "TEXT" is the desktop's UTF-8 text. */
    unsigned long getFormat (const juce::String& formatName);

    bool setData (const juce::MemoryBlock& bytes, const juce::String& formatName);
    bool getData (const juce::String& formatName, juce::MemoryBlock& bytes);
    bool hasData (const juce::String& formatName);

private:
    static juce::String toSelectionName (const juce::String& formatName);

    juce::String display;
    std::unique_ptr<X11ClipboardConnection> connection;
    std::map<juce::String, unsigned long> formats;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (CTRVClipboard)
};
