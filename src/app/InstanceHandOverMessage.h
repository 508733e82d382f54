#pragma once

#include <juce_core/juce_core.h>

#include <optional>

namespace application
{
/** The message a later start sends to the running instance.

    A frame is the length of its text in four bytes, most significant first,
    followed by the text in UTF-8: the application name, "/" and the command
    line. The running instance answers with one byte, accepted or refused.
*/
class InstanceHandOverMessage final
{
public:
    InstanceHandOverMessage() = delete;

    static constexpr size_t headerSize = 4;

    /** Far beyond what the system lets a command line be; a larger length is
        refused before anything is read or allocated. */
    static constexpr juce::uint32 maximumTextSize = 8 * 1024 * 1024;

    static constexpr juce::uint8 accepted = 1;
    static constexpr juce::uint8 refused = 0;

    /** The application name and "/". */
    static juce::String getPrefix();

    /** The whole frame for a command line; empty when its text would exceed
        maximumTextSize. */
    static juce::MemoryBlock encode (const juce::String& commandLine);

    /** The text length that a frame's header holds. */
    static juce::uint32 readLength (const juce::uint8 (&header)[headerSize]) noexcept;

    /** The command line that a frame's text carries; nothing when the text is
        not valid UTF-8, holds a zero byte or does not begin with the prefix. */
    static std::optional<juce::String> decodeText (const void* text, size_t size);
};
} // namespace application
