#include "app/gui/FileDialogProcessor.h"

#include "app/CTRVResource.h"
#include "app/FileAccessProcessor.h"
#include "app/LastSavedFileStatus.h"
#include "app/gui/FileDiscardChecker.h"
#include "app/gui/FileErrorAlert.h"
#include "data/DataCenter.h"
#include "data/PresetInformation.h"
#include "file/ProgramFileWriter.h"
#include "ui/ModalDialogRunner.h"
#include "ui/PresetInformationEditComponent.h"
#include "ui/state/ModalDialogState.h"
#include "ui/state/SelectedProgramStatus.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <optional>

namespace xTV200_application
{
namespace
{
    FileDialogProcessor::ChooserResponder& currentResponder()
    {
        static FileDialogProcessor::ChooserResponder responder;
        return responder;
    }

    const juce::String libraryExtension (".tvlib");
    const juce::String programExtension (".tvprog");
    const juce::String tonexaExtension (".XTV200_all");
    const juce::String presetExtension (".tvpreset");

    constexpr bool openDialog = false;
    constexpr bool saveDialog = true;

    /** Read codes go to the read alert, write codes to the write alert. */
    bool succeeded (int code, bool isWrite)
    {
        if (code == 0)
            return true;

        isWrite ? FileErrorAlert().showWriteError (code) : FileErrorAlert().showReadError (code);
        return false;
    }

    /** The bundle's header as entered in the preset information dialog;
        nothing when the user left it any other way than by OK (Cancel,
        Escape, the close button), so that no bundle goes out with an empty
        header by accident. */
    std::optional<xTV200_data::PresetInformation> askForPresetInformation()
    {
        const ui::ModalDialogState::Guard guard;

        if (guard.isBusy())
            return std::nullopt;

        xTV200_ui::PresetInformationEditComponent editor;
        const auto result = ui::ModalDialogRunner::run (
            CTRVResource::getInstance()->getText ("PresetInformationEditTitle"), editor);

        if (result != xTV200_ui::PresetInformationEditComponent::confirmedResult)
            return std::nullopt;

        return editor.getInformation();
    }
} // namespace

FileDialogProcessor::ScopedChooserResponder::ScopedChooserResponder (ChooserResponder responderToUse)
    : previous (std::move (currentResponder()))
{
    currentResponder() = std::move (responderToUse);
}

FileDialogProcessor::ScopedChooserResponder::~ScopedChooserResponder()
{
    currentResponder() = std::move (previous);
}

bool FileDialogProcessor::open()
{
    if (isModalDialogOpen() || application::FileDiscardChecker().check() != 0)
        return false;

    const auto file = chooseFile ("FileOpenLibraryTitle", libraryExtension, openDialog);
    return file != juce::File() && succeeded (FileAccessProcessor().openLibraryFile (file), false);
}

bool FileDialogProcessor::save()
{
    if (isModalDialogOpen())
        return false;

    const auto file = application::LastSavedFileStatus::getInstance()->getFile();

    if (file == juce::File())
        return saveAs();

    return succeeded (FileAccessProcessor().saveLibraryFile (file), true);
}

bool FileDialogProcessor::saveAs()
{
    if (isModalDialogOpen())
        return false;

    const auto file = chooseFile ("FileSaveLibraryTitle", libraryExtension, saveDialog);
    return file != juce::File() && succeeded (FileAccessProcessor().saveLibraryFile (file), true);
}

bool FileDialogProcessor::loadProgram()
{
    const auto programIndex = firstSelectedProgram();

    if (isModalDialogOpen() || programIndex < 0)
        return false;

    const auto file = chooseFile ("FileLoadProgramTitle", programExtension, openDialog);
    return file != juce::File() && succeeded (FileAccessProcessor().loadProgramFile (file, programIndex), false);
}

bool FileDialogProcessor::saveProgram()
{
    const auto programIndex = firstSelectedProgram();

    if (isModalDialogOpen() || programIndex < 0)
        return false;

    const auto file = chooseFile ("FileSaveProgramTitle", programExtension, saveDialog);

    if (file == juce::File())
        return false;

    const auto& program = xTV200_data::DataCenter::getInstance()->getLibrary().getProgram (programIndex);
    return succeeded (xTV200_file::ProgramFileWriter (program).write (file), true);
}

bool FileDialogProcessor::importTonexaFile()
{
    if (isModalDialogOpen())
        return false;

    const auto file = chooseFile ("FileImportTxTitle", tonexaExtension, openDialog);
    return file != juce::File() && succeeded (FileAccessProcessor().importTonexaFile (file), false);
}

bool FileDialogProcessor::makePresetFile()
{
    if (isModalDialogOpen())
        return false;

    const auto file = chooseFile ("FileSavePresetTitle", presetExtension, saveDialog);

    if (file == juce::File())
        return false;

    const auto information = askForPresetInformation();
    return information.has_value() && succeeded (FileAccessProcessor().makePresetFile (file, *information), true);
}

juce::File FileDialogProcessor::chooseFile (const juce::String& titleKey, const juce::String& extension, bool isSave)
{
    const ui::ModalDialogState::Guard guard;

    if (guard.isBusy())
        return {};

    const auto chosen = browse (CTRVResource::getInstance()->getText (titleKey), "*" + extension, isSave);

    // Whatever the user typed, the file gets the format's own extension.
    return chosen == juce::File() ? chosen : chosen.withFileExtension (extension);
}

juce::File FileDialogProcessor::browse (const juce::String& title, const juce::String& pattern, bool isSave)
{
    if (auto& responder = currentResponder())
        return responder (title, pattern, isSave);

    juce::FileChooser chooser (title, juce::File(), pattern, true);
    const auto chosen = isSave ? chooser.browseForFileToSave (true) : chooser.browseForFileToOpen();
    return chosen ? chooser.getResult() : juce::File();
}

bool FileDialogProcessor::isModalDialogOpen()
{
    return ui::ModalDialogState::getInstance()->isModal();
}

int FileDialogProcessor::firstSelectedProgram()
{
    const auto& selection = ui::SelectedProgramStatus::getInstance()->getSelection();
    return selection.empty() ? -1 : selection.front();
}
} // namespace xTV200_application
