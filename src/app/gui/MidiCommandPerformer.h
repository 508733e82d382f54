#pragma once

#include <juce_core/juce_core.h>

#include <functional>
#include <vector>

namespace xTV200_menu
{
/** The four exchanges with the synthesizer the MIDI menu starts. Each one
    runs in front of the user through the MIDI communication manager, which
    shows its progress and its result; only a successful receive changes the
    library, as one undoable transaction.
    Writing overwrites the synthesizer's memory, so it first asks the write
    confirmation (a function, so that the confirmation dialog stays with the
    other dialogs) and then the USB-MIDI driver check.
*/
class MidiCommandPerformer final
{
public:
    using Confirmation = std::function<bool()>;

    explicit MidiCommandPerformer (Confirmation writeConfirmation);

    void receiveLibrary();
    void writeLibrary();
    void receiveSelectedPrograms (const std::vector<int>& selection);
    void writeSelectedPrograms (const std::vector<int>& selection);

    /** Goes ahead when no warning is needed, or when the user answers OK to
        the driver warning; never while another modal dialog is open. */
    static bool checkDriver();

private:
    bool confirmWrite() const;

    Confirmation confirmation;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MidiCommandPerformer)
};
} // namespace xTV200_menu
