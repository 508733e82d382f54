#pragma once

#include "midi/emulator/SynthesizerEmulator.h"
#include "midi/service/VirtualMidiService.h"

#include <memory>

namespace xTV200_midi
{
/** The emulated synthesizer on in-process ports named "TolmVESK Emulator",
    for trying the librarian without hardware: start() hands the ports to the
    device manager, which then scans and talks to them like real ones.
*/
class BuiltInSynthesizer final
{
public:
    static constexpr const char* portName = "TolmVESK Emulator";

    explicit BuiltInSynthesizer (SynthesizerEmulatorOptions options = {});
    ~BuiltInSynthesizer();

    /** Starts answering and makes these ports the device manager's. Returns
        false with the reason in error when the emulator cannot start. */
    bool start (juce::String& error);

    SynthesizerEmulator& getEmulator() noexcept { return emulator; }
    std::shared_ptr<midi::VirtualMidiService> getService() const noexcept { return service; }

private:
    std::shared_ptr<midi::VirtualMidiService> service;
    std::shared_ptr<midi::MidiService> synthesizerSide;
    SynthesizerEmulator emulator;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (BuiltInSynthesizer)
};
} // namespace xTV200_midi
