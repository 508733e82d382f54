// Checks the two strings tables the program carries: the same keys in the same
// order, the texts other parts of the program depend on, and a Japanese table
// that is really translated.

#include "app/CTRVResource.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

using application::DisplayLanguage;

namespace
{
struct Entry
{
    juce::String key;
    juce::String text;
};

struct Table
{
    juce::String rootName;
    juce::String language;
    std::vector<Entry> entries;
};

Table readEmbeddedTable (DisplayLanguage language)
{
    Table table;
    auto root = juce::XmlDocument::parse (CTRVResource::getEmbeddedTable (language).toString());

    if (root == nullptr)
    {
        ADD_FAILURE() << "embedded table does not parse";
        return table;
    }

    table.rootName = root->getTagName();
    table.language = root->getStringAttribute ("Language");

    for (auto* element : root->getChildIterator())
    {
        EXPECT_TRUE (element->hasAttribute ("Text")) << element->getTagName();
        table.entries.push_back ({element->getTagName(), element->getStringAttribute ("Text")});
    }

    return table;
}

juce::String utf8 (const char* text)
{
    return juce::String::fromUTF8 (text);
}

bool containsJapanese (const juce::String& text)
{
    for (auto c : text)
    {
        const bool kana = c >= 0x3040 && c <= 0x30ff;
        const bool kanji = (c >= 0x3400 && c <= 0x4dbf) || (c >= 0x4e00 && c <= 0x9fff);

        if (kana || kanji)
            return true;
    }

    return false;
}

/** Keys whose Japanese text is, on purpose, the English one. */
const std::set<juce::String> keptInEnglish = {
    "CommonApplicationName",                 // the product's name is never translated
    "CommonOK",                              // Japanese dialogs say "OK" too
    "CommonWindowTitleModified",             // the "*" mark of the window title
    "MenuCategoryMidi",                      // the instrument's name
    "MenuOptionDisableTwitterAccountSuffix", // the ")" closing the prefix's parenthesis
    "PreferencesDialogMidiInPort",           // "MIDI IN" and "MIDI OUT" are printed on
    "PreferencesDialogMidiOutPort",          // the instrument's jacks
    "TweetPrefixBeforeProgramName",          // a tweet reads the same whoever posts it,
    "TweetPrefixAfterProgramName",           // so that every follower understands it
    "TweetSuffix",
};

class StringsTable : public testing::Test
{
protected:
    const Table english = readEmbeddedTable (DisplayLanguage::english);
    const Table japanese = readEmbeddedTable (DisplayLanguage::japanese);
};
} // namespace

TEST_F (StringsTable, BothTablesHoldTheSame197KeysInTheSameOrder)
{
    EXPECT_EQ (english.rootName, "Strings");
    EXPECT_EQ (japanese.rootName, "Strings");
    EXPECT_EQ (english.language, "en");
    EXPECT_EQ (japanese.language, "ja");

    ASSERT_EQ (english.entries.size(), 197u);
    ASSERT_EQ (japanese.entries.size(), 197u);

    for (size_t i = 0; i < english.entries.size(); ++i)
        EXPECT_EQ (english.entries[i].key, japanese.entries[i].key) << "entry " << i;

    EXPECT_EQ (english.entries.front().key, "Common_Language");
    EXPECT_EQ (english.entries.back().key, "TweetSuffix");
}

TEST_F (StringsTable, NoKeyIsHiddenByAnEarlierOneThatDiffersOnlyInCase)
{
    std::set<juce::String> seen;

    for (const auto& entry : english.entries)
        EXPECT_TRUE (seen.insert (entry.key.toLowerCase()).second) << entry.key;
}

