#pragma once

namespace midi
{
class MidiDeviceScannerListener
{
public:
    virtual ~MidiDeviceScannerListener() = default;

    /** Called on the message thread when a scan has ended, found or not. */
    virtual void scanFinished() = 0;
};
} // namespace midi
