#include "app/gui/TolmVESKLibrarianApplication.h"

#include "app/ApplicationInfo.h"
#include "app/ApplicationUndoManager.h"
#include "app/FrameworkTranslations.h"
#include "app/PreferencesDataUpdater.h"
#include "app/StartupSingletons.h"
#include "app/gui/ApplicationMenuManager.h"
#include "app/gui/CommandLineFileOpener.h"
#include "app/gui/FileDiscardChecker.h"
#include "data/DataCenter.h"
#include "file/PresetFileManager.h"
#include "midi/MidiCommunicationManager.h"
#include "ui/MainWindowManager.h"
#include "ui/PresetWindowManager.h"
#include "ui/NamedFonts.h"

TolmVESKLibrarianApplication::TolmVESKLibrarianApplication()
    : handOver (application::LocalSocketInstanceHandOver::getDefaultFolder())
    , startupProcess ({[] { receiveLibrary(); }, {}, [] { reopenPresetWindow(); }})
{
}

const juce::String TolmVESKLibrarianApplication::getApplicationName()
{
    return xTV200_application::ApplicationInfo::name;
}

const juce::String TolmVESKLibrarianApplication::getApplicationVersion()
{
    return xTV200_application::ApplicationInfo::version;
}

bool TolmVESKLibrarianApplication::moreThanOneInstanceAllowed()
{
    // The framework's single-instance hand-over does nothing on Linux: ours,
    // in initialise(), takes its place.
    return true;
}

void TolmVESKLibrarianApplication::initialise (const juce::String& commandLine)
{
    if (! handOver.becomePrimary (*this))
    {
        handOver.sendToPrimary (commandLine);
        setApplicationReturnValue (0);
        quit();
        return;
    }

    started = true;
    prepareLibrary();

    if (xTV200_ui::MainWindowManager::getInstance()->getWindow() == nullptr)
        xTV200_ui::MainWindowManager::getInstance()->setWindow (std::make_unique<xTV200_ui::MainAppWindow>());

    openFileFromCommandLine (commandLine);
    startupProcess.start();
}

void TolmVESKLibrarianApplication::prepareLibrary()
{
    using namespace xTV200_application;

    juce::LookAndFeel::setDefaultLookAndFeel (&lookAndFeel);
    xTV200_ui::NamedFonts::applySystemFont (lookAndFeel);
    const bool isJapanese = StartupSingletons::createInStartupOrder (&createMenuLayer);

    if (getCommandLineParameterArray().contains ("--virtual-synth"))
        startBuiltInSynthesizer();

    StartupSingletons::configureMidi();
    xTV200_midi::MidiCommunicationManager::getInstance()->setRunner (&communicationDialog);
    auto& commands = xTV200_menu::ApplicationMenuManager::getInstance()->getCommands();
    commands.setProgramClipboard (&programClipboard);
    commands.setOpenPresetWindowCallback ([] { xTV200_ui::PresetWindowManager::getInstance()->openOrBringToFront(); });
    xTV200_ui::NamedFonts::addNamedFonts();
    xTV200_preferences::PreferencesDataUpdater().applyListFontSize();
    xTV200_file::PresetFileManager::getInstance()->initialiseWithFactoryPreset();

    if (isJapanese)
        application::FrameworkTranslations::install();

    application::ApplicationUndoManager::getInstance()->applyLimits();
    xTV200_data::DataCenter::getInstance()->getLibrary().initialize();
    xTV200_file::PresetFileManager::getInstance()->loadInstalledPresets();
}

void TolmVESKLibrarianApplication::createMenuLayer()
{
    xTV200_menu::ApplicationMenuManager::getInstance();
}

void TolmVESKLibrarianApplication::startBuiltInSynthesizer()
{
    // The same flags as the command-line tool's emulator: a write-protected
    // or wire-paced synthesizer shows the failure and the progress of a
    // transfer without hardware.
    const auto parameters = getCommandLineParameterArray();
    xTV200_midi::SynthesizerEmulatorOptions options;
    options.writeProtected = parameters.contains ("--write-protect");
    options.pacedAtWireRate = parameters.contains ("--paced");
    builtInSynthesizer = std::make_unique<xTV200_midi::BuiltInSynthesizer> (options);

    if (juce::String error; ! builtInSynthesizer->start (error))
    {
        DBG ("The built-in synthesizer did not start: " << error);
    }
}

void TolmVESKLibrarianApplication::openFileFromCommandLine (const juce::String& commandLine)
{
    xTV200_application::CommandLineFileOpener (startupProcess)
        .process (commandLine, juce::File::getCurrentWorkingDirectory());
}

void TolmVESKLibrarianApplication::reopenPresetWindow()
{
    xTV200_ui::PresetWindowManager::getInstance()->openWindow();

    // The preset window opens behind the main window.
    if (auto* window = xTV200_ui::MainWindowManager::getInstance()->getWindow())
        window->toFront (true);
}

void TolmVESKLibrarianApplication::receiveLibrary()
{
    // Through the command manager, so that a dialog open at that moment
    // (the command is then disabled) stops it like a click on the menu would.
    xTV200_menu::ApplicationMenuManager::getInstance()->getCommandManager().invokeDirectly (
        xTV200_menu::ApplicationMenuCommands::midiReceiveLibrary, false);
}

void TolmVESKLibrarianApplication::shutdown()
{
    if (! started)
        return;

    // The preset window must go while the look and feel it uses still exists;
    // it is reopened at the next start if it was open now.
    if (auto* presetWindows = xTV200_ui::PresetWindowManager::getInstanceWithoutCreating())
        presetWindows->deleteWindowKeepingSetting();

    xTV200_ui::MainWindowManager::getInstance()->setWindow (nullptr);

    if (auto* menus = xTV200_menu::ApplicationMenuManager::getInstanceWithoutCreating())
        menus->getCommands().setProgramClipboard (nullptr);

    if (auto* communication = xTV200_midi::MidiCommunicationManager::getInstanceWithoutCreating())
        communication->setRunner (nullptr);

    builtInSynthesizer.reset();
    juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
}

void TolmVESKLibrarianApplication::anotherInstanceStarted (const juce::String& commandLine)
{
    if (started)
        openFileFromCommandLine (commandLine);
}

void TolmVESKLibrarianApplication::systemRequestedQuit()
{
    if (auto* window = xTV200_ui::MainWindowManager::getInstance()->getWindow())
        window->toFront (true);

    if (application::FileDiscardChecker().check() == 0)
        quit();
}
