#include "app/gui/TolmVESKLibrarianApplication.h"

#include "app/ApplicationInfo.h"
#include "app/ApplicationUndoManager.h"
#include "app/CommandLineProcessor.h"
#include "app/FileAccessProcessor.h"
#include "app/LibraryEditProcessor.h"
#include "app/PreferencesDataUpdater.h"
#include "app/StartupSingletons.h"
#include "data/DataCenter.h"
#include "file/PresetFileManager.h"
#include "midi/MidiCommunicationManager.h"
#include "ui/MainWindowManager.h"
#include "ui/NamedFonts.h"
#include "ui/state/ModalDialogState.h"

TolmVESKLibrarianApplication::TolmVESKLibrarianApplication()
    : handOver (application::LocalSocketInstanceHandOver::getDefaultFolder())
    , startupProcess ({[this] { receiveLibrary(); }, {}})
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
    using namespace xTV200_application;

    if (! handOver.becomePrimary (*this))
    {
        handOver.sendToPrimary (commandLine);
        setApplicationReturnValue (0);
        quit();
        return;
    }

    started = true;
    juce::LookAndFeel::setDefaultLookAndFeel (&lookAndFeel);
    xTV200_ui::NamedFonts::applySystemFont (lookAndFeel);
    StartupSingletons::createInStartupOrder();

    if (getCommandLineParameterArray().contains ("--virtual-synth"))
        startBuiltInSynthesizer();

    StartupSingletons::configureMidi();
    xTV200_midi::MidiCommunicationManager::getInstance()->setRunner (&communicationDialog);
    xTV200_ui::NamedFonts::addNamedFonts();
    xTV200_preferences::PreferencesDataUpdater().applyListFontSize();
    xTV200_file::PresetFileManager::getInstance()->initialiseWithFactoryPreset();
    application::ApplicationUndoManager::getInstance()->applyLimits();
    xTV200_data::DataCenter::getInstance()->getLibrary().initialize();
    xTV200_file::PresetFileManager::getInstance()->loadInstalledPresets();

    if (xTV200_ui::MainWindowManager::getInstance()->getWindow() == nullptr)
        xTV200_ui::MainWindowManager::getInstance()->setWindow (std::make_unique<xTV200_ui::MainAppWindow>());

    openFileFromCommandLine (commandLine);
    startupProcess.start();
}

void TolmVESKLibrarianApplication::startBuiltInSynthesizer()
{
    builtInSynthesizer = std::make_unique<xTV200_midi::BuiltInSynthesizer>();

    if (juce::String error; ! builtInSynthesizer->start (error))
        DBG ("The built-in synthesizer did not start: " << error);
}

void TolmVESKLibrarianApplication::openFileFromCommandLine (const juce::String& commandLine)
{
    using xTV200_application::CommandLineProcessor;

    const auto tokens = CommandLineProcessor::tokenize (commandLine);
    const auto toOpen =
        CommandLineProcessor::findFileToOpen (tokens, juce::File::getCurrentWorkingDirectory());

    if (! toOpen.has_value() || toOpen->kind != CommandLineProcessor::FileKind::library)
        return;

    startupProcess.setFileOpenedFromCommandLine();
    xTV200_application::FileAccessProcessor().openLibraryFile (toOpen->file);
}

void TolmVESKLibrarianApplication::receiveLibrary()
{
    xTV200_data::LibraryData received;

    if (xTV200_midi::MidiCommunicationManager::getInstance()->receiveLibrary (received) != 0)
        return;

    xTV200_application::LibraryEditProcessor (xTV200_data::DataCenter::getInstance()->getLibrary(),
                                              *application::ApplicationUndoManager::getInstance())
        .receiveLibrary (received);
}

void TolmVESKLibrarianApplication::shutdown()
{
    if (! started)
        return;

    xTV200_ui::MainWindowManager::getInstance()->setWindow (nullptr);

    if (auto* communication = xTV200_midi::MidiCommunicationManager::getInstanceWithoutCreating())
        communication->setRunner (nullptr);

    builtInSynthesizer.reset();
    juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
}

void TolmVESKLibrarianApplication::anotherInstanceStarted (const juce::String& commandLine)
{
    // A command line handed over while a dialog is open is ignored.
    if (started && ! ui::ModalDialogState::getInstance()->isModal())
        openFileFromCommandLine (commandLine);
}

void TolmVESKLibrarianApplication::systemRequestedQuit()
{
    quit();
}
