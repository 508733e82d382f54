#include "data/CurrentProgramData.h"

#include "app/ApplicationUndoManager.h"
#include "data/DataCenter.h"
#include "ui/state/SelectedProgramStatus.h"

namespace xTV200_data
{
namespace
{
const ProgramData& getUntouchedInitialProgram()
{
    static const ProgramData initialProgram;
    return initialProgram;
}
} // namespace

CurrentProgramData::CurrentProgramData()
{
    const auto& selection = ui::SelectedProgramStatus::getInstance()->getSelection();

    if (selection.size() == 1)
    {
        mode = libraryProgram;
        programIndex = selection.front();
    }

    // Edits must refresh the current program even when nothing is selected yet.
    application::ApplicationUndoManager::getInstance()->addChangeListener (this);
}

CurrentProgramData::~CurrentProgramData()
{
    // The undo manager is created inside our constructor and so is deleted
    // before us at shutdown.
    if (auto* undoManager = application::ApplicationUndoManager::getInstanceWithoutCreating())
        undoManager->removeChangeListener (this);
}

const ProgramData& CurrentProgramData::getProgram() const
{
    auto* dataCenter = DataCenter::getInstance();

    if (mode == libraryProgram && juce::isPositiveAndBelow (programIndex, LibraryData::numPrograms))
        return dataCenter->getLibrary().getProgram (programIndex);

    const auto& presets = dataCenter->getPresets();
    if (mode == presetProgram && juce::isPositiveAndBelow (presetIndex, presets.getNumPresets())
        && juce::isPositiveAndBelow (programIndex, PresetData::numPrograms))
        return presets.getPreset (presetIndex).getProgram (programIndex);

    return getUntouchedInitialProgram();
}

void CurrentProgramData::selectLibraryPrograms (const std::vector<int>& selection)
{
    if (selection.size() == 1)
    {
        if (mode == libraryProgram && programIndex == selection.front())
            return;

        mode = libraryProgram;
        programIndex = selection.front();
    }
    else
    {
        if (mode == noProgram)
            return;

        mode = noProgram;
        programIndex = -1;
    }

    presetIndex = -1;
    notifyChanged();
}

void CurrentProgramData::selectPresetProgram (int newPresetIndex, int newProgramIndex)
{
    if (mode == presetProgram && presetIndex == newPresetIndex && programIndex == newProgramIndex)
        return;

    mode = presetProgram;
    presetIndex = newPresetIndex;
    programIndex = newProgramIndex;
    notifyChanged();

    // Library and preset never both look current.
    ui::SelectedProgramStatus::getInstance()->setSelection ({});
}

void CurrentProgramData::notifyChanged()
{
    if (mode != noProgram && transmitter != nullptr)
        transmitter->transmit (getProgram());

    triggerAsyncUpdate();
}

void CurrentProgramData::handleAsyncUpdate()
{
    callObservers ([] (CurrentProgramDataObserver& observer) { observer.currentProgramChanged(); });
}

void CurrentProgramData::changeListenerCallback (juce::ChangeBroadcaster*)
{
    if (mode == libraryProgram)
        triggerAsyncUpdate();
}
} // namespace xTV200_data
