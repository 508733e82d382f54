#pragma once

#include "midi/service/MidiService.h"

#include <memory>

namespace midi
{
/** The computer's own MIDI system: the ALSA sequencer on Linux. */
std::shared_ptr<MidiService> createSystemMidiService();
} // namespace midi
