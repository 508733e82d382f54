#pragma once

#include <juce_core/juce_core.h>

namespace file
{
/** The codes every file reader returns. Their values are shown to users as
    texts of the strings table and must not change. */
namespace ReadResult
{
constexpr int noError = 0;
constexpr int openFile = 1;
constexpr int invalidType = 2;
constexpr int readData = 3;
constexpr int invalidProgramNumber = 4;
constexpr int differentTargetDevice = 5;
constexpr int failedToUncompressZipFile = 6;
constexpr int failedToParseXmlDocument = 7;
constexpr int invalidXmlDocument = 8;
constexpr int favoriteDataMissing = 9;
constexpr int programDataMissing = 10;
constexpr int presetInformationMissing = 11;
constexpr int failedToReadFavoriteData = 12;
constexpr int failedToReadProgramBinary = 13;
constexpr int failedToReadProgramInformation = 14;
constexpr int failedToReadPresetInformation = 15;
constexpr int failedToImportPresetData = 16;
} // namespace ReadResult

/** The codes every file writer returns. */
namespace WriteResult
{
constexpr int noError = 0;
constexpr int deleteFile = 1;
constexpr int openFile = 2;
constexpr int writeData = 3;
} // namespace WriteResult

/** The strings-table key of a read code, e.g. "ReadErrorFavoriteDataMissing"
    for 9; an empty string for a code outside 0-16. */
juce::String getReadResultKey (int code);

/** The strings-table key of a write code; an empty string outside 0-3. */
juce::String getWriteResultKey (int code);
} // namespace file
