#include "data/container/XmlSectionText.h"

#include "data/xml/XmlDocumentText.h"

namespace xTV200_data
{
juce::MemoryBlock XmlSectionText::toSection (const juce::XmlElement& root)
{
    const auto text = XmlDocumentText::write (root);
    return juce::MemoryBlock (text.toRawUTF8(), text.getNumBytesAsUTF8() + 1);
}

std::unique_ptr<juce::XmlElement> XmlSectionText::fromSection (const juce::MemoryBlock& section)
{
    return XmlDocumentText::parse (XmlDocumentText::decodeUtf8 (section.getData(), section.getSize()));
}
} // namespace xTV200_data
