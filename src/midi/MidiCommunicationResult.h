#pragma once

#include <juce_core/juce_core.h>

namespace midi
{
/** The result codes of a communication, each with a status text and a detail
    text in the user's language. */
class MidiCommunicationResult final
{
public:
    enum Code : int
    {
        noError = 0,
        canceled = 1,
        failedToOpenDialog = 2,
        timeout = 3,
        targetDevice = 4,
        nakOnReceive = 5,
        nakOnWrite = 6,
        writeError = 7,
        messageBroken = 8
    };

    MidiCommunicationResult() = delete;

    static bool isSuccess (int code) noexcept { return code == noError; }

    /** The strings-table keys; empty for a code outside 0-8. */
    static juce::String getStatusKey (int code);
    static juce::String getDetailKey (int code);

    static juce::String getStatusText (int code);

    /** A cancellation has no detail text. */
    static juce::String getDetailText (int code);
};
} // namespace midi
