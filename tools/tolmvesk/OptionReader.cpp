#include "tolmvesk/OptionReader.h"

namespace tolmvesk
{
bool OptionReader::takeFlag (const juce::String& name)
{
    const auto index = findOnce (name);

    if (index < 0)
        return false;

    arguments.remove (index);
    ++numTaken;
    return true;
}

std::optional<juce::String> OptionReader::takeValue (const juce::String& name)
{
    const auto index = findOnce (name);

    if (index < 0)
        return std::nullopt;

    if (index + 1 >= arguments.size())
    {
        fail (name + " needs a value");
        arguments.remove (index);
        return std::nullopt;
    }

    const auto value = arguments[index + 1];
    arguments.removeRange (index, 2);
    ++numTaken;
    return value;
}

std::optional<int> OptionReader::takeNumber (const juce::String& name, int minimum, int maximum)
{
    const auto value = takeValue (name);

    if (! value.has_value())
        return std::nullopt;

    const bool isWholeNumber =
        value->isNotEmpty() && value->length() <= 9 && value->containsOnly ("0123456789");
    const auto number = value->getIntValue();

    if (! isWholeNumber || number < minimum || number > maximum)
    {
        fail (name + " takes a number from " + juce::String (minimum) + " to " + juce::String (maximum) +
              ", not " + value->quoted());
        return std::nullopt;
    }

    return number;
}

void OptionReader::fail (const juce::String& problem)
{
    if (error.isEmpty())
        error = problem;
}

void OptionReader::rejectUnknownOptions()
{
    for (const auto& argument : arguments)
    {
        if (argument.startsWith ("--"))
        {
            fail ("unknown option " + argument.quoted());
            return;
        }
    }
}

int OptionReader::findOnce (const juce::String& name)
{
    const auto index = arguments.indexOf (name);

    if (index >= 0 && arguments.indexOf (name, false, index + 1) >= 0)
        fail (name + " is given twice");

    return index;
}
} // namespace tolmvesk
