#pragma once

#include "base/ListenerHolder.h"
#include "base/Singleton.h"
#include "data/CurrentProgramDataObserver.h"
#include "data/CurrentProgramTransmitter.h"
#include "data/ProgramData.h"

#include <juce_events/juce_events.h>

#include <vector>

namespace xTV200_data
{
/** The program the user is looking at and hearing: none, a library program,
    or a program of a preset.

    A change hands a copy of the program to the transmitter (when one is set)
    and notifies the observers asynchronously. Library edits through the undo
    history notify again while a library program is current, without
    transmitting.
*/
class CurrentProgramData final : public Singleton<CurrentProgramData>,
                                 public ListenerHolder<CurrentProgramDataObserver>,
                                 public juce::AsyncUpdater,
                                 private juce::DeletedAtShutdown,
                                 private juce::ChangeListener
{
public:
    enum Mode
    {
        noProgram = 0,
        libraryProgram = 1,
        presetProgram = 2
    };

    /** Takes the program list's selection: one selected slot makes it current. */
    CurrentProgramData();
    ~CurrentProgramData() override;

    int getMode() const noexcept { return mode; }
    int getPresetIndex() const noexcept { return presetIndex; }
    int getProgramIndex() const noexcept { return programIndex; }

    /** The current program; the untouched initial program when there is none
        or an index is out of range.
    */
    const ProgramData& getProgram() const;

    /** Follows the program list's selection: one slot makes that library
        program current, none or several leave no current program.
    */
    void selectLibraryPrograms (const std::vector<int>& selection);

    /** Makes a preset program current and clears the program list's selection. */
    void selectPresetProgram (int newPresetIndex, int newProgramIndex);

    /** Transmits the current program (if any) and notifies. */
    void notifyChanged();

    /** The seam to the synthesizer; null sends nothing. Not owned. */
    void setTransmitter (CurrentProgramTransmitter* newTransmitter) noexcept { transmitter = newTransmitter; }

private:
    void handleAsyncUpdate() override;
    void changeListenerCallback (juce::ChangeBroadcaster*) override;

    int mode = noProgram;
    int presetIndex = -1;
    int programIndex = -1;
    CurrentProgramTransmitter* transmitter = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (CurrentProgramData)
};
} // namespace xTV200_data
