#pragma once

#include "app/ApplicationStartupProcess.h"
#include "app/LocalSocketInstanceHandOver.h"
#include "midi/emulator/BuiltInSynthesizer.h"
#include "midi/gui/MidiCommunicationDialogRunner.h"
#include "ui/DefaultLookAndFeel.h"
#include "ui/SystemProgramClipboard.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

/** The librarian's application object: start-up in its fixed order, the
    deferred step after the device scan, and shutdown. With --virtual-synth
    the built-in emulated synthesizer stands in for the hardware. A second
    start hands its command line to the running instance and ends at once. */
class TolmVESKLibrarianApplication final : public juce::JUCEApplication,
                                           private application::InstanceHandOver::Receiver
{
public:
    TolmVESKLibrarianApplication();

    const juce::String getApplicationName() override;
    const juce::String getApplicationVersion() override;
    bool moreThanOneInstanceAllowed() override;

    void initialise (const juce::String& commandLine) override;
    void shutdown() override;
    void anotherInstanceStarted (const juce::String& commandLine) override;
    void systemRequestedQuit() override;

private:
    /** Everything before the window: look, objects in start-up order, MIDI,
        fonts, presets, translations and the initial library. */
    void prepareLibrary();
    void startBuiltInSynthesizer();
    void openFileFromCommandLine (const juce::String& commandLine);
    static void createMenuLayer();
    static void receiveLibrary();
    static void reopenPresetWindow();

    application::LocalSocketInstanceHandOver handOver;
    bool started = false;
    xTV200_application::ApplicationStartupProcess startupProcess;
    xTV200_ui::DefaultLookAndFeel lookAndFeel;
    midi::MidiCommunicationDialogRunner communicationDialog;
    xTV200_ui::SystemProgramClipboard programClipboard;
    std::unique_ptr<xTV200_midi::BuiltInSynthesizer> builtInSynthesizer;
};
