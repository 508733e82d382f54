#include "data/PresetLibrary.h"

namespace xTV200_data
{
const PresetData& PresetLibrary::getPreset (int index) const noexcept
{
    return juce::isPositiveAndBelow (index, getNumPresets()) ? presets[(size_t) index] : fallbackPreset;
}
} // namespace xTV200_data
