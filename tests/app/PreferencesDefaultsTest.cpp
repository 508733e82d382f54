#include "app/PreferencesData.h"
#include "app/PreferencesDefaults.h"

#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

using xTV200_preferences::PreferencesData;

namespace
{
struct NameAndValue
{
    juce::String name, value;
    bool operator== (const NameAndValue& other) const { return name == other.name && value == other.value; }
};

std::ostream& operator<< (std::ostream& out, const NameAndValue& entry)
{
    return out << entry.name << "=\"" << entry.value << '"';
}

std::vector<NameAndValue> readEntries (const juce::File& file)
{
    std::vector<NameAndValue> entries;

    if (const auto root = juce::XmlDocument::parse (file))
        for (auto* child : root->getChildIterator())
            entries.push_back ({ child->getTagName(), child->getStringAttribute ("Value") });

    return entries;
}

const std::vector<NameAndValue> defaultsInOrder {
    { "MidiPortAutoScan", "1" },    { "AutoReceive", "1" },          { "WarnBeforeWriting", "1" },
    { "MidiInPort", "" },           { "MidiOutPort", "" },           { "LastSavedFolder", "" },
    { "ShowPresetWindow", "0" },    { "ProgramListHeight", "25" },   { "TwitterEnable", "0" },
    { "TwitterUserName", "" },      { "TwitterMaxLogSize", "1000" }, { "TwitterShortUrlLength", "22" },
    { "TwitterShortUrlLengthHttps", "23" },
};
} // namespace

TEST (PreferencesDefaults, ANewFileHoldsTheThirteenDefaultsInStartUpOrder)
{
    test::TemporaryFolder folder;
    const auto file = folder.getChildFile ("PreferencesData.xml");

    {
        PreferencesData preferences (file);
        xTV200_preferences::storePreferenceDefaults (preferences);
        ASSERT_TRUE (preferences.save());
    }

    EXPECT_EQ (readEntries (file), defaultsInOrder);
}

TEST (PreferencesDefaults, PresentKeysKeepTheirValuesAndPlace)
{
    test::TemporaryFolder folder;
    const auto file = folder.getChildFile ("PreferencesData.xml");
    ASSERT_TRUE (file.replaceWithText ("<PreferencesData><MainWindowWidth Value=\"900\"/>"
                                       "<programlistheight Value=\"30\"/><AutoReceive Value=\"0\"/>"
                                       "</PreferencesData>"));

    {
        PreferencesData preferences (file);
        xTV200_preferences::storePreferenceDefaults (preferences);
    }

    std::vector<NameAndValue> expected { { "MainWindowWidth", "900" },
                                         { "programlistheight", "30" },
                                         { "AutoReceive", "0" } };

    for (const auto& entry : defaultsInOrder)
        if (entry.name != "ProgramListHeight" && entry.name != "AutoReceive")
            expected.push_back (entry);

    EXPECT_EQ (readEntries (file), expected);
}
