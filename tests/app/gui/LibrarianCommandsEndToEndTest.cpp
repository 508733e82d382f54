#include "app/ApplicationUndoManager.h"
#include "app/PreferenceKeys.h"
#include "app/PreferencesData.h"
#include "app/StartupSingletons.h"
#include "app/gui/ApplicationMenuManager.h"
#include "data/DataCenter.h"
#include "midi/MidiCommunicationManager.h"
#include "midi/MidiDeviceManager.h"
#include "midi/emulator/BuiltInSynthesizer.h"
#include "midi/gui/MidiCommunicationDialogRunner.h"
#include "support/FreshSingletons.h"
#include "ui/ModalDialogRunner.h"
#include "ui/NamedFonts.h"
#include "ui/PreferencesEditComponent.h"

#include <gtest/gtest.h>

namespace
{
using Commands = xTV200_menu::ApplicationMenuCommands;
namespace PreferenceKeys = xTV200_preferences::PreferenceKeys;

juce::MemoryBlock bytesOf (const xTV200_data::ProgramData& program)
{
    return {program.getBytes(), static_cast<size_t> (xTV200_data::ProgramData::numBytes)};
}

/** The librarian as it runs: its objects in start-up order, the menu layer,
    the built-in synthesizer on the manually chosen emulator ports and the
    real communication window. Commands go through the command manager, as
    the menus, shortcuts and the Write button send them. Any other dialog is
    answered by `answer`, which records its title. */
class LibrarianCommandsEndToEndTest : public test::FreshSingletons
{
protected:
    void SetUp() override
    {
        FreshSingletons::SetUp();
        xTV200_application::StartupSingletons::createInStartupOrder (
            [] { xTV200_menu::ApplicationMenuManager::getInstance(); });
        xTV200_ui::NamedFonts::addNamedFonts();

        juce::String error;
        ASSERT_TRUE (synthesizer.start (error)) << error;
        auto* devices = midi::MidiDeviceManager::getInstance();
        devices->setTargetFamilyId (xTV200_application::StartupSingletons::synthesizerFamilyId);
        const auto port = xTV200_midi::BuiltInSynthesizer::portName;
        devices->applyMidiPortSettings ({false, port, port});
        xTV200_midi::MidiCommunicationManager::getInstance()->setRunner (&communicationWindow);
    }

    void TearDown() override
    {
        xTV200_midi::MidiCommunicationManager::getInstance()->setRunner (nullptr);
        synthesizer.getEmulator().stop();
        FreshSingletons::TearDown();
    }

    bool invoke (int commandID)
    {
        return xTV200_menu::ApplicationMenuManager::getInstance()->getCommandManager().invokeDirectly (commandID,
                                                                                                        false);
    }

    static xTV200_data::LibraryData& library() { return xTV200_data::DataCenter::getInstance()->getLibrary(); }
    static juce::UndoManager& undoHistory() { return *application::ApplicationUndoManager::getInstance(); }
    static auto* preferences() { return xTV200_preferences::PreferencesData::getInstance(); }

    xTV200_midi::BuiltInSynthesizer synthesizer;
    midi::MidiCommunicationDialogRunner communicationWindow;
    juce::StringArray dialogsShown;
    std::function<int (juce::Component&)> answer = [] (juce::Component&) { return 0; };
    ui::ModalDialogRunner::ScopedResponder responder{[this] (const juce::String& title, juce::Component& content)
                                                     {
                                                         dialogsShown.add (title);
                                                         return answer (content);
                                                     }};
};

TEST_F (LibrarianCommandsEndToEndTest, ReceiveLibraryTakesTheSynthesizersProgramsAsOneUndoableStep)
{
    library().initialize();
    const xTV200_data::LibraryData before = library();
    auto& memory = synthesizer.getEmulator().getMemory();

    ASSERT_TRUE (invoke (Commands::midiReceiveLibrary));

    for (int number : {0, 1, 150, 299})
        EXPECT_EQ (bytesOf (library().getProgram (number)), memory.getProgram (number)) << number;
    EXPECT_NE (bytesOf (library().getProgram (0)), bytesOf (before.getProgram (0)));
    EXPECT_TRUE (dialogsShown.isEmpty()) << dialogsShown.joinIntoString (", ");
    EXPECT_EQ (undoHistory().getUndoDescription(), "Receive Library");

    ASSERT_TRUE (undoHistory().undo());
    EXPECT_FALSE (undoHistory().canUndo());
    for (int number : {0, 1, 150, 299})
        EXPECT_EQ (library().getProgram (number), before.getProgram (number)) << number;
}

TEST_F (LibrarianCommandsEndToEndTest, WriteLibraryStartsAtOnceWhenTheWarningIsOff)
{
    preferences()->setBool (PreferenceKeys::WarnBeforeWriting, false);
    library().initialize();
    auto& memory = synthesizer.getEmulator().getMemory();
    ASSERT_NE (memory.getProgram (7), bytesOf (library().getProgram (7)));

    ASSERT_TRUE (invoke (Commands::midiWriteLibrary));

    EXPECT_TRUE (dialogsShown.isEmpty()) << dialogsShown.joinIntoString (", ");
    EXPECT_EQ (memory.getProgram (7), bytesOf (library().getProgram (7)));
}

TEST_F (LibrarianCommandsEndToEndTest, WriteLibraryAsksFirstAndCancelWritesNothing)
{
    preferences()->setBool (PreferenceKeys::WarnBeforeWriting, true);
    library().initialize();
    auto& memory = synthesizer.getEmulator().getMemory();
    const auto programBefore = memory.getProgram (7);

    ASSERT_TRUE (invoke (Commands::midiWriteLibrary));

    EXPECT_EQ (dialogsShown, juce::StringArray { "Warning" });
    EXPECT_EQ (memory.getProgram (7), programBefore);
}

TEST_F (LibrarianCommandsEndToEndTest, PreferencesOkStoresTheChoicesAndSavesTheFile)
{
    const auto file = xTV200_preferences::PreferencesData::getDefaultPreferencesFile();
    file.deleteFile();
    preferences()->setBool (PreferenceKeys::AutoReceive, true);
    answer = [] (juce::Component& content)
    {
        for (auto* child : content.getChildren())
            if (auto* button = dynamic_cast<juce::Button*> (child))
                if (const auto text = button->getButtonText(); text == "Receive library data automatically" || text == "OK")
                    button->triggerClick();
        test::deliverPendingMessages();
        return 1;
    };

    ASSERT_TRUE (invoke (Commands::optionPreferences));

    EXPECT_EQ (dialogsShown, juce::StringArray { "Preferences" });
    EXPECT_FALSE (preferences()->getBool (PreferenceKeys::AutoReceive, true));
    ASSERT_TRUE (file.existsAsFile());
    const xTV200_preferences::PreferencesData stored (file);
    EXPECT_FALSE (stored.getBool (PreferenceKeys::AutoReceive, true)) << file.loadFileAsString();
}
} // namespace
