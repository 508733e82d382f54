#include "file/PresetFileManager.h"
#include "data/CurrentProgramData.h"
#include "data/DataCenter.h"
#include "data/PresetDataChangeBroadcaster.h"
#include "file/FileResultCodes.h"
#include "file/PresetFileReader.h"
#include "file/PresetFileWriter.h"
#include "support/FreshSingletons.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

namespace
{
using xTV200_data::PresetData;
using xTV200_file::PresetFileManager;

/** A preset whose first program carries mark, so that tests can tell which
    file a loaded preset came from. */
std::unique_ptr<PresetData> makePreset (const juce::String& dataID, juce::uint8 mark)
{
    auto preset = std::make_unique<PresetData>();
    preset->getInformation().dataID = dataID;
    preset->getInformation().name = "Bundle " + dataID;
    preset->getInformation().version = 1;
    preset->getProgram (0).setByte (20, mark);
    return preset;
}

juce::uint8 markOf (const PresetData& preset)
{
    return preset.getProgram (0).getByte (20);
}

class PresetObserver final : public data::PresetDataChangeBroadcasterObserver
{
public:
    void presetDataChanged() override { ++calls; }
    int calls = 0;
};

class PresetFileManagerTest : public test::FreshSingletons
{
protected:
    juce::File writePresetFile (const juce::String& dataID, juce::uint8 mark)
    {
        const auto file = sources.getChildFile ("Source" + juce::String (fileCount++) + ".tvpreset");
        EXPECT_EQ (xTV200_file::PresetFileWriter (*makePreset (dataID, mark)).write (file),
                   file::WriteResult::noError);
        return file;
    }

    juce::MemoryBlock presetBytes (const juce::String& dataID, juce::uint8 mark)
    {
        juce::MemoryBlock bytes;
        writePresetFile (dataID, mark).loadFileAsData (bytes);
        return bytes;
    }

    juce::Array<juce::File> installedCopies() const
    {
        return presetFolder.findChildFiles (juce::File::findFiles, false, "*.itvpreset");
    }

    static xTV200_data::PresetLibrary& presets()
    {
        return xTV200_data::DataCenter::getInstance()->getPresets();
    }

    test::TemporaryFolder sources;
    test::TemporaryFolder root;
    const juce::File presetFolder = root.getChildFile ("Preset Data");
    int fileCount = 0;
};
} // namespace

TEST_F (PresetFileManagerTest, InstallingTheSamePresetTwiceKeepsOneEntryAndOneCopyHoldingTheNewer)
{
    PresetFileManager manager (presetFolder);

    ASSERT_TRUE (manager.installPresetFile (writePresetFile ("TV-0001", 1)));
    ASSERT_TRUE (manager.installPresetFile (writePresetFile ("TV-0001", 2)));

    EXPECT_EQ (manager.getNumInstalledPresets(), 1);
    EXPECT_EQ (installedCopies().size(), 1);
    ASSERT_EQ (manager.loadInstalledPresets(), file::ReadResult::noError);
    ASSERT_EQ (presets().getNumPresets(), 1);
    EXPECT_EQ (markOf (presets().getPreset (0)), 2);

    // The index on disk says the same to the next start.
    EXPECT_EQ (PresetFileManager (presetFolder).getNumInstalledPresets(), 1);
}

TEST_F (PresetFileManagerTest, ASecondBundleIsAppendedAndWrittenToTheIndex)
{
    PresetFileManager manager (presetFolder);
    ASSERT_TRUE (manager.installPresetFile (writePresetFile ("TV-A", 1)));
    ASSERT_TRUE (manager.installPresetFile (writePresetFile ("TV-B", 2)));

    const auto index = juce::parseXML (manager.getIndexFile());
    ASSERT_NE (index, nullptr);
    EXPECT_EQ (index->getTagName(), "TolmVESK_PresetInformation");
    ASSERT_EQ (index->getNumChildElements(), 2);
    EXPECT_EQ (index->getChildElement (1)->getChildByName ("DataID")->getAllSubText(), "TV-B");
    EXPECT_EQ (index->getChildElement (1)->getChildByName ("File")->getAllSubText(), "TV-B.itvpreset");

    PresetFileManager restarted (presetFolder);
    ASSERT_EQ (restarted.loadInstalledPresets(), file::ReadResult::noError);
    ASSERT_EQ (presets().getNumPresets(), 2);
    EXPECT_EQ (presets().getPreset (0).getInformation().dataID, "TV-A");
    EXPECT_EQ (markOf (presets().getPreset (1)), 2);
}

