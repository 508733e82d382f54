#pragma once

#include "base/Singleton.h"
#include "ui/PresetWindow.h"

#include <memory>

namespace xTV200_ui
{
/** Owns the preset window while it is open, and remembers in the setting
    "ShowPresetWindow" whether the user left it open, so that the next start
    opens it again.

    The window's close button triggers the asynchronous update, which deletes
    the window and stores false. Deleting the manager (at shutdown) deletes an
    open window but leaves the setting true. Message thread only.
*/
class PresetWindowManager final : public Singleton<PresetWindowManager>,
                                  public juce::AsyncUpdater,
                                  private juce::DeletedAtShutdown
{
public:
    PresetWindowManager() = default;
    ~PresetWindowManager() override;

    /** Creates the window and stores "ShowPresetWindow" = true; does nothing
        to a window that is already open. A close still pending from its close
        button is called off: the later request wins. */
    void openWindow();

    /** Opens the window, or brings the open one to the front with the
        keyboard focus (the "Open Preset Window" command). */
    void openOrBringToFront();

    /** The open window, or null. */
    PresetWindow* getWindow() const noexcept { return window.get(); }

    /** Deletes an open window now without touching "ShowPresetWindow", as
        quitting does: for the application's shutdown, while the look and
        feel and the preferences are still there. */
    void deleteWindowKeepingSetting();

private:
    void handleAsyncUpdate() override;

    std::unique_ptr<PresetWindow> window;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetWindowManager)
};
} // namespace xTV200_ui
