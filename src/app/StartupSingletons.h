#pragma once

namespace xTV200_application
{
/** Creates the process-wide objects in their fixed start-up order.

    The order matters because juce::DeletedAtShutdown deletes them in reverse
    order of creation: the strings table, the preferences (with their
    defaults) and their broadcaster, the data centre, then, after the marker
    files are read, the selection, the current program (whose construction
    creates the undo history), the modal dialog state, the data and preset
    broadcasters, and the edit
    and file status. Objects of the MIDI, menu and Twitter layers take their
    places in this order as those layers are added.
*/
struct StartupSingletons
{
    /** Returns true when the strings table is the Japanese one. */
    static bool createInStartupOrder();
};
} // namespace xTV200_application
