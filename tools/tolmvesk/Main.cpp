#include "app/ApplicationInfo.h"

#include <juce_core/juce_core.h>

#include <iostream>

namespace
{
void printUsage()
{
    std::cout << "Usage: tolmvesk --version\n";
}
} // namespace

int main (int argc, char** argv)
{
    juce::StringArray arguments;
    for (int i = 1; i < argc; ++i)
        arguments.add (juce::String::fromUTF8 (argv[i]));

    if (arguments.contains ("--version"))
    {
        std::cout << xTV200_application::ApplicationInfo::name << ' '
                  << xTV200_application::ApplicationInfo::version << '\n';
        return 0;
    }

    printUsage();
    return arguments.isEmpty() || arguments.contains ("--help") ? 0 : 2;
}
