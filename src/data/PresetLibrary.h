#pragma once

#include "data/PresetData.h"

#include <vector>

namespace xTV200_data
{
/** The installed preset bundles in installation order; read-only for
    everything but the reload. An index out of range gets the fallback preset,
    which holds 300 initial programs and no information.
*/
class PresetLibrary : public data::Data
{
public:
    PresetLibrary() = default;

    const PresetData& getPreset (int index) const noexcept;
    int getNumPresets() const noexcept { return static_cast<int> (presets.size()); }

    void append (const PresetData& preset) { presets.push_back (preset); }
    void clear() noexcept { presets.clear(); }

private:
    std::vector<PresetData> presets;
    PresetData fallbackPreset;
};
} // namespace xTV200_data
