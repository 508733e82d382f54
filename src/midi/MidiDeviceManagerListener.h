#pragma once

namespace midi
{
class MidiDeviceManagerListener
{
public:
    virtual ~MidiDeviceManagerListener() = default;

    /** Called on the message thread when a scan has ended, found or not. */
    virtual void scanFinished() {}
};
} // namespace midi
