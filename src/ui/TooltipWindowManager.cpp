#include "ui/TooltipWindowManager.h"

namespace xTV200_ui
{
void TooltipWindowManager::createTooltipWindowIfNeeded()
{
    if (tooltipWindow == nullptr)
        tooltipWindow = std::make_unique<juce::TooltipWindow>();
}
} // namespace xTV200_ui
