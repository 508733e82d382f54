#include "ui/CTRVClipboard.h"

#include "ui/native/X11ClipboardConnection.h"
#include "ui/native/X11SelectionReader.h"

CTRVClipboard::CTRVClipboard (const juce::String& displayName)
    : display (displayName),
      connection (std::make_unique<X11ClipboardConnection> (displayName))
{
}

CTRVClipboard::~CTRVClipboard() = default;

juce::String CTRVClipboard::toSelectionName (const juce::String& formatName)
{
    return formatName == "TEXT" ? juce::String ("UTF8_STRING") : formatName;
}

unsigned long CTRVClipboard::getFormat (const juce::String& formatName)
{
    if (! connection->isOpen() || formatName.isEmpty())
        return 0;

    const auto known = formats.find (formatName);
    if (known != formats.end())
        return known->second;

    const auto atom = connection->getAtom (toSelectionName (formatName));
    if (atom != 0)
        formats[formatName] = atom;
    return atom;
}

bool CTRVClipboard::setData (const juce::MemoryBlock& bytes, const juce::String& formatName)
{
    const auto format = getFormat (formatName);
    return format != 0 && connection->setData (bytes, format);
}

bool CTRVClipboard::getData (const juce::String& formatName, juce::MemoryBlock& bytes)
{
    const auto format = getFormat (formatName);
    if (format == 0)
        return false;

    // Our flag learns of a new owner only when the serving thread handles
    // the SelectionClear, so the server is asked as well.
    X11SelectionReader reader (display);
    if (connection->ownsSelection() && reader.isOwner (connection->getWindow()))
        return connection->getOwnData (format, bytes);

    return reader.read (toSelectionName (formatName), bytes);
}

bool CTRVClipboard::hasData (const juce::String& formatName)
{
    const auto format = getFormat (formatName);
    if (format == 0)
        return false;

    X11SelectionReader reader (display);
    if (connection->ownsSelection() && reader.isOwner (connection->getWindow()))
    {
        juce::MemoryBlock ignored;
        return connection->getOwnData (format, ignored);
    }

    return reader.offers (toSelectionName (formatName));
}
