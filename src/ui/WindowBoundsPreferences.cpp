#include "ui/WindowBoundsPreferences.h"

#include "app/PreferencesData.h"

namespace xTV200_ui
{
bool WindowBoundsPreferences::restore (juce::Component& window, const std::function<void()>& beforePlacing) const
{
    const auto* preferences = xTV200_preferences::PreferencesData::getInstance();
    const auto x = preferences->getInt (keys.x, -1);
    const auto y = preferences->getInt (keys.y, -1);
    const auto width = preferences->getInt (keys.width, window.getWidth());
    const auto height = preferences->getInt (keys.height, window.getHeight());

    if (x < 0 || y < 0)
    {
        window.centreWithSize (width, height);
        return false;
    }

    if (beforePlacing)
        beforePlacing();

    window.setBounds (x, y, juce::jmax (100, width), juce::jmax (100, height));
    return true;
}

void WindowBoundsPreferences::store (juce::Rectangle<int> bounds) const
{
    auto* preferences = xTV200_preferences::PreferencesData::getInstance();
    preferences->setInt (keys.x, bounds.getX());
    preferences->setInt (keys.y, bounds.getY());
    preferences->setInt (keys.width, bounds.getWidth());
    preferences->setInt (keys.height, bounds.getHeight());
}
} // namespace xTV200_ui
