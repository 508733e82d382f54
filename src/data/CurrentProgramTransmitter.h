#pragma once

#include "data/ProgramData.h"

namespace xTV200_data
{
/** Where the current program goes so that the synthesizer plays it: the MIDI
    layer's background transmitter implements this.
*/
class CurrentProgramTransmitter
{
public:
    virtual ~CurrentProgramTransmitter() = default;

    /** Called on the message thread with a copy the transmitter may keep. */
    virtual void transmit (const ProgramData& program) = 0;
};
} // namespace xTV200_data
