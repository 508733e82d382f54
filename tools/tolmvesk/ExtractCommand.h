#pragma once

#include <juce_core/juce_core.h>

#include <ostream>

namespace tolmvesk
{
/** "extract LIBRARY NUMBER OUT.tvprog": writes program NUMBER (1-300) of a
    library, a preset or an older editor's library to a program file, with its
    texts as the source holds them.

    @param arguments  the arguments after the command's name
*/
int runExtractCommand (const juce::StringArray& arguments, std::ostream& out, std::ostream& err);
} // namespace tolmvesk
