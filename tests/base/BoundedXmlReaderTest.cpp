#include "base/BoundedXmlReader.h"

#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

namespace
{
juce::String nested (int depth)
{
    return juce::String::repeatedString ("<a>", depth) + juce::String::repeatedString ("</a>", depth);
}

std::unique_ptr<juce::XmlElement> makeAwkwardDocument()
{
    auto root = std::make_unique<juce::XmlElement> ("Root");
    auto* child = root->createNewChildElement ("Child");
    child->setAttribute ("markup", "a<b>&c\"d'e");
    child->setAttribute ("controls", juce::String ("line\nbreak\ttab") + juce::String::charToString (1));
    child->setAttribute ("unicode", juce::CharPointer_UTF8 ("\xc3\xa9\xe6\x97\xa5\xf0\x9f\x8e\xb9"));
    child->createNewChildElement ("Grandchild")->addTextElement ("text with <, & and ]]>");
    root->createNewChildElement ("Empty");
    return root;
}
} // namespace

TEST (BoundedXmlReader, ReadsBackWhatTheFrameworkWrites)
{
    const auto original = makeAwkwardDocument();

    for (const auto& format : { juce::XmlElement::TextFormat(), juce::XmlElement::TextFormat().singleLine() })
    {
        const auto parsed = BoundedXmlReader::parse (original->toString (format));
        ASSERT_NE (parsed, nullptr);
        EXPECT_TRUE (parsed->isEquivalentTo (original.get(), false));
    }
}

TEST (BoundedXmlReader, AcceptsTheCommonFormsOfHandWrittenXml)
{
    const char* documents[] = {
        "<a/>",
        "  <?xml version=\"1.0\"?>\n<!-- note --><a x='single' y = \"double\"></a>",
        "<a><![CDATA[<b>not an element</b>]]><!-- <b> --></a>",
        "<a>&amp;&lt;&gt;&quot;&apos;&#65;&#x263A;</a>",
        "<a/>trailing text is ignored, as the framework ignores it <",
    };

    for (const auto* document : documents)
        EXPECT_NE (BoundedXmlReader::parse (document), nullptr) << document;
}

TEST (BoundedXmlReader, RefusesWhatItCannotVouchFor)
{
    const char* documents[] = {
        "",
        "plain text",
        "<a>",
        "<a></a",
        "<a><!-- unterminated</a>",
        "<a><![CDATA[unterminated</a>",
        "<a x=unquoted/>",
        "<a x=\"<\"/>",
        "<a>&unknown;</a>",
        "<a>&#;</a>",
        "<a><?pi?></a>",
        "<1a/>",
        "<!DOCTYPE a [<!ENTITY e \"<b/>\">]><a>&e;</a>",
        "<!DOCTYPE a SYSTEM \"/etc/passwd\"><a/>",
    };

    for (const auto* document : documents)
        EXPECT_EQ (BoundedXmlReader::parse (document), nullptr) << document;
}

TEST (BoundedXmlReader, LimitsTheNestingDepth)
{
    EXPECT_NE (BoundedXmlReader::parse (nested (BoundedXmlReader::maximumDepth)), nullptr);
    EXPECT_EQ (BoundedXmlReader::parse (nested (BoundedXmlReader::maximumDepth + 1)), nullptr);

    // The framework's recursive parser overflows the stack on far less than this.
    EXPECT_EQ (BoundedXmlReader::parse (nested (200000)), nullptr);

    // Empty elements and closed siblings do not add to the depth.
    const auto wide = "<a>" + juce::String::repeatedString ("<b/><c></c>", 10000) + "</a>";
    EXPECT_NE (BoundedXmlReader::parse (wide), nullptr);
}

TEST (BoundedXmlReader, ReadsFilesWithinTheSizeLimitOnly)
{
    test::TemporaryFolder folder;
    const auto file = folder.getChildFile ("doc.xml");

    EXPECT_EQ (BoundedXmlReader::readFile (file, 1000), nullptr);

    ASSERT_TRUE (file.replaceWithText ("<a x=\"1\"/>"));
    const auto size = file.getSize();
    ASSERT_NE (BoundedXmlReader::readFile (file, size), nullptr);
    EXPECT_EQ (BoundedXmlReader::readFile (file, size - 1), nullptr);
}

TEST (BoundedXmlReader, SurvivesAnyBytesInAFile)
{
    test::TemporaryFolder folder;
    const auto file = folder.getChildFile ("doc.xml");

    // Not UTF-8: read as Windows-1252 rather than refused.
    const char latin1[] = "<a x=\"caf\xe9\xff\"/>";
    ASSERT_TRUE (file.replaceWithData (latin1, sizeof (latin1) - 1));
    const auto parsed = BoundedXmlReader::readFile (file, 1000);
    ASSERT_NE (parsed, nullptr);
    EXPECT_EQ (parsed->getStringAttribute ("x"), juce::CharPointer_UTF8 ("caf\xc3\xa9\xc3\xbf"));

    // A NUL ends the text, for the check as for the parser.
    const char withNul[] = "<a>\0</a>";
    ASSERT_TRUE (file.replaceWithData (withNul, sizeof (withNul) - 1));
    EXPECT_EQ (BoundedXmlReader::readFile (file, 1000), nullptr);

    juce::Random random (20260101);

    for (int round = 0; round < 200; ++round)
    {
        juce::MemoryBlock bytes (static_cast<size_t> (random.nextInt (2000)));
        random.fillBitsRandomly (bytes.getData(), bytes.getSize());
        ASSERT_TRUE (file.replaceWithData (bytes.getData(), bytes.getSize()));
        BoundedXmlReader::readFile (file, 4000);
    }
}

TEST (BoundedXmlReader, ReadsUtf16WithAByteOrderMark)
{
    test::TemporaryFolder folder;
    const auto file = folder.getChildFile ("doc.xml");

    {
        juce::FileOutputStream out (file);
        ASSERT_TRUE (out.openedOk());
        out.writeByte (static_cast<char> (0xff));
        out.writeByte (static_cast<char> (0xfe));

        for (const auto c : juce::String ("<a x=\"y\"/>"))
            out.writeShort (static_cast<short> (c));
    }

    const auto parsed = BoundedXmlReader::readFile (file, 1000);
    ASSERT_NE (parsed, nullptr);
    EXPECT_EQ (parsed->getStringAttribute ("x"), "y");
}
