#include "data/xml/XmlDocumentText.h"

#include "base/BoundedXmlReader.h"

namespace xTV200_data
{
juce::String XmlDocumentText::write (const juce::XmlElement& root)
{
    // JUCE's default text format is exactly the layout the files use.
    return root.toString (juce::XmlElement::TextFormat());
}

std::unique_ptr<juce::XmlElement> XmlDocumentText::parse (const juce::String& text)
{
    // Documents come from files and other programs: nothing deeper or more
    // elaborate than the librarian writes reaches the framework's parser.
    return BoundedXmlReader::parse (text);
}

juce::String XmlDocumentText::decodeUtf8 (const void* bytes, size_t size)
{
    const auto* text = static_cast<const char*> (bytes);
    const auto length = static_cast<size_t> (std::find (text, text + size, '\0') - text);

    if (length == 0 || length > static_cast<size_t> (std::numeric_limits<int>::max())
        || ! juce::CharPointer_UTF8::isValidString (text, static_cast<int> (length)))
        return {};

    return juce::String::fromUTF8 (text, static_cast<int> (length));
}

bool XmlDocumentText::hasName (const juce::XmlElement& element, const juce::String& name)
{
    return element.getTagName().equalsIgnoreCase (name);
}

const juce::XmlElement* XmlDocumentText::findChild (const juce::XmlElement& parent, const juce::String& name)
{
    for (const auto* child : parent.getChildIterator())
        if (hasName (*child, name))
            return child;

    return nullptr;
}
} // namespace xTV200_data
