#include "ui/PresetListRow.h"

#include "app/PreferenceKeys.h"
#include "app/PreferencesData.h"
#include "ui/FontLibrary.h"

namespace xTV200_ui::PresetListRow
{
int getHeight()
{
    const auto* preferences = xTV200_preferences::PreferencesData::getInstance();
    return juce::jmax (1, preferences->getInt (xTV200_preferences::PreferenceKeys::ProgramListHeight, 0));
}

void drawText (juce::Graphics& g, const juce::String& text, int width, int height)
{
    g.setColour (juce::Colours::white);
    g.setFont (FontLibrary::getInstance()->getFont ("PresetListItemProgram"));
    g.drawText (text, 5, 0, width - 5, height, juce::Justification::centredLeft, true);
}
} // namespace xTV200_ui::PresetListRow
