#include "midi/service/ByteStreamMidiService.h"

#include "midi/service/ByteStreamInputConnection.h"
#include "midi/service/ByteStreamOutputConnection.h"

namespace midi
{
namespace
{
juce::String noSuchPort (const char* direction, int index)
{
    return juce::String ("There is no MIDI ") + direction + " port " + juce::String (index) +
           ": a byte stream has only port 0.";
}
} // namespace

ByteStreamMidiService::ByteStreamMidiService (juce::String input, juce::String output)
    : inputPath (std::move (input))
    , outputPath (std::move (output))
{
}

std::unique_ptr<MidiInputConnection> ByteStreamMidiService::openInput (int index, MidiInputHandler& handler,
                                                                       juce::String& errorMessage)
{
    if (index != 0)
    {
        errorMessage = noSuchPort ("input", index);
        return nullptr;
    }

    auto descriptor = ByteStreamDescriptor::openForReading (inputPath, errorMessage);

    if (! descriptor.isValid())
        return nullptr;

    return ByteStreamInputConnection::start (std::move (descriptor), handler, errorMessage);
}

std::unique_ptr<MidiOutputConnection> ByteStreamMidiService::openOutput (int index,
                                                                         juce::String& errorMessage)
{
    if (index != 0)
    {
        errorMessage = noSuchPort ("output", index);
        return nullptr;
    }

    auto descriptor = ByteStreamDescriptor::openForWriting (outputPath, errorMessage);

    if (! descriptor.isValid())
        return nullptr;

    return std::make_unique<ByteStreamOutputConnection> (std::move (descriptor));
}
} // namespace midi
