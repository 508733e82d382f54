#pragma once

#include <juce_core/juce_core.h>

namespace xTV200_application
{
/** What a program file dropped on the main window does. Message thread only. */
class FileDropProcessor
{
public:
    FileDropProcessor() = default;
    virtual ~FileDropProcessor() = default;

    /** Loads the program file into the one selected program (undoable) and
        shows a read error on failure. With none or several programs selected
        nothing happens: a drop gives no way to say which one is meant. */
    void loadDroppedProgram (const juce::File& file);

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (FileDropProcessor)
};
} // namespace xTV200_application
