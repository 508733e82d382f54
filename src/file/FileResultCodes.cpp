#include "file/FileResultCodes.h"

namespace file
{
namespace
{
template <size_t size>
juce::String keyAt (const char* const (&keys)[size], int code)
{
    return juce::isPositiveAndBelow (code, static_cast<int> (size)) ? juce::String (keys[code])
                                                                    : juce::String();
}
} // namespace

juce::String getReadResultKey (int code)
{
    static const char* const keys[] = {
        "ReadErrorNoError",
        "ReadErrorOpenFile",
        "ReadErrorInvalidType",
        "ReadErrorReadData",
        "ReadErrorInvalidProgramNumber",
        "ReadErrorDifferentTargetDevice",
        "ReadErrorFailedToUncompressZipFile",
        "ReadErrorFailedToParseXmlDocument",
        "ReadErrorInvalidXmlDocument",
        "ReadErrorFavoriteDataMissing",
        "ReadErrorProgramDataMissing",
        "ReadErrorPresetInformationMissing",
        "ReadErrorFailedToReadFavoriteData",
        "ReadErrorFailedToReadProgramBinary",
        "ReadErrorFailedToReadProgramInformation",
        "ReadErrorFailedToReadPresetInformation",
        "ReadErrorFailedToImportPresetData",
    };

    return keyAt (keys, code);
}

juce::String getWriteResultKey (int code)
{
    static const char* const keys[] = {
        "WriteErrorNoError",
        "WriteErrorDeleteFile",
        "WriteErrorOpenFile",
        "WriteErrorWriteData",
    };

    return keyAt (keys, code);
}
} // namespace file
