#pragma once

#include <juce_core/juce_core.h>

#include <optional>

namespace ui
{
/** What a drag of one preset program carries: the drag's name, the preset's
    index in the preset library and the program's index inside that preset.
    On the wire of a drag it is a var array of exactly [name, preset, program]. */
struct PresetDataDragItem
{
    juce::String name;
    int presetIndex = -1;
    int programIndex = -1;

    juce::var toVar() const;

    /** The item a description carries when it has the form above and this
        name; nothing otherwise. */
    static std::optional<PresetDataDragItem> decode (const juce::var& description, const juce::String& name);
};
} // namespace ui