TEST_F (PresetFileManagerTest, FirstStartInstallsTheFactoryBundleAndTheNextStartDoesNot)
{
    const auto factory = presetBytes ("Factory-1", 7);
    {
        PresetFileManager firstStart (presetFolder);
        ASSERT_EQ (firstStart.initialiseAtStartup (factory.getData(), factory.getSize()),
                   file::ReadResult::noError);
        ASSERT_EQ (presets().getNumPresets(), 1);
        EXPECT_EQ (presets().getPreset (0).getInformation().dataID, "Factory-1");
        EXPECT_EQ (markOf (presets().getPreset (0)), 7);
    }

    // A bundle of another DataID would be appended if it were installed again.
    const auto laterFactory = presetBytes ("Factory-2", 8);
    PresetFileManager nextStart (presetFolder);
    ASSERT_EQ (nextStart.initialiseAtStartup (laterFactory.getData(), laterFactory.getSize()),
               file::ReadResult::noError);
    ASSERT_EQ (presets().getNumPresets(), 1);
    EXPECT_EQ (presets().getPreset (0).getInformation().dataID, "Factory-1");
}

TEST_F (PresetFileManagerTest, FirstStartInstallsTheEmbeddedFactoryBundle)
{
    PresetFileManager firstStart (presetFolder);
    ASSERT_EQ (firstStart.initialiseWithFactoryPreset(), file::ReadResult::noError);

    ASSERT_EQ (presets().getNumPresets(), 1);
    const auto& factory = presets().getPreset (0);
    EXPECT_EQ (factory.getInformation().name, "Factory");
    EXPECT_NE (factory.getProgram (0).getHash(), xTV200_data::ProgramData().getHash());
    EXPECT_EQ (presetFolder.getNumberOfChildFiles (juce::File::findFiles, "*.itvpreset"), 1);

    PresetFileManager nextStart (presetFolder);
    ASSERT_EQ (nextStart.initialiseWithFactoryPreset(), file::ReadResult::noError);
    EXPECT_EQ (presets().getNumPresets(), 1);
    EXPECT_EQ (presetFolder.getNumberOfChildFiles (juce::File::findFiles, "*.itvpreset"), 1);
}

TEST_F (PresetFileManagerTest, AMissingInstalledFileStopsLoadingWithTheReadersCodeAndKeepsThePresetsBefore)
{
    PresetFileManager manager (presetFolder);
    for (const auto* id : {"TV-A", "TV-B", "TV-C"})
        ASSERT_TRUE (manager.installPresetFile (writePresetFile (id, 1)));

    const auto missing = presetFolder.getChildFile ("TV-B.itvpreset");
    ASSERT_TRUE (missing.deleteFile());
    PresetData unused;
    const auto readersCode = xTV200_file::PresetFileReader (unused).read (missing);
    ASSERT_NE (readersCode, file::ReadResult::noError);

    PresetObserver observer;
    data::PresetDataChangeBroadcaster::getInstance()->addObserver (&observer);

    EXPECT_EQ (manager.loadInstalledPresets(), readersCode);
    ASSERT_EQ (presets().getNumPresets(), 1);
    EXPECT_EQ (presets().getPreset (0).getInformation().dataID, "TV-A");

    // The views must learn that the collection shrank.
    test::deliverPendingMessages();
    EXPECT_EQ (observer.calls, 1);
    data::PresetDataChangeBroadcaster::getInstance()->removeObserver (&observer);
}

