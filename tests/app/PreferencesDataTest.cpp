#include "app/PreferencesData.h"

#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <limits>

#if JUCE_LINUX || JUCE_MAC
 #include "support/ScopedFileSizeLimit.h"
#endif

using xTV200_preferences::PreferencesData;

namespace
{
class PreferencesDataTest : public ::testing::Test
{
protected:
    std::unique_ptr<PreferencesData> load (const juce::String& fileText)
    {
        EXPECT_TRUE (file.replaceWithText (fileText));
        return std::make_unique<PreferencesData> (file);
    }

    /** A file holding one element "Key", with the given attribute text when it is not null. */
    std::unique_ptr<PreferencesData> loadKeyWithValue (const char* value)
    {
        auto root = std::make_unique<juce::XmlElement> ("PreferencesData");
        auto* element = root->createNewChildElement ("Key");

        if (value != nullptr)
            element->setAttribute ("Value", value);

        return load (root->toString());
    }

    std::unique_ptr<juce::XmlElement> readSavedFile() const { return juce::XmlDocument::parse (file); }

    static juce::StringArray childNames (const juce::XmlElement& root)
    {
        juce::StringArray names;

        for (auto* child : root.getChildIterator())
            names.add (child->getTagName());

        return names;
    }

    test::TemporaryFolder folder;
    juce::File file = folder.getChildFile ("PreferencesData.xml");
};
} // namespace

TEST_F (PreferencesDataTest, ReadsBooleansByTheirFirstNonBlankCharacter)
{
    const struct
    {
        const char* value;
        bool expected;
    } cases[] = {
        { "1", true },     { "true", true },  { "T", true },   { " yes", true }, { "\t\n Y", true },
        { "no", false },   { "0", false },    { "", false },   { "   ", false }, { "false", false },
        { "2", false },    { "on", false },   { "-1", false },
    };

    for (const auto& c : cases)
    {
        const auto preferences = loadKeyWithValue (c.value);
        EXPECT_EQ (preferences->getBool ("Key", ! c.expected), c.expected) << '"' << c.value << '"';
    }

    for (const bool defaultValue : { false, true })
    {
        EXPECT_EQ (loadKeyWithValue (nullptr)->getBool ("Key", defaultValue), defaultValue);
        EXPECT_EQ (loadKeyWithValue ("1")->getBool ("OtherKey", defaultValue), defaultValue);
    }
}

TEST_F (PreferencesDataTest, ReadsIntegersAsAtoiDoesButClampsOverflow)
{
    constexpr auto maxInt = std::numeric_limits<int>::max();
    constexpr auto minInt = std::numeric_limits<int>::min();

    const struct
    {
        const char* value;
        int expected;
    } cases[] = {
        { " 42", 42 },
        { "-7", -7 },
        { "+3", 3 },
        { "12abc", 12 },
        { "abc", 0 },
        { "", 0 },
        { "\t\n 8", 8 },
        { "+-5", 0 },
        { "- 5", 0 },
        { "2147483647", maxInt },
        { "2147483648", maxInt },
        { "99999999999999999999999", maxInt },
        { "-2147483648", minInt },
        { "-2147483649", minInt },
        { "-99999999999999999999999", minInt },
    };

    for (const auto& c : cases)
        EXPECT_EQ (loadKeyWithValue (c.value)->getInt ("Key", -123), c.expected) << '"' << c.value << '"';

    EXPECT_EQ (loadKeyWithValue (nullptr)->getInt ("Key", -123), -123);
    EXPECT_EQ (loadKeyWithValue ("5")->getInt ("OtherKey", -123), -123);
}

TEST_F (PreferencesDataTest, ReadsStringsAsTheyStand)
{
    EXPECT_EQ (loadKeyWithValue ("  a <b> & c  ")->getString ("Key"), "  a <b> & c  ");
    EXPECT_EQ (loadKeyWithValue (nullptr)->getString ("Key"), "");
    EXPECT_EQ (loadKeyWithValue ("x")->getString ("OtherKey"), "");
}

TEST_F (PreferencesDataTest, MatchesKeysWithoutRegardToCaseAndTheFirstMatchCounts)
{
    auto preferences = load ("<PreferencesData><autoreceive Value=\"0\"/><AutoReceive Value=\"1\"/>"
                             "<AUTORECEIVE Value=\"1\"/></PreferencesData>");

    EXPECT_FALSE (preferences->getBool ("AutoReceive", true));

    preferences->setInt ("AutoReceive", 5);
    EXPECT_TRUE (preferences->save());

    const auto saved = readSavedFile();
    ASSERT_NE (saved, nullptr);
    EXPECT_EQ (childNames (*saved), juce::StringArray ("autoreceive", "AutoReceive", "AUTORECEIVE"));
    EXPECT_EQ (saved->getChildElement (0)->getStringAttribute ("Value"), "5");
    EXPECT_EQ (saved->getChildElement (1)->getStringAttribute ("Value"), "1");
}

TEST_F (PreferencesDataTest, SettersAppendMissingKeysAtTheEndAndStoreBooleansAsDigits)
{
    auto preferences = load ("<PreferencesData><Existing Value=\"x\"/></PreferencesData>");

    preferences->setBool ("Flag", true);
    preferences->setInt ("Number", -5);
    preferences->setString ("Text", "a<b>&\"c\"");
    preferences->setBool ("Off", false);
    preferences->setBool ("Flag", false);
    preferences->setString ("Existing", "y");
    ASSERT_TRUE (preferences->save());

    const auto saved = readSavedFile();
    ASSERT_NE (saved, nullptr);
    EXPECT_EQ (childNames (*saved), juce::StringArray ("Existing", "Flag", "Number", "Text", "Off"));

    const char* expectedValues[] = { "y", "0", "-5", "a<b>&\"c\"", "0" };

    for (int i = 0; i < 5; ++i)
        EXPECT_EQ (saved->getChildElement (i)->getStringAttribute ("Value"), expectedValues[i]);

    preferences->setBool ("Flag", true);
    EXPECT_EQ (preferences->getString ("Flag"), "1");
}

