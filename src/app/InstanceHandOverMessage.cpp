#include "app/InstanceHandOverMessage.h"

#include "app/ApplicationInfo.h"

#include <cstring>

namespace application
{
juce::String InstanceHandOverMessage::getPrefix()
{
    return juce::String (xTV200_application::ApplicationInfo::name) + "/";
}

juce::MemoryBlock InstanceHandOverMessage::encode (const juce::String& commandLine)
{
    const auto text = getPrefix() + commandLine;
    const auto size = text.getNumBytesAsUTF8();

    if (size > maximumTextSize)
        return {};

    juce::MemoryBlock frame (headerSize + size);
    auto* bytes = static_cast<juce::uint8*> (frame.getData());
    const auto length = static_cast<juce::uint32> (size);

    for (size_t i = 0; i < headerSize; ++i)
        bytes[i] = static_cast<juce::uint8> (length >> (8 * (headerSize - 1 - i)));

    std::memcpy (bytes + headerSize, text.toRawUTF8(), size);
    return frame;
}

juce::uint32 InstanceHandOverMessage::readLength (const juce::uint8 (&header)[headerSize]) noexcept
{
    juce::uint32 length = 0;

    for (auto byte : header)
        length = (length << 8) | byte;

    return length;
}

std::optional<juce::String> InstanceHandOverMessage::decodeText (const void* text, size_t size)
{
    const auto* bytes = static_cast<const char*> (text);

    // A zero byte would silently cut the command line short.
    if (size == 0 || size > maximumTextSize || std::memchr (bytes, 0, size) != nullptr ||
        ! juce::CharPointer_UTF8::isValidString (bytes, static_cast<int> (size)))
        return std::nullopt;

    const auto decoded = juce::String::fromUTF8 (bytes, static_cast<int> (size));
    const auto prefix = getPrefix();

    if (! decoded.startsWith (prefix))
        return std::nullopt;

    return decoded.substring (prefix.length());
}
} // namespace application
