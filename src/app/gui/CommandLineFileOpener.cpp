#include "app/gui/CommandLineFileOpener.h"

#include "app/CommandLineProcessor.h"
#include "app/FileAccessProcessor.h"
#include "app/gui/FileDiscardChecker.h"
#include "app/gui/FileErrorAlert.h"
#include "file/PresetFileManager.h"
#include "file/FileResultCodes.h"
#include "ui/state/ModalDialogState.h"
#include "ui/state/SelectedProgramStatus.h"

namespace xTV200_application
{
void CommandLineFileOpener::process (const juce::String& commandLine, const juce::File& workingDirectory)
{
    if (ui::ModalDialogState::getInstance()->isModal())
        return;

    const auto toOpen =
        CommandLineProcessor::findFileToOpen (CommandLineProcessor::tokenize (commandLine), workingDirectory);

    if (! toOpen.has_value())
        return;

    switch (toOpen->kind)
    {
        case CommandLineProcessor::FileKind::library:
            startupProcess.setFileOpenedFromCommandLine();
            openLibrary (toOpen->file);
            break;
        case CommandLineProcessor::FileKind::program:
            startupProcess.setFileOpenedFromCommandLine();
            loadProgram (toOpen->file);
            break;
        case CommandLineProcessor::FileKind::preset:
            installPreset (toOpen->file);
            break;
    }
}

void CommandLineFileOpener::openLibrary (const juce::File& file)
{
    if (application::FileDiscardChecker().check() != 0)
        return;

    if (const auto code = FileAccessProcessor().openLibraryFile (file); code != 0)
        FileErrorAlert().showReadError (code);
}

void CommandLineFileOpener::loadProgram (const juce::File& file)
{
    const auto& selection = ui::SelectedProgramStatus::getInstance()->getSelection();

    if (selection.empty())
        return;

    if (const auto code = FileAccessProcessor().loadProgramFile (file, selection.front()); code != 0)
        FileErrorAlert().showReadError (code);
}

void CommandLineFileOpener::installPreset (const juce::File& file)
{
    auto* presets = xTV200_file::PresetFileManager::getInstance();

    if (! presets->installPresetFile (file))
    {
        FileErrorAlert().showReadError (file::ReadResult::failedToImportPresetData);
        return;
    }

    if (const auto code = presets->loadInstalledPresets(); code != 0)
        FileErrorAlert().showReadError (code);
}
} // namespace xTV200_application
