#pragma once

#include "ui/HeaderComponent.h"
#include "ui/LeftPaneComponent.h"
#include "ui/RightPaneComponent.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace xTV200_ui
{
/** The main window's content: the header strip across the top and, below it,
    the left and right panes, which the user resizes against each other with
    the bar between them. It handles no command itself: every command goes on
    to the application's command object. */
class MainComponent final : public juce::Component,
                            public juce::DragAndDropContainer,
                            public juce::ApplicationCommandTarget,
                            public juce::FileDragAndDropTarget
{
public:
    static constexpr int headerHeight = 60;
    static constexpr int resizerWidth = 5;

    MainComponent();
    ~MainComponent() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    HeaderComponent& getHeader() noexcept { return header; }
    LeftPaneComponent& getLeftPane() noexcept { return leftPane; }
    juce::Component& getRightPane() noexcept { return rightPane; }

    juce::ApplicationCommandTarget* getNextCommandTarget() override;
    void getAllCommands (juce::Array<juce::CommandID>&) override {}
    void getCommandInfo (juce::CommandID, juce::ApplicationCommandInfo&) override {}
    bool perform (const InvocationInfo&) override { return false; }

    /** Library and program files dropped from the desktop: the first one of
        the two kinds is opened, the others are ignored. Nothing is taken while
        a modal dialog is open. */
    bool isInterestedInFileDrag (const juce::StringArray& files) override;
    void filesDropped (const juce::StringArray& files, int x, int y) override;

    /** The first path with a library or program file's extension, or an
        empty string. */
    static juce::String findDocumentToOpen (const juce::StringArray& files);

private:
    bool shouldDropFilesWhenDraggedExternally (const juce::DragAndDropTarget::SourceDetails&,
                                               juce::StringArray&, bool&) override
    {
        return false;
    }

    HeaderComponent header;
    LeftPaneComponent leftPane;
    RightPaneComponent rightPane;
    juce::StretchableLayoutManager layout;
    juce::StretchableLayoutResizerBar resizerBar{&layout, 1, true};

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainComponent)
};
} // namespace xTV200_ui
