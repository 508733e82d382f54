#pragma once

class CTRVMidi;
class CTRVMidiMessage;

/** Receives the complete messages of the port object's input.

    Every call comes on the input port's own thread with the port's listener
    lock held: return quickly, and never add or remove listeners from inside a
    call.
*/
class CTRVMidiListener
{
public:
    virtual ~CTRVMidiListener() = default;

    /** A channel, system common or real-time message, including a timing
        clock byte that arrived in the middle of a SysEx message. */
    virtual void onShortMessage (CTRVMidi&, const CTRVMidiMessage&) {}

    /** A complete SysEx message, 0xF0 to 0xF7. */
    virtual void onSysExMessage (CTRVMidi&, const CTRVMidiMessage&) {}
};
