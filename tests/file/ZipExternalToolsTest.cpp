#include "file/ZipCrc32.h"
#include "ZipTestSupport.h"

#include <gtest/gtest.h>

// Cross-checks with the zip tools users have: Info-ZIP's unzip and zip and
// Python's zipfile. A test is skipped when its tool is not installed.
namespace
{
bool run (const juce::StringArray& command, juce::String& output)
{
    juce::ChildProcess process;

    if (! process.start (command))
        return false;

    output = process.readAllProcessOutput();
    return process.waitForProcessToFinish (60000) && process.getExitCode() == 0;
}

bool isInstalled (const juce::String& tool)
{
    juce::String ignored;
    return run ({"sh", "-c", "command -v " + tool}, ignored);
}

class ZipExternalTools : public testing::Test
{
protected:
    void SetUp() override
    {
        folder = juce::File::createTempFile ("zip-tools");
        ASSERT_TRUE (folder.createDirectory());

        // replaceWithData() deletes the file for an empty block.
        for (const auto& entry : entries)
            ASSERT_TRUE (
                folder.getChildFile (entry.name).create().wasOk() &&
                folder.getChildFile (entry.name).appendData (entry.data.getData(), entry.data.getSize()));
    }

    void TearDown() override { folder.deleteRecursively(); }

    juce::String path (const char* name) const { return folder.getChildFile (name).getFullPathName(); }

    void expectOurReaderGetsTheFiles (const char* archiveName) const
    {
        file::MemoryBasedZipUncompressor uncompressor (folder.getChildFile (archiveName));
        ASSERT_TRUE (uncompressor.uncompressAll().wasOk()) << archiveName;
        ASSERT_EQ (uncompressor.getNumEntries(), static_cast<int> (entries.size())) << archiveName;

        for (const auto& entry : entries)
            EXPECT_TRUE (test::sameBytes (uncompressor.getEntryData (entry.name), entry.data))
                << archiveName << " " << entry.name;
    }

    const std::vector<test::ZipTestEntry> entries{
        {"numbers.txt",
         test::textBlock ("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 1 2 3 4 5 6 7 8 9 10 11 12 13"), 5},
        {"random.bin", test::randomBlock (70000, 8), 0},
        {"empty.txt", {}, 5},
    };
    juce::File folder;
};
} // namespace

TEST_F (ZipExternalTools, UnzipAndPythonAcceptOurArchives)
{
    if (! isInstalled ("unzip") || ! isInstalled ("python3"))
        GTEST_SKIP() << "unzip or python3 is not installed";

    const auto archive = test::buildArchive (entries);
    ASSERT_TRUE (folder.getChildFile ("ours.zip").replaceWithData (archive.getData(), archive.getSize()));
    juce::String output;

    EXPECT_TRUE (run ({"unzip", "-t", "-qq", path ("ours.zip")}, output)) << output;

    const char* script =
        "import sys, zipfile, zlib\n"
        "z = zipfile.ZipFile(sys.argv[1])\n"
        "assert z.testzip() is None\n"
        "for i in z.infolist():\n"
        "    print(i.filename, len(z.read(i)), '%08x' % zlib.crc32(z.read(i)), i.date_time)\n";
    ASSERT_TRUE (run ({"python3", "-c", script, path ("ours.zip")}, output)) << output;

    juce::StringArray expected;

    for (const auto& entry : entries)
        expected.add (entry.name + " " + juce::String (entry.data.getSize()) + " " +
                      juce::String::toHexString (static_cast<juce::int64> (file::ZipCrc32::of (entry.data)))
                          .paddedLeft ('0', 8) +
                      " (2013, 1, 1, 0, 0, 0)");

    EXPECT_EQ (juce::StringArray::fromLines (output.trimEnd()), expected);
}

TEST_F (ZipExternalTools, ReadsArchivesOfInfoZipWithExtraFieldsAndDataDescriptors)
{
    if (! isInstalled ("zip"))
        GTEST_SKIP() << "zip is not installed";

    juce::String output;
    const auto inFolder = "cd '" + folder.getFullPathName() + "' && ";

    // Extra fields (time stamps, owner) are written by default; writing to a
    // pipe makes zip add data descriptors behind each entry.
    ASSERT_TRUE (run ({"sh", "-c", inFolder + "zip -q plain.zip numbers.txt random.bin empty.txt"}, output))
        << output;
    ASSERT_TRUE (
        run ({"sh", "-c", inFolder + "zip -q - numbers.txt random.bin empty.txt | cat > piped.zip"}, output))
        << output;

    expectOurReaderGetsTheFiles ("plain.zip");
    expectOurReaderGetsTheFiles ("piped.zip");

    juce::MemoryBlock plain;
    ASSERT_TRUE (folder.getChildFile ("plain.zip").loadFileAsData (plain));
    EXPECT_GT (test::fieldAt (plain, 28, 2), 0u) << "expected an extra field";

    file::MemoryBasedZipUncompressor piped (folder.getChildFile ("piped.zip"));
    ASSERT_EQ (piped.getNumEntries(), 3);
    EXPECT_NE (piped.getEntryRecord (0)->flags & 8, 0) << "expected a data descriptor";
}

TEST_F (ZipExternalTools, ReadsArchivesOfPythonsZipfile)
{
    if (! isInstalled ("python3"))
        GTEST_SKIP() << "python3 is not installed";

    const char* script = "import os, sys, zipfile\n"
                         "os.chdir(sys.argv[1])\n"
                         "with zipfile.ZipFile('python.zip', 'w') as z:\n"
                         "    z.write('numbers.txt', compress_type=zipfile.ZIP_DEFLATED)\n"
                         "    z.write('random.bin', compress_type=zipfile.ZIP_STORED)\n"
                         "    z.write('empty.txt', compress_type=zipfile.ZIP_DEFLATED)\n";
    juce::String output;
    ASSERT_TRUE (run ({"python3", "-c", script, folder.getFullPathName()}, output)) << output;

    expectOurReaderGetsTheFiles ("python.zip");
}
