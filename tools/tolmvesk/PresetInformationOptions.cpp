#include "tolmvesk/PresetInformationOptions.h"

#include <limits>

namespace tolmvesk
{
namespace
{
bool parseVersion (const juce::String& text, juce::int32& version)
{
    if (text.isEmpty() || ! text.containsOnly ("0123456789"))
        return false;

    const auto significant = text.trimCharactersAtStart ("0");

    if (significant.length() > 10)
        return false;

    const auto value = significant.getLargeIntValue();

    if (value > std::numeric_limits<juce::int32>::max())
        return false;

    version = static_cast<juce::int32> (value);
    return true;
}
} // namespace

juce::String applyPresetInformationOption (const juce::String& keyAndValue,
                                           xTV200_data::PresetInformation& information)
{
    if (! keyAndValue.containsChar ('='))
        return "--preset-info takes KEY=VALUE, not " + keyAndValue.quoted();

    const auto key = keyAndValue.upToFirstOccurrenceOf ("=", false, false);
    const auto value = keyAndValue.fromFirstOccurrenceOf ("=", false, false);

    const std::pair<const char*, juce::String*> textFields[] = {
        {"DataID", &information.dataID}, {"Name", &information.name},
        {"Author", &information.author}, {"Date", &information.date},
        {"Prefix", &information.prefix}, {"Copyright", &information.copyright},
    };

    for (const auto& [name, field] : textFields)
    {
        if (key.equalsIgnoreCase (name))
        {
            *field = value;
            return {};
        }
    }

    if (key.equalsIgnoreCase ("Version"))
    {
        if (! parseVersion (value, information.version))
            return "Version must be a whole number from 0 to 2147483647, not " + value.quoted();

        return {};
    }

    return "unknown preset information key " + key.quoted() +
           " (use DataID, Name, Author, Version, Date, Prefix or Copyright)";
}
} // namespace tolmvesk