TEST_F (StringsTable, EnglishTextsAreExact)
{
    const std::pair<const char*, const char*> expected[] = {
        {"Common_Language", "en"},
        {"CommonApplicationName", "TolmVESK Sound Librarian"},
        {"CommonWindowTitleModified", "*"},
        {"CommonInternalError", "Internal Error..."},
        {"Menu_Quit", "Quit"},
        {"MenuFileImportTonexaFile", "Import Tonexa file"},
        {"MenuOptionDisableTwitterAccountPrefix", "Disconnect from Twitter ("},
        {"MenuOptionDisableTwitterAccountSuffix", ")"},
        {"ReadErrorFailedToImportPresetData", "Failed to import preset data."},
        {"WriteErrorWriteData", "Failed to write data to the file."},
        {"MidiCommunicationNoErrorDetail", ""},
        {"MidiCommunicationErrorTargetDeviceDetail", "Please check the MIDI port settings. "},
        {"ProgramListColumnNumber", ""},
        {"TwitterResultErrorUserIdIsEmpty", "No user ID information."},
        {"TwitterAccessingToServer", u8"Accessing Twitter server…"},
        {"TweetPrefixBeforeProgramName", "[TolmVESK's "},
        {"TweetPrefixAfterProgramName", " sound] "},
        {"TweetSuffix", " "},
    };

    CTRVResource resource (CTRVResource::getEmbeddedTable (DisplayLanguage::english));
    ASSERT_TRUE (resource.hasStringsTable());

    for (const auto& [key, text] : expected)
        EXPECT_EQ (resource.getText (key), utf8 (text)) << key;
}

TEST_F (StringsTable, JapaneseTextsThatOtherPartsRelyOnAreExact)
{
    const std::pair<const char*, const char*> expected[] = {
        {"Common_Language", "ja"},
        {"CommonApplicationName", "TolmVESK Sound Librarian"},
        {"CommonErrorDialogTitle", u8"エラー"},
        {"CommonCancel", u8"キャンセル"},
        {"CommonYes", u8"はい"},
        {"CommonNo", u8"いいえ"},
        {"CommonUntitledFileName", u8"無題"},
        {"CommonWindowTitleModified", "*"},
        {"MenuCategoryFile", u8"ファイル"},
        {"MenuCategoryEdit", u8"編集"},
        {"MenuCategoryMidi", "TolmVESK"},
        {"MenuCategoryOption", u8"設定"},
        {"MenuOptionDisableTwitterAccountPrefix", u8"Twitter アカウントの認証を解除する ("},
        {"MenuOptionDisableTwitterAccountSuffix", ")"},
        {"TweetPrefixBeforeProgramName", "[TolmVESK's "},
        {"TweetPrefixAfterProgramName", " sound] "},
        {"TweetSuffix", " "},
    };

    CTRVResource resource (CTRVResource::getEmbeddedTable (DisplayLanguage::japanese));
    ASSERT_TRUE (resource.hasStringsTable());

    for (const auto& [key, text] : expected)
        EXPECT_EQ (resource.getText (key), utf8 (text)) << key;
}

TEST_F (StringsTable, EveryJapaneseTextIsTranslated)
{
    ASSERT_EQ (english.entries.size(), japanese.entries.size());

    for (size_t i = 0; i < english.entries.size(); ++i)
    {
        const auto& key = english.entries[i].key;
        const auto& en = english.entries[i].text;
        const auto& ja = japanese.entries[i].text;

        if (en.isEmpty())
        {
            EXPECT_TRUE (ja.isEmpty()) << key << ": a line left empty in English stays empty";
        }
        else if (keptInEnglish.count (key) != 0)
        {
            EXPECT_EQ (ja, en) << key;
        }
        else if (key != "Common_Language") // a language code, checked above
        {
            EXPECT_TRUE (ja != en && containsJapanese (ja)) << key << ": \"" << ja << "\"";
        }
    }
}

TEST_F (StringsTable, LeadingAndTrailingSpacesAgreeBetweenTheTables)
{
    ASSERT_EQ (english.entries.size(), japanese.entries.size());

    // Texts with outer spaces are pieces that get joined to other text.
    for (size_t i = 0; i < english.entries.size(); ++i)
    {
        const auto& en = english.entries[i].text;
        const auto& ja = japanese.entries[i].text;

        EXPECT_EQ (en.startsWithChar (' '), ja.startsWithChar (' ')) << english.entries[i].key;
        EXPECT_EQ (en.endsWithChar (' '), ja.endsWithChar (' ')) << english.entries[i].key;
    }
}
