#include "tolmvesk/LoadedFile.h"

#include "file/FileResultCodes.h"
#include "file/LibraryFileReader.h"
#include "file/PresetFileReader.h"
#include "file/ProgramFileReader.h"
#include "file/TonexaLibraryDataImporter.h"

namespace tolmvesk
{
namespace
{
template <typename Record, typename Reader>
int readInto (const juce::File& file, std::unique_ptr<Record>& target)
{
    auto record = std::make_unique<Record>();

    if (const auto code = Reader (*record).read (file); code != file::ReadResult::noError)
        return code;

    target = std::move (record);
    return file::ReadResult::noError;
}
} // namespace

int LoadedFile::load (const juce::File& file, FileKind kindToRead)
{
    kind = FileKind::unknown;
    library.reset();
    preset.reset();
    program.reset();

    auto code = file::ReadResult::failedToUncompressZipFile;

    switch (kindToRead)
    {
    case FileKind::library:
        code = readInto<xTV200_data::LibraryData, xTV200_file::LibraryFileReader> (file, library);
        break;
    case FileKind::olderEditorLibrary:
        code = readInto<xTV200_data::LibraryData, xTV200_file::TonexaLibraryDataImporter> (file, library);
        break;
    case FileKind::preset:
        code = readInto<xTV200_data::PresetData, xTV200_file::PresetFileReader> (file, preset);
        break;
    case FileKind::program:
        code = readInto<xTV200_data::ProgramData, xTV200_file::ProgramFileReader> (file, program);
        break;
    case FileKind::unknown:
        jassertfalse; // the caller rejects unknown extensions as a wrong command line
        break;
    }

    if (code == file::ReadResult::noError)
        kind = kindToRead;

    return code;
}

int LoadedFile::getNumPrograms() const noexcept
{
    if (library != nullptr)
        return xTV200_data::LibraryData::numPrograms;

    if (preset != nullptr)
        return xTV200_data::PresetData::numPrograms;

    return program != nullptr ? 1 : 0;
}

const xTV200_data::ProgramData& LoadedFile::getProgram (int index) const
{
    if (library != nullptr)
        return library->getProgram (index);

    if (preset != nullptr)
        return preset->getProgram (index);

    jassert (program != nullptr && index == 0);
    static const xTV200_data::ProgramData none;
    return program != nullptr ? *program : none;
}
} // namespace tolmvesk
