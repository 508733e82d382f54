#pragma once

#include "base/Singleton.h"
#include "ui/MainAppWindow.h"

#include <memory>

namespace xTV200_ui
{
/** Owns the main window: the application creates it at start-up and deletes
    it at shutdown; whoever needs a parent for a dialog finds it here. */
class MainWindowManager final : public Singleton<MainWindowManager>, private juce::DeletedAtShutdown
{
public:
    MainWindowManager() = default;

    MainAppWindow* getWindow() const noexcept { return window.get(); }
    void setWindow (std::unique_ptr<MainAppWindow> newWindow) { window = std::move (newWindow); }

private:
    std::unique_ptr<MainAppWindow> window;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainWindowManager)
};
} // namespace xTV200_ui
