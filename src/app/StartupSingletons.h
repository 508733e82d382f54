#pragma once

#include <functional>

namespace xTV200_application
{
/** Creates the process-wide objects in their fixed start-up order.

    The order matters because juce::DeletedAtShutdown deletes them in reverse
    order of creation: the strings table, the MIDI device manager, the
    preferences (with their defaults) and their broadcaster, the data centre,
    then, after the marker files are read, the selection, the current program
    (whose construction creates the undo history), the modal dialog state, the
    menu layer, the data and preset broadcasters, and the edit and file
    status. The Twitter layer takes its place at the end when it is added.
*/
struct StartupSingletons
{
    /** The device family every synthesizer of the line reports. */
    static constexpr int synthesizerFamilyId = 0x0118;

    /** Returns true when the strings table is the Japanese one.
        createMenuLayer, when given, creates the menu and command objects in
        their place, right after the modal dialog state: the headless build
        has none. */
    static bool createInStartupOrder (const std::function<void()>& createMenuLayer = {});

    /** After createInStartupOrder(): tells the device manager which family to
        look for and which port mode the preferences ask for, and starts the
        background transmission of the current program. */
    static void configureMidi();
};
} // namespace xTV200_application
