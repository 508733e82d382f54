#include "app/PreferencesData.h"

#include "base/AtoiRule.h"
#include "base/BoundedXmlReader.h"
#include "base/UserDataFolder.h"

namespace xTV200_preferences
{
namespace
{
constexpr const char* valueAttribute = "Value";
constexpr const char* defaultRootName = "PreferencesData";

// The blanks of C's isspace() in the "C" locale, which atoi() skips.
bool isBlank (juce::juce_wchar c) noexcept
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

juce::String::CharPointerType skipBlanks (juce::String::CharPointerType p) noexcept
{
    while (isBlank (*p))
        ++p;

    return p;
}

bool parseBool (const juce::String& text) noexcept
{
    const auto first = *skipBlanks (text.getCharPointer());
    return first == '1' || first == 't' || first == 'T' || first == 'y' || first == 'Y';
}

std::unique_ptr<juce::XmlElement> loadRoot (const juce::File& file)
{
    if (auto document = BoundedXmlReader::readFile (file, PreferencesData::maximumFileSize))
        return document;

    return std::make_unique<juce::XmlElement> (defaultRootName);
}

bool writeReplacing (const juce::File& target, const juce::MemoryBlock& bytes)
{
    juce::TemporaryFile temporary (target);

    {
        juce::FileOutputStream out (temporary.getFile());

        if (! out.openedOk())
            return false;

        const bool written = out.write (bytes.getData(), bytes.getSize());
        out.flush();

        if (! written || out.getStatus().failed())
            return false;
    }

    // The stream does not report a short last write, so check that every byte arrived.
    if (temporary.getFile().getSize() != static_cast<juce::int64> (bytes.getSize()))
        return false;

    return temporary.overwriteTargetFileWithTemporary();
}
} // namespace

PreferencesData::PreferencesData() : PreferencesData (getDefaultPreferencesFile()) {}

PreferencesData::PreferencesData (const juce::File& preferencesFile)
    : file (preferencesFile)
{
    file.getParentDirectory().createDirectory();
    root = loadRoot (file);
}

PreferencesData::~PreferencesData()
{
    save();
}

juce::File PreferencesData::getPreferencesFolder()
{
    return getUserDataFolder();
}

juce::File PreferencesData::getDefaultPreferencesFile()
{
    return getPreferencesFolder().getChildFile ("PreferencesData.xml");
}

bool PreferencesData::getBool (juce::StringRef key, bool defaultValue) const
{
    const auto* value = findValue (key);
    return value != nullptr ? parseBool (*value) : defaultValue;
}

int PreferencesData::getInt (juce::StringRef key, int defaultValue) const
{
    const auto* value = findValue (key);
    return value != nullptr ? parseAtoiRule (*value) : defaultValue;
}

juce::String PreferencesData::getString (juce::StringRef key) const
{
    const auto* value = findValue (key);
    return value != nullptr ? *value : juce::String();
}

void PreferencesData::setBool (juce::StringRef key, bool value) { setValue (key, value ? "1" : "0"); }

void PreferencesData::setInt (juce::StringRef key, int value) { setValue (key, juce::String (value)); }

void PreferencesData::setString (juce::StringRef key, const juce::String& value) { setValue (key, value); }

void PreferencesData::setDefaultBool (juce::StringRef key, bool value)
{
    setValueIfMissing (key, value ? "1" : "0");
}

void PreferencesData::setDefaultInt (juce::StringRef key, int value)
{
    setValueIfMissing (key, juce::String (value));
}

void PreferencesData::setDefaultString (juce::StringRef key, const juce::String& value)
{
    setValueIfMissing (key, value);
}

bool PreferencesData::save() const
{
    JUCE_ASSERT_MESSAGE_THREAD

    // Default format: UTF-8 declaration, an empty line, elements indented by two spaces.
    juce::MemoryOutputStream document;
    root->writeTo (document);

    // The folder may have been removed while the program ran.
    file.getParentDirectory().createDirectory();
    return writeReplacing (file, document.getMemoryBlock());
}

juce::XmlElement* PreferencesData::findElement (juce::StringRef key) const
{
    JUCE_ASSERT_MESSAGE_THREAD

    // Compared here rather than with hasTagName(), which asserts on a difference of case.
    for (auto* child : root->getChildIterator())
        if (child->getTagName().equalsIgnoreCase (key))
            return child;

    return nullptr;
}

const juce::String* PreferencesData::findValue (juce::StringRef key) const
{
    const auto* element = findElement (key);

    if (element == nullptr || ! element->hasAttribute (valueAttribute))
        return nullptr;

    return &element->getStringAttribute (valueAttribute);
}

void PreferencesData::setValue (juce::StringRef key, const juce::String& value)
{
    auto* element = findElement (key);

    if (element == nullptr)
        element = root->createNewChildElement (key);

    element->setAttribute (valueAttribute, value);
}

void PreferencesData::setValueIfMissing (juce::StringRef key, const juce::String& value)
{
    if (findElement (key) == nullptr)
        setValue (key, value);
}
} // namespace xTV200_preferences
