#include "base/BoundedXmlReader.h"

#include <cstring>
#include <limits>

namespace
{
bool isBlank (char c) noexcept { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isDigit (char c) noexcept { return c >= '0' && c <= '9'; }

bool isHexDigit (char c) noexcept
{
    return isDigit (c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool isNameStart (char c) noexcept
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':';
}

// A subset of the characters the framework's parser takes into a name, so that
// a name ends here exactly where it ends for the framework.
bool isNameCharacter (char c) noexcept { return isNameStart (c) || isDigit (c) || c == '-' || c == '.'; }

/** Walks the text the way the framework's parser would, over the subset that
    BoundedXmlReader describes, and counts the nesting without recursion.

    The text is the NUL-terminated UTF-8 of a juce::String. Every structural
    character is ASCII and no byte of a multi-byte UTF-8 sequence is, so the
    bytes can be scanned directly; like the framework's parser, the walk stops
    at the first NUL.
*/
class SubsetScanner
{
public:
    explicit SubsetScanner (const char* textToScan) noexcept : p (textToScan) {}

    bool scanDocument() noexcept
    {
        if (! skipProlog() || ! startsElement())
            return false;

        int depth = 0;

        for (;;)
        {
            bool isEmptyElement = false;

            if (! scanStartTag (isEmptyElement))
                return false;

            if (! isEmptyElement && ++depth > BoundedXmlReader::maximumDepth)
                return false;

            if (depth == 0)
                return true;

            if (! scanContentUpToChildOrEnd (depth))
                return false;

            if (depth == 0)
                return true;
        }
    }

private:
    bool startsWith (const char* prefix) const noexcept
    {
        return std::strncmp (p, prefix, std::strlen (prefix)) == 0;
    }

    bool startsElement() const noexcept { return p[0] == '<' && isNameStart (p[1]); }

    /** Moves past the next occurrence of terminator, searching from
        skipFirst bytes on; false when there is none. */
    bool skipPast (size_t skipFirst, const char* terminator) noexcept
    {
        const auto* found = std::strstr (p + skipFirst, terminator);

        if (found == nullptr)
            return false;

        p = found + std::strlen (terminator);
        return true;
    }

    void skipBlanks() noexcept
    {
        while (isBlank (*p))
            ++p;
    }

    // Blanks, comments and processing instructions (the header among them).
    bool skipProlog() noexcept
    {
        for (;;)
        {
            skipBlanks();

            if (startsWith ("<!--"))
            {
                if (! skipPast (4, "-->"))
                    return false;
            }
            else if (startsWith ("<?"))
            {
                if (! skipPast (2, "?>"))
                    return false;
            }
            else
            {
                return true;
            }
        }
    }

    bool skipReference() noexcept
    {
        for (const auto* name : { "amp;", "lt;", "gt;", "quot;", "apos;" })
        {
            if (std::strncmp (p + 1, name, std::strlen (name)) == 0)
            {
                p += 1 + std::strlen (name);
                return true;
            }
        }

        if (p[1] != '#')
            return false;

        const auto* q = p + 2;
        const bool isHex = (*q == 'x' || *q == 'X');

        if (isHex)
            ++q;

        int numDigits = 0;

        while (isHex ? isHexDigit (*q) : isDigit (*q))
        {
            ++q;
            ++numDigits;
        }

        if (numDigits == 0 || numDigits > (isHex ? 6 : 7) || *q != ';')
            return false;

        p = q + 1;
        return true;
    }

    bool scanQuotedValue() noexcept
    {
        const char quote = *p++;

        while (*p != quote)
        {
            if (*p == '\0' || *p == '<')
                return false;

            if (*p == '&')
            {
                if (! skipReference())
                    return false;
            }
            else
            {
                ++p;
            }
        }

        ++p;
        return true;
    }

    bool scanStartTag (bool& isEmptyElement) noexcept
    {
        ++p;

        while (isNameCharacter (*p))
            ++p;

        for (;;)
        {
            skipBlanks();

            if (*p == '>')
            {
                ++p;
                isEmptyElement = false;
                return true;
            }

            if (p[0] == '/' && p[1] == '>')
            {
                p += 2;
                isEmptyElement = true;
                return true;
            }

            if (! isNameStart (*p))
                return false;

            while (isNameCharacter (*p))
                ++p;

            skipBlanks();

            if (*p != '=')
                return false;

            ++p;
            skipBlanks();

            if ((*p != '"' && *p != '\'') || ! scanQuotedValue())
                return false;
        }
    }

    /** Scans the content of the open element at depth until the start tag of
        a child (left unread) or until the closing tag of the document element. */
    bool scanContentUpToChildOrEnd (int& depth) noexcept
    {
        for (;;)
        {
            if (*p == '\0')
                return false;

            if (*p == '&')
            {
                if (! skipReference())
                    return false;
            }
            else if (*p != '<')
            {
                ++p;
            }
            else if (startsWith ("<!--"))
            {
                if (! skipPast (4, "-->"))
                    return false;
            }
            else if (startsWith ("<![CDATA["))
            {
                if (! skipPast (9, "]]>"))
                    return false;
            }
            else if (p[1] == '/')
            {
                // The framework takes everything up to the next '>' as the closing tag.
                if (! skipPast (2, ">"))
                    return false;

                if (--depth == 0)
                    return true;
            }
            else
            {
                return startsElement();
            }
        }
    }

    const char* p;
};
} // namespace

bool BoundedXmlReader::isSupportedDocument (const juce::String& text)
{
    return SubsetScanner (text.toRawUTF8()).scanDocument();
}

std::unique_ptr<juce::XmlElement> BoundedXmlReader::parse (const juce::String& text)
{
    if (! isSupportedDocument (text))
        return {};

    // Parsing a string gives the document no input source, so nothing it names is opened.
    return juce::XmlDocument (text).getDocumentElement();
}

std::unique_ptr<juce::XmlElement> BoundedXmlReader::readFile (const juce::File& file,
                                                              juce::int64 maximumFileSize)
{
    jassert (maximumFileSize >= 0 && maximumFileSize < std::numeric_limits<int>::max());

    if (! file.existsAsFile())
        return {};

    juce::FileInputStream in (file);

    if (! in.openedOk() || in.getTotalLength() > maximumFileSize)
        return {};

    // One byte more than allowed, so that a file that grew since its length was taken is noticed.
    juce::MemoryBlock bytes;
    in.readIntoMemoryBlock (bytes, static_cast<ssize_t> (maximumFileSize + 1));

    if (static_cast<juce::int64> (bytes.getSize()) > maximumFileSize)
        return {};

    return parse (juce::String::createStringFromData (bytes.getData(), static_cast<int> (bytes.getSize())));
}
