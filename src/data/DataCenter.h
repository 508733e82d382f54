#pragma once

#include "base/Singleton.h"
#include "data/LibraryData.h"
#include "data/PresetLibrary.h"

#include <juce_events/juce_events.h>

namespace xTV200_data
{
/** The one holder of the library that the whole program shows and edits, and
    of the installed presets. Message thread only.
*/
class DataCenter final : public Singleton<DataCenter>, private juce::DeletedAtShutdown
{
public:
    DataCenter() = default;

    LibraryData& getLibrary() noexcept { return library; }
    PresetLibrary& getPresets() noexcept { return presets; }

private:
    LibraryData library;
    PresetLibrary presets;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DataCenter)
};
} // namespace xTV200_data
