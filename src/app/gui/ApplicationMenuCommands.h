#pragma once

#include "app/InMemoryProgramClipboard.h"
#include "twitter/TwitterAccountState.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>
#include <functional>
#include <memory>

namespace xTV200_menu
{
/** The target of every numbered command of the librarian: the menu bar, the
    shortcuts and the buttons bound to commands all end here.
    Every command is disabled, and performing it does nothing, while a modal
    dialog is open: a second dialog on top of the first would let the user
    change the library behind the back of the one that is showing.
*/
class ApplicationMenuCommands final : public juce::ApplicationCommandTarget
{
public:
    enum CommandIds
    {
        fileNew = 1, fileOpen, fileSave, fileSaveAs, fileLoadProgram, fileSaveProgram,
        fileImportTonexaFile, fileSavePreset, fileExit,
        editUndo, editRedo, editCut, editCopy, editPaste, editClear,
        midiReceiveLibrary, midiWriteLibrary, midiReceiveProgram, midiWriteProgram,
        optionPreferences, optionTwitterAccount, optionOpenPresetWindow, optionAbout,
        twitterPostMovieTweet, optionOpenDebugWindow
    };

    static constexpr int numCommands = 25;

    ApplicationMenuCommands();
    ~ApplicationMenuCommands() override;

    juce::ApplicationCommandTarget* getNextCommandTarget() override;
    void getAllCommands (juce::Array<juce::CommandID>& commands) override;
    void getCommandInfo (juce::CommandID commandID, juce::ApplicationCommandInfo& result) override;
    bool perform (const InvocationInfo& info) override;

    /** The clipboard Cut, Copy and Paste use; it must outlive this object.
        nullptr goes back to a clipboard of this process only. */
    void setProgramClipboard (application::ProgramClipboard* clipboardToUse) noexcept;

    /** The sharing account command 21 shows and disconnects; it must outlive
        this object. nullptr goes back to the build's "never authorized" state. */
    void setTwitterAccountState (twitter::TwitterAccountState* stateToUse) noexcept;

    /** What commands 22 and 25 do; nothing until set. */
    void setOpenPresetWindowCallback (std::function<void()> callback) { openPresetWindow = std::move (callback); }
    void setOpenDebugWindowCallback (std::function<void()> callback) { openDebugWindow = std::move (callback); }

    /** The name command 21 shows for the account state of the moment. */
    juce::String getTwitterAccountCommandName() const;

private:
    struct Row
    {
        juce::String name;
        juce::String category;
        int keyCode = 0;
        int modifiers = 0;
    };

    void fillTableIfEmpty();
    static bool isEnabledBySelection (juce::CommandID commandID);
    bool isEnabled (juce::CommandID commandID) const;
    bool performFileCommand (juce::CommandID commandID);
    bool performEditCommand (juce::CommandID commandID);
    bool performMidiCommand (juce::CommandID commandID);
    bool performOptionCommand (juce::CommandID commandID);
    void performTwitterAccount();

    std::array<Row, numCommands> table;
    bool tableFilled = false;
    application::InMemoryProgramClipboard ownClipboard;
    application::ProgramClipboard* clipboard = &ownClipboard;
    std::unique_ptr<twitter::TwitterAccountState> unavailableAccount;
    twitter::TwitterAccountState* account = nullptr;
    std::function<void()> openPresetWindow;
    std::function<void()> openDebugWindow;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ApplicationMenuCommands)
};
} // namespace xTV200_menu
