#pragma once

#include <juce_core/juce_core.h>

#include <optional>

namespace tolmvesk
{
/** Takes options out of a command's arguments, leaving the positional ones.

    Options may stand anywhere. A value option takes the argument after it;
    giving an option twice, or a value option without its value, is an error,
    reported once through getError().
*/
class OptionReader final
{
public:
    explicit OptionReader (juce::StringArray& argumentsToRead)
        : arguments (argumentsToRead)
    {
    }

    /** True when the flag was given; it is removed. */
    bool takeFlag (const juce::String& name);

    /** The value after the option, which is removed with it. */
    std::optional<juce::String> takeValue (const juce::String& name);

    /** A whole number from minimum to maximum, or an error. */
    std::optional<int> takeNumber (const juce::String& name, int minimum, int maximum);

    /** How many options have been taken so far. */
    int getNumTaken() const noexcept { return numTaken; }

    /** The first problem met; empty when all was well. */
    const juce::String& getError() const noexcept { return error; }

    /** Records a problem found by the caller, unless one is recorded already. */
    void fail (const juce::String& problem);

    /** An error for the first argument left that looks like an option. */
    void rejectUnknownOptions();

private:
    int findOnce (const juce::String& name);

    juce::StringArray& arguments;
    juce::String error;
    int numTaken = 0;
};
} // namespace tolmvesk
