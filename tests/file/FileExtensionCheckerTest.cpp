#include "file/FileExtensionChecker.h"
#include "app/LocalizedText.h"
#include "file/FileResultCodes.h"

#include <gtest/gtest.h>

namespace
{
TEST (FileExtensionChecker, ReplacesOnlyTheLastExtension)
{
    const auto folder = juce::File::getSpecialLocation (juce::File::tempDirectory).getChildFile ("music");

    const struct
    {
        const char* extension;
        const char* chosenName;
        const char* expectedName;
    } cases[] = {
        {".tvlib", "my.lib", "my.tvlib"},
        {"tvlib", "my.tvlib", "my.tvlib"},
        {".tvprog", "Lead.txt", "Lead.tvprog"},
        {".tvprog", "Lead", "Lead.tvprog"},
        {".tvpreset", "Live 2024", "Live 2024.tvpreset"},
        {".tvpreset", "set.v2.zip", "set.v2.tvpreset"},
    };

    for (const auto& c : cases)
    {
        const file::FileExtensionChecker checker (c.extension);
        EXPECT_TRUE (checker.getExtension().startsWithChar ('.'));
        EXPECT_EQ (checker.applyTo (folder.getChildFile (c.chosenName)), folder.getChildFile (c.expectedName))
            << c.chosenName << " with " << c.extension;
    }
}

TEST (FileResultCodes, NamesEachCodeByItsStringsTableKey)
{
    EXPECT_EQ (file::getReadResultKey (file::ReadResult::noError), "ReadErrorNoError");
    EXPECT_EQ (file::getReadResultKey (file::ReadResult::differentTargetDevice),
               "ReadErrorDifferentTargetDevice");
    EXPECT_EQ (file::getReadResultKey (file::ReadResult::failedToReadProgramBinary),
               "ReadErrorFailedToReadProgramBinary");
    EXPECT_EQ (file::getReadResultKey (file::ReadResult::failedToImportPresetData),
               "ReadErrorFailedToImportPresetData");
    EXPECT_EQ (file::getReadResultKey (17), "");
    EXPECT_EQ (file::getReadResultKey (-1), "");

    EXPECT_EQ (file::getWriteResultKey (file::WriteResult::deleteFile), "WriteErrorDeleteFile");
    EXPECT_EQ (file::getWriteResultKey (file::WriteResult::writeData), "WriteErrorWriteData");
    EXPECT_EQ (file::getWriteResultKey (4), "");
}

TEST (FileResultCodes, EveryCodeHasAMessageInTheStringsTable)
{
    for (int code = 0; code <= 16; ++code)
        EXPECT_NE (getLocalizedText (file::getReadResultKey (code)), "") << "read code " << code;

    for (int code = 0; code <= 3; ++code)
        EXPECT_NE (getLocalizedText (file::getWriteResultKey (code)), "") << "write code " << code;
}
} // namespace
