#pragma once

#include <juce_core/juce_core.h>

namespace xTV200_ui
{
/** The main window's title: the application's name, the library's file name
    (or "Untitled") and a mark while the library has unsaved changes. */
juce::String makeMainWindowTitle (const juce::File& libraryFile, bool modified);
} // namespace xTV200_ui
