#include "midi/emulator/BuiltInSynthesizer.h"

#include "midi/MidiDeviceManager.h"

namespace xTV200_midi
{
namespace
{
std::shared_ptr<midi::VirtualMidiService> createService()
{
    return std::make_shared<midi::VirtualMidiService> ("built-in emulated synthesizer");
}
} // namespace

BuiltInSynthesizer::BuiltInSynthesizer (SynthesizerEmulatorOptions options)
    : service (createService())
    , synthesizerSide (service->addPortPair (portName, portName))
    , emulator (*synthesizerSide, 0, 0, std::move (options))
{
}

BuiltInSynthesizer::~BuiltInSynthesizer()
{
    emulator.stop();
}

bool BuiltInSynthesizer::start (juce::String& error)
{
    if (! emulator.start (error))
        return false;

    midi::MidiDeviceManager::getInstance()->setService (service);
    return true;
}
} // namespace xTV200_midi
