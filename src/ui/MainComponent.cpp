#include "ui/MainComponent.h"

#include "app/FileAccessProcessor.h"
#include "app/gui/FileDiscardChecker.h"
#include "app/gui/FileDropProcessor.h"
#include "app/gui/ApplicationMenuManager.h"
#include "app/gui/FileErrorAlert.h"
#include "ui/state/ModalDialogState.h"

namespace xTV200_ui
{
MainComponent::MainComponent()
{
    // Negative sizes are proportions of the whole width.
    layout.setItemLayout (0, 50, -0.8, 330);
    layout.setItemLayout (1, resizerWidth, resizerWidth, resizerWidth);
    layout.setItemLayout (2, 100, -0.9, 775);

    resizerBar.setName ("resizer bar");

    for (auto* child :
         {static_cast<juce::Component*> (&header), static_cast<juce::Component*> (&leftPane),
          static_cast<juce::Component*> (&rightPane), static_cast<juce::Component*> (&resizerBar)})
        addAndMakeVisible (child);

    setSize (1110, 640);
}

MainComponent::~MainComponent() = default;

void MainComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xff262626));
}

void MainComponent::resized()
{
    const auto width = getWidth();
    const auto paneHeight = getHeight() - headerHeight;
    const auto half = juce::roundToInt (width * 0.5);

    header.setBounds (0, 0, width, headerHeight);
    leftPane.setBounds (0, headerHeight, half, paneHeight);
    resizerBar.setBounds (half, headerHeight, resizerWidth, paneHeight);
    rightPane.setBounds (width - half, headerHeight, half, paneHeight);

    juce::Component* items[]{&leftPane, &resizerBar, &rightPane};
    layout.layOutComponents (items, 3, 0, headerHeight, width, paneHeight, false, true);
}

juce::ApplicationCommandTarget* MainComponent::getNextCommandTarget()
{
    return &xTV200_menu::ApplicationMenuManager::getInstance()->getCommands();
}

juce::String MainComponent::findDocumentToOpen (const juce::StringArray& files)
{
    for (const auto& path : files)
    {
        const juce::File file (path);

        if (file.hasFileExtension (".tvlib") || file.hasFileExtension (".tvprog"))
            return path;
    }

    return {};
}

bool MainComponent::isInterestedInFileDrag (const juce::StringArray& files)
{
    return ! ui::ModalDialogState::getInstance()->isModal() && findDocumentToOpen (files).isNotEmpty();
}

void MainComponent::filesDropped (const juce::StringArray& files, int, int)
{
    if (ui::ModalDialogState::getInstance()->isModal())
        return;

    const auto path = findDocumentToOpen (files);

    if (path.isEmpty())
        return;

    const juce::File file (path);

    if (file.hasFileExtension (".tvprog"))
    {
        xTV200_application::FileDropProcessor().loadDroppedProgram (file);
        return;
    }

    if (application::FileDiscardChecker().check() != 0)
        return;

    if (const auto code = xTV200_application::FileAccessProcessor().openLibraryFile (file); code != 0)
        xTV200_application::FileErrorAlert().showReadError (code);
}
} // namespace xTV200_ui
