#include "midi/MidiCommunicationResult.h"

#include "app/LocalizedText.h"

#include <array>

namespace midi
{
namespace
{
constexpr std::array<const char*, 9> statusKeys{"MidiCommunicationNoError",
                                                "MidiCommunicationCanceled",
                                                "MidiCommunicationErrorFailedToOpenDialog",
                                                "MidiCommunicationErrorTimeout",
                                                "MidiCommunicationErrorTargetDevice",
                                                "MidiCommunicationErrorReceiveNakOnReceive",
                                                "MidiCommunicationErrorReceiveNakOnWrite",
                                                "MidiCommunicationErrorReceiveWriteError",
                                                "MidiCommunicationErrorMessageBroken"};

bool isKnownCode (int code) noexcept
{
    return juce::isPositiveAndBelow (code, static_cast<int> (statusKeys.size()));
}
} // namespace

juce::String MidiCommunicationResult::getStatusKey (int code)
{
    return isKnownCode (code) ? juce::String (statusKeys[static_cast<size_t> (code)]) : juce::String();
}

juce::String MidiCommunicationResult::getDetailKey (int code)
{
    return isKnownCode (code) && code != canceled ? getStatusKey (code) + "Detail" : juce::String();
}

juce::String MidiCommunicationResult::getStatusText (int code)
{
    const auto key = getStatusKey (code);
    return key.isEmpty() ? juce::String() : ::getLocalizedText (key);
}

juce::String MidiCommunicationResult::getDetailText (int code)
{
    const auto key = getDetailKey (code);
    return key.isEmpty() ? juce::String() : ::getLocalizedText (key).trimEnd();
}
} // namespace midi
