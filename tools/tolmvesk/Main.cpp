#include "tolmvesk/CommandLineTool.h"

#include <iostream>

int main (int argc, char** argv)
{
    juce::StringArray arguments;
    for (int i = 1; i < argc; ++i)
        arguments.add (juce::String::fromUTF8 (argv[i]));

    return tolmvesk::runCommandLineTool (arguments, std::cout, std::cerr);
}
