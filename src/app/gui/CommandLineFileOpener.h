#pragma once

#include "app/ApplicationStartupProcess.h"

#include <juce_core/juce_core.h>

namespace xTV200_application
{
/** Opens the file a command line names: the start command line, or one that a
    second start handed over. Only the first file of a known kind counts.

    - A library replaces the one in the window, after the discard check.
    - A program is loaded into the first selected slot, when there is one.
    - A preset bundle is installed and the installed presets are reloaded.

    A library or program file tells the start-up process so that it does not
    receive the library over it. Nothing is opened while a dialog is open.
    Message thread only.
*/
class CommandLineFileOpener final
{
public:
    explicit CommandLineFileOpener (ApplicationStartupProcess& startupProcessToTell) noexcept
        : startupProcess (startupProcessToTell)
    {
    }

    void process (const juce::String& commandLine, const juce::File& workingDirectory);

private:
    static void openLibrary (const juce::File& file);
    static void loadProgram (const juce::File& file);
    static void installPreset (const juce::File& file);

    ApplicationStartupProcess& startupProcess;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (CommandLineFileOpener)
};
} // namespace xTV200_application
