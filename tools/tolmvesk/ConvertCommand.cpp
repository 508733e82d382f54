#include "tolmvesk/ConvertCommand.h"

#include "file/FileResultCodes.h"
#include "file/LibraryFileWriter.h"
#include "file/PresetFileWriter.h"
#include "tolmvesk/ArgumentFile.h"
#include "tolmvesk/ExitStatus.h"
#include "tolmvesk/LoadedFile.h"
#include "tolmvesk/PresetInformationOptions.h"
#include "tolmvesk/ResultMessage.h"
#include "tolmvesk/Usage.h"

namespace tolmvesk
{
namespace
{
using xTV200_data::LibraryData;
using xTV200_data::PresetData;

struct ConvertRequest
{
    juce::StringArray files;
    xTV200_data::PresetInformation information;
    bool hasPresetInformation = false;
};

/** Sorts the arguments into the two files and the preset information; the
    text of what is wrong, or an empty text. */
juce::String parseArguments (const juce::StringArray& arguments, ConvertRequest& request)
{
    static const juce::String option ("--preset-info");

    for (int i = 0; i < arguments.size(); ++i)
    {
        const auto& argument = arguments[i];
        juce::String keyAndValue;

        if (argument == option)
        {
            if (++i >= arguments.size())
                return option + " needs KEY=VALUE";

            keyAndValue = arguments[i];
        }
        else if (argument.startsWith (option + "="))
        {
            keyAndValue = argument.substring (option.length() + 1);
        }
        else if (argument.startsWith ("-"))
        {
            return "unknown option " + argument.quoted();
        }
        else
        {
            request.files.add (argument);
            continue;
        }

        if (const auto problem = applyPresetInformationOption (keyAndValue, request.information);
            problem.isNotEmpty())
            return problem;

        request.hasPresetInformation = true;
    }

    if (request.files.size() != 2)
        return "convert takes an input and an output file";

    return {};
}

/** A library holding a preset's programs; the favourites stay initial. */
std::unique_ptr<LibraryData> makeLibrary (const PresetData& preset)
{
    auto library = std::make_unique<LibraryData>();

    for (int index = 0; index < LibraryData::numPrograms; ++index)
        library->getProgram (index) = preset.getProgram (index);

    return library;
}

bool isSupportedPair (FileKind input, FileKind output)
{
    if (output == FileKind::preset)
        return input == FileKind::library;

    if (output == FileKind::library)
        return input == FileKind::preset || input == FileKind::olderEditorLibrary;

    return false;
}

juce::String describeKind (FileKind kind, const juce::File& file)
{
    if (kind == FileKind::unknown)
        return "a file of unknown kind (" + file.getFileExtension().quoted() + ")";

    if (kind == FileKind::olderEditorLibrary)
        return "an older editor's library";

    return "a " + getKindName (kind);
}

int write (const LoadedFile& input, const ConvertRequest& request, const juce::File& outputFile)
{
    if (const auto* library = input.getLibrary(); library != nullptr)
    {
        if (getFileKind (outputFile) == FileKind::library)
            return xTV200_file::LibraryFileWriter (*library).write (outputFile);

        const auto preset = PresetData::makeFromLibrary (*library, request.information);
        return xTV200_file::PresetFileWriter (*preset).write (outputFile);
    }

    const auto library = makeLibrary (*input.getPreset());
    return xTV200_file::LibraryFileWriter (*library).write (outputFile);
}
} // namespace

int runConvertCommand (const juce::StringArray& arguments, std::ostream& out, std::ostream& err)
{
    ConvertRequest request;

    if (const auto problem = parseArguments (arguments, request); problem.isNotEmpty())
        return reportWrongCommandLine (err, problem);

    const auto inputFile = getArgumentFile (request.files[0]);
    const auto outputFile = getArgumentFile (request.files[1]);
    const auto inputKind = getFileKind (inputFile);
    auto outputKind = getFileKind (outputFile);

    // An installed preset is written by the librarian when it installs a bundle.
    if (outputKind == FileKind::preset && ! outputFile.getFileExtension().equalsIgnoreCase (".tvpreset"))
        outputKind = FileKind::unknown;

    if (! isSupportedPair (inputKind, outputKind))
        return reportWrongCommandLine (err, "cannot convert " + describeKind (inputKind, inputFile) +
                                                " into " + describeKind (outputKind, outputFile) +
                                                "; convert turns .tvlib into .tvpreset, and .tvpreset, "
                                                ".itvpreset or .XTV200_all into .tvlib");

    if (request.hasPresetInformation && outputKind != FileKind::preset)
        return reportWrongCommandLine (err, "--preset-info applies only when writing a .tvpreset file");

    LoadedFile input;

    if (const auto code = input.load (inputFile, inputKind); code != file::ReadResult::noError)
        return reportReadError (err, code);

    if (const auto code = write (input, request, outputFile); code != file::WriteResult::noError)
        return reportWriteError (err, code);

    out << "Wrote " << getKindName (outputKind) << ' ' << outputFile.getFullPathName() << '\n';
    return ExitStatus::success;
}
} // namespace tolmvesk
