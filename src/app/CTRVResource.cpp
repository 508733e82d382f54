#include "app/CTRVResource.h"

#include "TolmVESKResources.h"

#include <cstring>
#include <limits>

namespace
{
/** Decodes the bytes as UTF-8 text; false when they are not valid UTF-8.

    The bytes are checked before they are decoded, because the decoder trusts
    its input and could read past the end of a truncated multi-byte sequence.
    A zero byte has no place in a text file and counts as invalid too.
*/
bool decodeUtf8 (const juce::MemoryBlock& bytes, juce::String& text)
{
    auto* data = static_cast<const char*> (bytes.getData());
    auto size = bytes.getSize();

    if (size == 0 || size > static_cast<size_t> (std::numeric_limits<int>::max()))
        return false;

    if (std::memchr (data, 0, size) != nullptr)
        return false;

    if (! juce::CharPointer_UTF8::isValidString (data, static_cast<int> (size)))
        return false;

    constexpr size_t byteOrderMarkSize = 3;

    if (size >= byteOrderMarkSize && std::memcmp (data, "\xef\xbb\xbf", byteOrderMarkSize) == 0)
    {
        data += byteOrderMarkSize;
        size -= byteOrderMarkSize;
    }

    text = juce::String::fromUTF8 (data, static_cast<int> (size));
    return true;
}
} // namespace

CTRVResource::CTRVResource()
    : CTRVResource (
          getEmbeddedTable (languageChosen ? chosenLanguage : application::getSystemDisplayLanguage()))
{
}

void CTRVResource::setLanguageForThisRun (application::DisplayLanguage language) noexcept
{
    jassert (getInstanceWithoutCreating() == nullptr);
    chosenLanguage = language;
    languageChosen = true;
}

CTRVResource::CTRVResource (const juce::MemoryBlock& tableBytes)
    : stringsRoot (parseTable (tableBytes))
{
}

CTRVResource::~CTRVResource() = default;

juce::String CTRVResource::getText (const juce::String& key) const
{
    if (stringsRoot == nullptr || key.isEmpty())
        return {};

    // XmlElement::hasTagName() compares the same way but asserts on every match
    // whose case differs, and such matches are intended here.
    for (auto* entry : stringsRoot->getChildIterator())
    {
        if (! entry->isTextElement() && entry->getTagName().equalsIgnoreCase (key))
            return entry->getStringAttribute ("Text");
    }

    return {};
}

juce::MemoryBlock CTRVResource::getEmbeddedTable (application::DisplayLanguage language)
{
    if (language == application::DisplayLanguage::japanese)
        return {TolmVESKResources::LocalizableStrings_ja_xml,
                static_cast<size_t> (TolmVESKResources::LocalizableStrings_ja_xmlSize)};

    return {TolmVESKResources::LocalizableStrings_en_xml,
            static_cast<size_t> (TolmVESKResources::LocalizableStrings_en_xmlSize)};
}

std::unique_ptr<juce::XmlElement> CTRVResource::parseTable (const juce::MemoryBlock& tableBytes)
{
    juce::String text;

    if (! decodeUtf8 (tableBytes, text))
        return {};

    return juce::XmlDocument::parse (text);
}
