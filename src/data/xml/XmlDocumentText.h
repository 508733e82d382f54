#pragma once

#include <juce_core/juce_core.h>

namespace xTV200_data
{
/** The document text every file and container of the librarian uses: the
    declaration with encoding "UTF-8", an empty line, two-space indents, CR LF
    line ends and attributes wrapped after 60 characters.
*/
struct XmlDocumentText
{
    static juce::String write (const juce::XmlElement& root);

    /** Parses text from outside the program; null when it holds no document
        element or is not the plain XML the librarian writes (see BoundedXmlReader).
    */
    static std::unique_ptr<juce::XmlElement> parse (const juce::String& text);

    /** Decodes bytes as UTF-8 text, ending at the first 0 byte. Bytes that are
        not valid UTF-8 give an empty text, which parses to no document.
    */
    static juce::String decodeUtf8 (const void* bytes, size_t size);

    /** True when the element's name equals name without regard to case.
        (juce::XmlElement::hasTagName asserts on a case difference, which our
        files allow.)
    */
    static bool hasName (const juce::XmlElement& element, const juce::String& name);

    /** The first child whose name matches without regard to case. */
    static const juce::XmlElement* findChild (const juce::XmlElement& parent, const juce::String& name);
};
} // namespace xTV200_data
