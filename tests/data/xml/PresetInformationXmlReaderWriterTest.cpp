#include "data/xml/PresetInformationXmlReaderWriter.h"
#include "data/xml/XmlDocumentText.h"

#include <gtest/gtest.h>

namespace
{
using xTV200_data::PresetInformation;
using xTV200_data::PresetInformationXmlReaderWriter;

TEST (PresetInformationXmlReaderWriter, WritesTheSevenFieldsInOrderAndReadsThemBack)
{
    PresetInformation information;
    information.dataID = "ID";
    information.name = "N";
    information.author = "A";
    information.version = 12;
    information.date = "D";
    information.prefix = "P";
    information.copyright = "C";

    const auto root = PresetInformationXmlReaderWriter::createXml (information);
    juce::StringArray names;
    for (const auto* child : root->getChildIterator())
        names.add (child->getTagName() + "=" + child->getAllSubText());

    EXPECT_EQ (root->getTagName(), "TolmVESK_Preset");
    EXPECT_EQ (names.joinIntoString (" "),
               "DataID=ID Name=N Author=A Version=12 Date=D Prefix=P Copyright=C");

    PresetInformation read;
    ASSERT_TRUE (PresetInformationXmlReaderWriter::readXml (*root, read));
    EXPECT_EQ (read, information);
}

TEST (PresetInformationXmlReaderWriter, ReadsVersionByTheAtoiRuleAndKeepsAbsentFields)
{
    const struct
    {
        const char* versionText;
        int expected;
    } cases[] = {{"42", 42}, {"  -7 beta", -7}, {"+3", 3}, {"v2", 0}, {"", 0}, {"99999999999", 2147483647}};

    for (const auto& c : cases)
    {
        const auto root = xTV200_data::XmlDocumentText::parse (
            juce::String ("<tolmvesk_preset><VERSION>") + c.versionText + "</VERSION></tolmvesk_preset>");
        ASSERT_NE (root, nullptr);

        PresetInformation read;
        read.name = "kept";
        read.version = 5;
        ASSERT_TRUE (PresetInformationXmlReaderWriter::readXml (*root, read));
        EXPECT_EQ (read.version, c.expected) << c.versionText;
        EXPECT_EQ (read.name, "kept");
    }
}

TEST (PresetInformationXmlReaderWriter, RefusesAnotherDocument)
{
    PresetInformation read;
    EXPECT_FALSE (PresetInformationXmlReaderWriter::readXml (juce::XmlElement ("TolmVESK_Favorite"), read));
}
} // namespace