TEST_F (PresetFileManagerTest, AReloadTellsThePresetObserversOnceAndACurrentLibraryProgram)
{
    PresetFileManager manager (presetFolder);
    ASSERT_TRUE (manager.installPresetFile (writePresetFile ("TV-A", 1)));
    ASSERT_TRUE (manager.installPresetFile (writePresetFile ("TV-B", 2)));

    auto* currentProgram = xTV200_data::CurrentProgramData::getInstance();
    currentProgram->selectLibraryPrograms ({4});
    test::deliverPendingMessages();

    PresetObserver presetObserver;
    struct : xTV200_data::CurrentProgramDataObserver
    {
        void currentProgramChanged() override { ++calls; }
        int calls = 0;
    } programObserver;
    data::PresetDataChangeBroadcaster::getInstance()->addObserver (&presetObserver);
    currentProgram->addObserver (&programObserver);

    ASSERT_EQ (manager.loadInstalledPresets(), file::ReadResult::noError);
    test::deliverPendingMessages();
    EXPECT_EQ (presetObserver.calls, 1);
    EXPECT_EQ (programObserver.calls, 1);

    // With no library program current only the presets' observers are told.
    currentProgram->selectLibraryPrograms ({});
    test::deliverPendingMessages();
    programObserver.calls = 0;
    ASSERT_EQ (manager.loadInstalledPresets(), file::ReadResult::noError);
    test::deliverPendingMessages();
    EXPECT_EQ (presetObserver.calls, 2);
    EXPECT_EQ (programObserver.calls, 0);

    currentProgram->removeObserver (&programObserver);
    data::PresetDataChangeBroadcaster::getInstance()->removeObserver (&presetObserver);
}

TEST_F (PresetFileManagerTest, AnIndexThatCannotBeReplacedKeepsTheOldOneAndLeavesNoCopyBehind)
{
    PresetFileManager manager (presetFolder);
    ASSERT_TRUE (manager.installPresetFile (writePresetFile ("TV-A", 1)));

    const auto indexFile = manager.getIndexFile();
    const auto before = indexFile.loadFileAsString();
    ASSERT_TRUE (indexFile.setReadOnly (true));

    EXPECT_FALSE (manager.installPresetFile (writePresetFile ("TV-B", 2)));

    indexFile.setReadOnly (false);
    EXPECT_EQ (indexFile.loadFileAsString(), before);
    EXPECT_EQ (manager.getNumInstalledPresets(), 1);
    EXPECT_EQ (installedCopies().size(), 1);

    // The failed installation left the manager able to try again.
    EXPECT_TRUE (manager.installPresetFile (writePresetFile ("TV-B", 2)));
    EXPECT_EQ (manager.getNumInstalledPresets(), 2);
}

TEST_F (PresetFileManagerTest, AnInstalledCopyThatCannotBeReplacedStaysAsItWas)
{
    PresetFileManager manager (presetFolder);
    ASSERT_TRUE (manager.installPresetFile (writePresetFile ("TV-A", 1)));
    const auto copy = presetFolder.getChildFile ("TV-A.itvpreset");
    ASSERT_TRUE (copy.setReadOnly (true));

    EXPECT_FALSE (manager.installPresetFile (writePresetFile ("TV-A", 2)));

    copy.setReadOnly (false);
    ASSERT_EQ (manager.loadInstalledPresets(), file::ReadResult::noError);
    EXPECT_EQ (markOf (presets().getPreset (0)), 1);
}

TEST_F (PresetFileManagerTest, AFileThatIsNotAPresetFileInstallsNothing)
{
    PresetFileManager manager (presetFolder);
    const auto notAPreset = sources.getChildFile ("Broken.tvpreset");
    ASSERT_TRUE (notAPreset.replaceWithText ("not an archive"));

    EXPECT_FALSE (manager.installPresetFile (notAPreset));
    EXPECT_EQ (manager.getNumInstalledPresets(), 0);
    EXPECT_FALSE (manager.getIndexFile().exists());
    EXPECT_TRUE (installedCopies().isEmpty());
}

TEST_F (PresetFileManagerTest, ADamagedIndexStartsEmptyAndIsKeptAside)
{
    ASSERT_TRUE (presetFolder.createDirectory());
    const auto indexFile = presetFolder.getChildFile (PresetFileManager::indexFileName);

    for (const auto* damaged : {"<TolmVESK_PresetInformation><Preset>", "garbage", "<Other/>"})
    {
        ASSERT_TRUE (indexFile.replaceWithText (damaged));

        PresetFileManager manager (presetFolder);
        EXPECT_EQ (manager.getNumInstalledPresets(), 0) << damaged;

        const auto keptAside = presetFolder.getChildFile ("PresetFileInformation-damaged.xml");
        EXPECT_EQ (keptAside.loadFileAsString(), damaged);
        keptAside.deleteFile();

        EXPECT_TRUE (manager.installPresetFile (writePresetFile ("TV-A", 1)));
        EXPECT_EQ (PresetFileManager (presetFolder).getNumInstalledPresets(), 1) << damaged;
    }
}

