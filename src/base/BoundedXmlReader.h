#pragma once

#include <juce_core/juce_core.h>

#include <memory>

/** Parses XML from outside the program without letting it crash the process.

    The framework's XmlDocument descends recursively, one stack frame per
    nesting level, so a file of a few hundred kilobytes of nested tags
    overflows the stack; and its DTD support expands entities and can read
    other files named by the document. Before the framework parses anything,
    this reader therefore checks the text against a plain subset of XML: an
    optional header, comments and processing instructions before the document
    element; elements with quoted attribute values; text, comments and CDATA
    sections inside elements; only the five predefined entities and numeric
    character references; no DTD; at most maximumDepth levels of nesting.
    Everything the framework's own writer produces lies inside this subset.
    Text that does not is refused as if it were not XML at all.

    Whatever follows the end of the document element is ignored, as the
    framework's parser ignores it.
*/
class BoundedXmlReader final
{
public:
    /** The deepest nesting of elements accepted; the document element is level 1. */
    static constexpr int maximumDepth = 64;

    /** Returns the document element of the text, or nullptr when the text is
        not XML of the supported subset. */
    static std::unique_ptr<juce::XmlElement> parse (const juce::String& text);

    /** Reads and parses a file of at most maximumFileSize bytes (which must be
        below 2 GB). Returns nullptr when the file is missing, unreadable,
        larger than that or not XML of the supported subset. The bytes are
        decoded as UTF-8, or as UTF-16 after a byte-order mark; bytes that are
        not valid UTF-8 are read as Windows-1252. */
    static std::unique_ptr<juce::XmlElement> readFile (const juce::File& file, juce::int64 maximumFileSize);

    /** True when the text is XML of the supported subset. */
    static bool isSupportedDocument (const juce::String& text);

private:
    BoundedXmlReader() = delete;
};
