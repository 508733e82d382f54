#include "app/CTRVResource.h"
#include "app/LocalizedText.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace
{
juce::MemoryBlock bytesOf (const std::string& text)
{
    return {text.data(), text.size()};
}

const char* const smallTable = R"(<?xml version="1.0" encoding="UTF-8"?>
<Strings Language="en">
  <Alpha Text="first"/>
  <ALPHA Text="second"/>
  <Spaced Text=" padded "/>
  <NoText/>
</Strings>
)";
} // namespace

TEST (CTRVResource, LooksKeysUpWithoutRegardToCaseAndTakesTheFirstMatch)
{
    CTRVResource resource (bytesOf (smallTable));
    ASSERT_TRUE (resource.hasStringsTable());

    EXPECT_EQ (resource.getText ("Alpha"), "first");
    EXPECT_EQ (resource.getText ("alpha"), "first");
    EXPECT_EQ (resource.getText ("ALPHA"), "first") << "the first entry with a matching name counts";
    EXPECT_EQ (resource.getText ("sPACED"), " padded ");
}

TEST (CTRVResource, MissingKeysAndMissingTextsAreEmpty)
{
    CTRVResource resource (bytesOf (smallTable));

    EXPECT_EQ (resource.getText ("Missing"), "");
    EXPECT_EQ (resource.getText ("NoText"), "");
    EXPECT_EQ (resource.getText ("Alph"), "") << "a prefix of a key is not the key";
    EXPECT_EQ (resource.getText (""), "");
}

TEST (CTRVResource, BrokenTablesGiveEmptyTextsForEveryKey)
{
    const std::pair<const char*, std::string> brokenTables[] = {
        {"no bytes", ""},
        {"not XML", "Common_Language = en"},
        {"unclosed root", "<Strings Language=\"en\"><Common_Language Text=\"en\"/>"},
        {"invalid UTF-8", "<Strings><Common_Language Text=\"\xff\xfe\"/></Strings>"},
        {"UTF-8 sequence cut off at the end", "<Strings><Common_Language Text=\"en\"/></Strings>\xe3\x81"},
        {"zero byte inside", "<Strings><Common_Language Text=\"en\"/>\0</Strings>"s},
        {"UTF-16 text", "<\0S\0/\0>\0"s},
    };

    for (const auto& [what, bytes] : brokenTables)
    {
        CTRVResource resource (bytesOf (bytes));

        EXPECT_FALSE (resource.hasStringsTable()) << what;
        EXPECT_EQ (resource.getText ("Common_Language"), "") << what;
        EXPECT_EQ (resource.getText ("Strings"), "") << what;
    }
}

TEST (CTRVResource, AcceptsAByteOrderMarkBeforeTheTable)
{
    CTRVResource resource (bytesOf ("\xef\xbb\xbf<Strings><Key Text=\"\xe3\x82\xab\"/></Strings>"));

    EXPECT_EQ (resource.getText ("Key"), juce::String::fromUTF8 (u8"カ"));
}

TEST (CTRVResource, LocalizedTextComesFromTheTableOfTheSystemLanguage)
{
    const auto japanese = application::getSystemDisplayLanguage() == application::DisplayLanguage::japanese;

    EXPECT_TRUE (CTRVResource::getInstance()->hasStringsTable());
    EXPECT_EQ (getLocalizedText ("Common_Language"), japanese ? "ja" : "en");
    EXPECT_EQ (getLocalizedText ("common_language"), japanese ? "ja" : "en");
    EXPECT_EQ (getLocalizedText ("CommonApplicationName"), "TolmVESK Sound Librarian");
    EXPECT_EQ (getLocalizedText ("NoSuchKey"), "");
}