TEST_F (PresetFileManagerTest, DataIDsBecomeFileNamesThatStayInsideThePresetFolder)
{
    const struct
    {
        const char* dataID;
        const char* fileName;
    } cases[] = {
        {"TV-0001", "TV-0001"},
        {"../../escape", "_.._escape"},
        {"..", "Preset"},
        {"", "Preset"},
        {"a/b\\c:d*e?f\"g<h>i|j", "a_b_c_d_e_f_g_h_i_j"},
        {" .hidden. ", "hidden"},
        {"con", "_con"},
        {"LPT1.x", "_LPT1.x"},
        {"tab\there", "tab_here"},
    };

    for (const auto& c : cases)
        EXPECT_EQ (PresetFileManager::makeSafeFileName (c.dataID), c.fileName) << c.dataID;

    EXPECT_EQ (PresetFileManager::makeSafeFileName (juce::String::repeatedString ("x", 500)).length(), 50);
}

TEST_F (PresetFileManagerTest, DataIDsWithTheSameSafeNameGetCopiesOfTheirOwn)
{
    PresetFileManager manager (presetFolder);
    ASSERT_TRUE (manager.installPresetFile (writePresetFile ("a/b", 1)));
    ASSERT_TRUE (manager.installPresetFile (writePresetFile ("a\\b", 2)));
    ASSERT_TRUE (manager.installPresetFile (writePresetFile ("a_b", 3)));

    EXPECT_EQ (installedCopies().size(), 3);
    EXPECT_EQ (root.get().findChildFiles (juce::File::findFiles, true, "*.itvpreset").size(), 3);

    ASSERT_EQ (manager.loadInstalledPresets(), file::ReadResult::noError);
    ASSERT_EQ (presets().getNumPresets(), 3);
    for (int index = 0; index < 3; ++index)
        EXPECT_EQ (markOf (presets().getPreset (index)), index + 1);
}

TEST_F (PresetFileManagerTest, AnIndexEntryNamingAFileOutsideTheFolderIsNeitherReadNorWritten)
{
    ASSERT_TRUE (presetFolder.createDirectory());
    const auto outside = root.getChildFile ("outside.itvpreset");
    ASSERT_EQ (xTV200_file::PresetFileWriter (*makePreset ("TV-A", 1)).write (outside),
               file::WriteResult::noError);
    const auto outsideBefore = outside.loadFileAsString();
    ASSERT_TRUE (
        presetFolder.getChildFile (PresetFileManager::indexFileName)
            .replaceWithText ("<TolmVESK_PresetInformation><Preset><DataID>TV-A</DataID>"
                              "<File>../outside.itvpreset</File></Preset></TolmVESK_PresetInformation>"));

    PresetFileManager manager (presetFolder);
    EXPECT_NE (manager.loadInstalledPresets(), file::ReadResult::noError);
    EXPECT_EQ (presets().getNumPresets(), 0);

    // Reinstalling gives the entry a copy inside the folder.
    ASSERT_TRUE (manager.installPresetFile (writePresetFile ("TV-A", 2)));
    EXPECT_EQ (outside.loadFileAsString(), outsideBefore);
    ASSERT_EQ (manager.loadInstalledPresets(), file::ReadResult::noError);
    ASSERT_EQ (presets().getNumPresets(), 1);
    EXPECT_EQ (markOf (presets().getPreset (0)), 2);
    EXPECT_EQ (PresetFileManager (presetFolder).getNumInstalledPresets(), 1);
}

TEST_F (PresetFileManagerTest, InstallPresetDataInstallsBytesAndRefusesBadOnes)
{
    PresetFileManager manager (presetFolder);
    const auto bytes = presetBytes ("TV-A", 1);
    EXPECT_TRUE (manager.installPresetData (bytes.getData(), bytes.getSize()));
    EXPECT_FALSE (manager.installPresetData ("junk", 4));
    EXPECT_FALSE (manager.installPresetData (nullptr, 0));

    EXPECT_EQ (manager.getNumInstalledPresets(), 1);
    EXPECT_EQ (installedCopies().size(), 1);
}
