#pragma once

#include "app/DataEditStatusListener.h"
#include "app/LastSavedFileStatusListener.h"
#include "ui/DefaultLookAndFeel.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace xTV200_ui
{
/** The librarian's one main window. Its title follows the library's file and
    modified state; its bounds are restored from the preferences and stored
    there again when it closes. */
class MainAppWindow final : public juce::DocumentWindow,
                            private application::DataEditStatusListener,
                            private application::LastSavedFileStatusListener
{
public:
    MainAppWindow();
    ~MainAppWindow() override;

    void moved() override;
    void resized() override;
    void closeButtonPressed() override;

    /** The bounds last seen; all 0 until the window is placed. */
    juce::Rectangle<int> getLastBounds() const noexcept { return lastBounds; }

private:
    void restoreBounds();
    void rememberBounds();
    void updateTitle();
    void dataEditStatusChanged (bool modified) override;
    void lastSavedFileChanged (const juce::File& file) override;

    juce::Rectangle<int> lastBounds;
    DefaultLookAndFeel lookAndFeel;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainAppWindow)
};
} // namespace xTV200_ui
