#pragma once

#include <juce_core/juce_core.h>

namespace xTV200_data
{
/** XML documents as container sections carry them: the UTF-8 document text
    followed by one 0 byte.
*/
struct XmlSectionText
{
    static juce::MemoryBlock toSection (const juce::XmlElement& root);

    /** Null when the bytes hold no document. */
    static std::unique_ptr<juce::XmlElement> fromSection (const juce::MemoryBlock& section);
};
} // namespace xTV200_data
