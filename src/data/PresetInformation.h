#pragma once

#include <juce_core/juce_core.h>

namespace xTV200_data
{
/** The header of a preset bundle. All texts are empty and version is 0 at
    construction; a bundle whose dataID is already installed replaces it.
*/
class PresetInformation
{
public:
    PresetInformation() = default;
    PresetInformation (const PresetInformation&) = default;
    PresetInformation& operator= (const PresetInformation&) = default;
    virtual ~PresetInformation() = default;

    bool operator== (const PresetInformation& other) const;
    bool operator!= (const PresetInformation& other) const { return ! operator== (other); }

    juce::String dataID;
    juce::String name;
    juce::String author;
    juce::String copyright;
    juce::String date;
    juce::String prefix;
    juce::int32 version = 0;
};
} // namespace xTV200_data