TEST_F (PreferencesDataTest, DefaultsNeverOverwriteAPresentKey)
{
    auto preferences = load ("<PreferencesData><Flag Value=\"0\"/><Number Value=\"7\"/>"
                             "<Text Value=\"kept\"/></PreferencesData>");

    preferences->setDefaultBool ("flag", true);
    preferences->setDefaultInt ("Number", 25);
    preferences->setDefaultString ("Text");
    preferences->setDefaultInt ("NewNumber", 9);
    preferences->setDefaultInt ("NewNumber", 10);

    EXPECT_FALSE (preferences->getBool ("Flag", true));
    EXPECT_EQ (preferences->getInt ("Number", 0), 7);
    EXPECT_EQ (preferences->getString ("Text"), "kept");
    EXPECT_EQ (preferences->getInt ("NewNumber", 0), 9);
}

TEST_F (PreferencesDataTest, AnUnusableFileGivesAnEmptySetSilently)
{
    const juce::String unusable[] = {
        "",
        "not XML at all",
        "<PreferencesData><AutoReceive Value=\"0\"></PreferencesData>",
        "<PreferencesData><AutoReceive Value=\"0\"/>",
        juce::String::repeatedString ("<a>", 100000),
    };

    for (const auto& text : unusable)
    {
        auto preferences = load (text);
        EXPECT_TRUE (preferences->getBool ("AutoReceive", true)) << text.substring (0, 60);
        ASSERT_TRUE (preferences->save());

        const auto saved = readSavedFile();
        ASSERT_NE (saved, nullptr);
        EXPECT_EQ (saved->getTagName(), "PreferencesData");
        EXPECT_EQ (saved->getNumChildElements(), 0);
    }

    ASSERT_TRUE (file.deleteFile());
    EXPECT_TRUE (PreferencesData (file).getBool ("AutoReceive", true));
}

TEST_F (PreferencesDataTest, AcceptsARootOfAnyName)
{
    auto preferences = load ("<Settings><AutoReceive Value=\"0\"/></Settings>");
    EXPECT_FALSE (preferences->getBool ("AutoReceive", true));

    preferences->setInt ("ProgramListHeight", 30);
    ASSERT_TRUE (preferences->save());

    const auto saved = readSavedFile();
    ASSERT_NE (saved, nullptr);
    EXPECT_EQ (saved->getTagName(), "Settings");
    EXPECT_EQ (childNames (*saved), juce::StringArray ("AutoReceive", "ProgramListHeight"));
}

TEST_F (PreferencesDataTest, SaveReplacesTheFileInTheFrameworksLayoutAndReadsBack)
{
    {
        auto preferences = load ("<PreferencesData><Number Value=\"1\"/></PreferencesData>");
        preferences->setInt ("Number", 2);
        preferences->setString ("Name", juce::CharPointer_UTF8 ("Tolm \xe6\x97\xa5"));
        ASSERT_TRUE (preferences->save());
    }

    EXPECT_TRUE (file.loadFileAsString().startsWith ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n\r\n"
                                                     "<PreferencesData>\r\n  <Number Value=\"2\"/>\r\n"));
    EXPECT_EQ (folder.get().getNumberOfChildFiles (juce::File::findFilesAndDirectories), 1);

    const PreferencesData reloaded (file);
    EXPECT_EQ (reloaded.getInt ("Number", 0), 2);
    EXPECT_EQ (reloaded.getString ("Name"), juce::CharPointer_UTF8 ("Tolm \xe6\x97\xa5"));
}

TEST_F (PreferencesDataTest, TheDestructorSaves)
{
    PreferencesData (file).setInt ("Number", 42);
    EXPECT_EQ (PreferencesData (file).getInt ("Number", 0), 42);
}

TEST_F (PreferencesDataTest, CreatesTheFoldersOfTheFileWhenLoading)
{
    const auto nestedFile = folder.getChildFile ("a/b/PreferencesData.xml");
    const PreferencesData preferences (nestedFile);
    EXPECT_TRUE (nestedFile.getParentDirectory().isDirectory());
}

TEST_F (PreferencesDataTest, LivesInTheVeskFolderOfTheApplicationDataFolder)
{
    const auto expected = juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory)
                              .getChildFile ("VESK/VESK TolmVESK Sound Librarian/PreferencesData.xml");
    EXPECT_EQ (PreferencesData::getDefaultPreferencesFile(), expected);
    EXPECT_EQ (PreferencesData::getPreferencesFolder(), expected.getParentDirectory());
}

#if JUCE_LINUX || JUCE_MAC

TEST_F (PreferencesDataTest, AWriteCutShortLeavesTheOldFileIntact)
{
    const juce::String oldText ("<PreferencesData><Old Value=\"1\"/></PreferencesData>");
    auto preferences = load (oldText);

    for (int i = 0; i < 20; ++i)
        preferences->setString ("Key" + juce::String (i), "a value long enough to pass the limit");

    {
        const test::ScopedFileSizeLimit limit (64);
        EXPECT_FALSE (preferences->save());
    }

    EXPECT_EQ (file.loadFileAsString(), oldText);
    EXPECT_EQ (folder.get().getNumberOfChildFiles (juce::File::findFilesAndDirectories), 1);
}
#endif
