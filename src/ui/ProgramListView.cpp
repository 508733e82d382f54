#include "ui/ProgramListView.h"

#include "app/LocalizedText.h"
#include "data/ProgramCategory.h"
#include "ui/FontLibrary.h"

namespace xTV200_ui
{
namespace
{
const juce::Colour rowColour (0xff464646);

void drawCellText (juce::Graphics& g, const juce::String& text, const char* fontName, int width, int height)
{
    g.setColour (juce::Colours::white);
    g.setFont (FontLibrary::getInstance()->getFont (fontName));
    g.drawText (text, 12, 0, width - 12, height, juce::Justification::centredLeft, false);
}
} // namespace

ProgramListView::ProgramListView (const xTV200_data::LibraryData& libraryToShow) : library (libraryToShow)
{
    sharing.account = &noAccount;
    sharing.newTweets = &noNewTweets;
}

int ProgramListView::getNumRows()
{
    return xTV200_data::LibraryData::numPrograms;
}

juce::String ProgramListView::getColumnName (int columnId)
{
    switch (columnId)
    {
        case nameColumn: return getLocalizedText ("ProgramListColumnProgramName");
        case categoryColumn: return getLocalizedText ("ProgramListColumnCategory");
        default: return {};
    }
}

int ProgramListView::getColumnWidth (int columnId)
{
    switch (columnId)
    {
        case numberColumn: return 40;
        case nameColumn: return 190;
        case categoryColumn: return 80;
        default: return 100;
    }
}

int ProgramListView::getColumnPropertyFlags (int)
{
    return juce::TableHeaderComponent::visible | juce::TableHeaderComponent::resizable;
}

void ProgramListView::paintRowBackground (juce::Graphics& g, int, int width, int height, bool selected)
{
    g.setColour (rowColour);

    if (selected)
        g.fillAll();
    else
        g.fillRect (0, height - 1, width, 1);
}

void ProgramListView::paintCell (juce::Graphics& g, int row, int columnId, int width, int height, bool)
{
    if (columnId == numberColumn)
        drawCellText (g, juce::String (row + 1), "ProgramListNumber", width, height);
    else if (columnId == categoryColumn)
        drawCellText (g, xTV200_data::getProgramCategory (library.getProgram (row)), "ProgramListCategory", width,
                      height);
}

juce::Component* ProgramListView::refreshComponentForCell (int row, int columnId, bool selected,
                                                           juce::Component* existingComponent)
{
    if (columnId != nameColumn)
    {
        delete existingComponent;
        return nullptr;
    }

    auto* item = dynamic_cast<ProgramListItemComponent*> (existingComponent);

    if (item == nullptr)
    {
        delete existingComponent;
        item = new ProgramListItemComponent (library, sharing);
    }

    item->update (row, library.getProgram (row).getName(), selected, selected && sharing.isAuthorized());
    return item;
}

void ProgramListView::setTwitterAccountState (const twitter::TwitterAccountState* account) noexcept
{
    sharing.account = account != nullptr ? account : &noAccount;
}

void ProgramListView::setNewPresetTweetCounter (const xTV200_twitter::NewPresetTweetCounter* counter) noexcept
{
    sharing.newTweets = counter != nullptr ? counter : &noNewTweets;
}

void ProgramListView::setTweetDialogLauncher (std::function<void (int, int)> launcher)
{
    sharing.showTweetDialog = std::move (launcher);
}

} // namespace xTV200_ui
