#pragma once

namespace data
{
/** Told on the message thread that the installed presets were reloaded. */
class PresetDataChangeBroadcasterObserver
{
public:
    virtual ~PresetDataChangeBroadcasterObserver() = default;
    virtual void presetDataChanged() = 0;
};
} // namespace data
