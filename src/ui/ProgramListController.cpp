#include "ui/ProgramListController.h"

#include "app/ApplicationUndoManager.h"
#include "data/CurrentProgramData.h"
#include "data/DataCenter.h"
#include "ui/state/SelectedProgramStatus.h"

namespace xTV200_ui
{
using xTV200_data::LibraryData;

ProgramListController::ProgramListController (LibraryData& libraryToEdit)
    : library (libraryToEdit), editor (library, *application::ApplicationUndoManager::getInstance())
{
}

void ProgramListController::selectionChanged()
{
    xTV200_data::CurrentProgramData::getInstance()->selectLibraryPrograms (
        ui::SelectedProgramStatus::getInstance()->getSelection());
}

bool ProgramListController::dragInsert (const std::vector<int>& newOrder, int)
{
    return editor.dragInsert (newOrder);
}

bool ProgramListController::dragCopy (const std::map<int, int>& targetToSource, int)
{
    for (const auto& [target, source] : targetToSource)
        if (! juce::isPositiveAndBelow (target, LibraryData::numPrograms)
            || ! juce::isPositiveAndBelow (source, LibraryData::numPrograms))
            return false;

    return editor.dragCopy (targetToSource);
}

bool ProgramListController::dropPreset (int row, int presetIndex, int programIndex)
{
    const auto& presets = xTV200_data::DataCenter::getInstance()->getPresets();

    if (! juce::isPositiveAndBelow (row, LibraryData::numPrograms)
        || ! juce::isPositiveAndBelow (presetIndex, presets.getNumPresets())
        || ! juce::isPositiveAndBelow (programIndex, xTV200_data::PresetData::numPrograms))
        return false;

    editor.dropPreset (row, presets.getPreset (presetIndex).getProgram (programIndex));
    return true;
}
} // namespace xTV200_ui
