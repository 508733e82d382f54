#pragma once

namespace application
{
/** Told when the settings changed, so that it can re-read the ones it shows. */
class PreferencesDataChangeBroadcasterObserver
{
public:
    /** Called on the message thread, once for any number of changes made
        since the last call. */
    virtual void preferencesChanged() = 0;

    virtual ~PreferencesDataChangeBroadcasterObserver() = default;
};
} // namespace application
