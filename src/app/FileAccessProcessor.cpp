#include "app/FileAccessProcessor.h"

#include "app/ApplicationUndoManager.h"
#include "app/DataEditStatus.h"
#include "app/LastSavedFileStatus.h"
#include "app/LibraryEditProcessor.h"
#include "data/CurrentProgramData.h"
#include "data/DataCenter.h"
#include "data/DataChangeBroadcaster.h"
#include "data/PresetData.h"
#include "file/FileResultCodes.h"
#include "file/LibraryFileReader.h"
#include "file/LibraryFileWriter.h"
#include "file/PresetFileWriter.h"
#include "file/ProgramFileReader.h"
#include "file/TonexaLibraryDataImporter.h"

#include <memory>

namespace xTV200_application
{
using xTV200_data::LibraryData;

namespace
{
LibraryData& getLibrary()
{
    return xTV200_data::DataCenter::getInstance()->getLibrary();
}
} // namespace

int FileAccessProcessor::openLibraryFile (const juce::File& file)
{
    // Libraries are large; they live on the heap rather than the stack.
    auto read = std::make_unique<LibraryData>();

    const auto code = xTV200_file::LibraryFileReader (*read).read (file);

    if (code == file::ReadResult::noError)
        replaceLibrary (*read, file);

    return code;
}

int FileAccessProcessor::saveLibraryFile (const juce::File& file)
{
    const auto code = xTV200_file::LibraryFileWriter (getLibrary()).write (file);

    if (code == file::WriteResult::noError)
    {
        application::LastSavedFileStatus::getInstance()->setFile (file);
        application::DataEditStatus::getInstance()->clearModified();
    }

    return code;
}

int FileAccessProcessor::loadProgramFile (const juce::File& file, int programIndex)
{
    if (! juce::isPositiveAndBelow (programIndex, LibraryData::numPrograms))
        return file::ReadResult::invalidProgramNumber;

    xTV200_data::ProgramData read;
    const auto code = xTV200_file::ProgramFileReader (read).read (file);

    if (code == file::ReadResult::noError)
        LibraryEditProcessor().loadProgram (programIndex, read);

    return code;
}

int FileAccessProcessor::importTonexaFile (const juce::File& file)
{
    auto imported = std::make_unique<LibraryData>();

    const auto code = xTV200_file::TonexaLibraryDataImporter (*imported).read (file);

    // The imported library belongs to no file of ours: it is untitled.
    if (code == file::ReadResult::noError)
        replaceLibrary (*imported, {});

    return code;
}

int FileAccessProcessor::makePresetFile (const juce::File& file,
                                         const xTV200_data::PresetInformation& presetInformation)
{
    const auto preset = xTV200_data::PresetData::makeFromLibrary (getLibrary(), presetInformation);
    return xTV200_file::PresetFileWriter (*preset).write (file);
}

void FileAccessProcessor::newLibrary()
{
    auto initial = std::make_unique<LibraryData>();
    initial->initialize();
    replaceLibrary (*initial, {});
}

void FileAccessProcessor::replaceLibrary (const LibraryData& replacement, const juce::File& documentFile)
{
    getLibrary().copyFrom (replacement);
    data::DataChangeBroadcaster::getInstance()->triggerAsyncUpdate();

    auto* currentProgram = xTV200_data::CurrentProgramData::getInstance();

    if (currentProgram->getMode() == xTV200_data::CurrentProgramData::libraryProgram)
        currentProgram->triggerAsyncUpdate();

    application::LastSavedFileStatus::getInstance()->setFile (documentFile);
    application::DataEditStatus::getInstance()->clearModified();

    // The history's edits belonged to the library that is gone.
    application::ApplicationUndoManager::getInstance()->clearUndoHistory();
}
} // namespace xTV200_application
