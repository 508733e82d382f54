#pragma once

#include <juce_core/juce_core.h>

#include <ostream>

namespace tolmvesk
{
/** "insert LIBRARY.tvlib NUMBER PROGRAM.tvprog": puts the program file's
    program, with its texts, into slot NUMBER (1-300) of the library and
    rewrites the library through its writer, which replaces the file
    atomically; the favourites and the other programs stay as they are.

    @param arguments  the arguments after the command's name
*/
int runInsertCommand (const juce::StringArray& arguments, std::ostream& out, std::ostream& err);
} // namespace tolmvesk
