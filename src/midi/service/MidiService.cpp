#include "midi/service/MidiService.h"

namespace midi
{
bool MidiService::isSynthesizerPort (bool isInput, int index)
{
    const auto names = isInput ? getInputPortNames() : getOutputPortNames();
    return juce::isPositiveAndBelow (index, names.size()) && isSynthesizerPortName (names[index]);
}

bool MidiService::isSynthesizerPortName (const juce::String& portName)
{
    return portName.contains ("TolmVESK");
}
} // namespace midi
