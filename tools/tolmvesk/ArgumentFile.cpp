#include "tolmvesk/ArgumentFile.h"

namespace tolmvesk
{
juce::File getArgumentFile (const juce::String& argument)
{
    return juce::File::getCurrentWorkingDirectory().getChildFile (argument);
}
} // namespace tolmvesk
