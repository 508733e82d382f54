#include "app/CTRVResource.h"
#include "tolmvesk/CommandLineTool.h"

#include <iostream>

int main (int argc, char** argv)
{
    juce::StringArray arguments;
    for (int i = 1; i < argc; ++i)
        arguments.add (juce::String::fromUTF8 (argv[i]));

    // Scripts match the tool's texts, so they are English whatever the locale.
    CTRVResource::setLanguageForThisRun (application::DisplayLanguage::english);

    // The MIDI commands run the message loop that the ports' notifications use.
    const juce::ScopedJuceInitialiser_GUI messageLoop;
    return tolmvesk::runCommandLineTool (arguments, std::cout, std::cerr);
}
