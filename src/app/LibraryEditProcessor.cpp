#include "app/LibraryEditProcessor.h"

#include "app/ApplicationUndoManager.h"
#include "app/actions/InitializeProgramDataAction.h"
#include "app/actions/SetFavoriteParameterAction.h"
#include "app/actions/SetLibraryDataAction.h"
#include "app/actions/SetProgramDataAction.h"
#include "data/DataCenter.h"

#include <algorithm>

namespace xTV200_application
{
using xTV200_data::LibraryData;
using xTV200_data::ProgramData;

LibraryEditProcessor::LibraryEditProcessor()
    : LibraryEditProcessor (xTV200_data::DataCenter::getInstance()->getLibrary(),
                            *application::ApplicationUndoManager::getInstance())
{
}

LibraryEditProcessor::LibraryEditProcessor (LibraryData& libraryToEdit, juce::UndoManager& history)
    : library (libraryToEdit), undoManager (history)
{
}

bool LibraryEditProcessor::copy (const std::vector<int>& selection, application::ProgramClipboard& clipboard) const
{
    if (selection.empty())
        return false;

    data::SerializedData container;
    library.getProgram (selection.front()).serialize (container);
    clipboard.setProgramData (container.getBytes());
    return true;
}

bool LibraryEditProcessor::cut (const std::vector<int>& selection, application::ProgramClipboard& clipboard)
{
    if (! copy (selection, clipboard))
        return false;

    undoManager.beginNewTransaction ("CutProgramData");
    undoManager.perform (new xTV200_action::InitializeProgramDataAction (library, selection.front()));
    return true;
}

bool LibraryEditProcessor::paste (const std::vector<int>& selection, const application::ProgramClipboard& clipboard)
{
    if (selection.empty() || ! clipboard.hasProgramData())
        return false;

    ProgramData pasted;
    if (! pasted.deserialize (data::SerializedData (clipboard.getProgramData())))
        return false;

    undoManager.beginNewTransaction ("PasteProgramData");
    setProgram (selection.front(), pasted);
    return true;
}

bool LibraryEditProcessor::clear (const std::vector<int>& selection)
{
    if (selection.empty())
        return false;

    undoManager.beginNewTransaction ("ClearProgramData");
    for (auto index : selection)
        undoManager.perform (new xTV200_action::InitializeProgramDataAction (library, index));
    return true;
}

void LibraryEditProcessor::loadProgram (int programIndex, const ProgramData& program)
{
    undoManager.beginNewTransaction ("LoadProgram");
    setProgram (programIndex, program);
}

void LibraryEditProcessor::receiveLibrary (const LibraryData& received)
{
    undoManager.beginNewTransaction ("Receive Library");
    undoManager.perform (new xTV200_action::SetLibraryDataAction (library, received));
}

bool LibraryEditProcessor::receiveSelectedPrograms (const std::vector<int>& selection, const LibraryData& received)
{
    if (selection.empty())
        return false;

    undoManager.beginNewTransaction ("Receive Selected Programs");
    for (auto index : selection)
        setProgram (index, received.getProgram (index));
    return true;
}

bool LibraryEditProcessor::isPermutation (const std::vector<int>& order)
{
    if (order.size() != static_cast<size_t> (LibraryData::numPrograms))
        return false;

    auto sorted = order;
    std::sort (sorted.begin(), sorted.end());
    for (int i = 0; i < LibraryData::numPrograms; ++i)
        if (sorted[(size_t) i] != i)
            return false;

    return true;
}

bool LibraryEditProcessor::dragInsert (const std::vector<int>& order)
{
    if (! isPermutation (order))
        return false;

    const LibraryData snapshot (library);
    undoManager.beginNewTransaction ("DragInsert");

    for (int i = 0; i < LibraryData::numPrograms; ++i)
        if (order[(size_t) i] != i)
            setProgram (i, snapshot.getProgram (order[(size_t) i]));

    for (int bank = 0; bank < xTV200_data::FavoriteData::numBanks; ++bank)
    {
        for (int slot = 0; slot < xTV200_data::FavoriteData::numSlots; ++slot)
        {
            const auto oldIndex = snapshot.getFavorites().getValue (bank, slot);
            const auto found = std::find (order.begin(), order.end(), oldIndex);
            const auto newIndex = found == order.end() ? 0 : static_cast<int> (found - order.begin());

            if (newIndex != oldIndex)
                setFavoriteValue (bank, slot, newIndex);
        }
    }

    return true;
}

bool LibraryEditProcessor::dragCopy (const std::map<int, int>& targetToSource)
{
    if (targetToSource.empty())
        return false;

    const LibraryData snapshot (library);
    undoManager.beginNewTransaction ("DragCopy");

    for (const auto& [target, source] : targetToSource)
        setProgram (target, snapshot.getProgram (source));

    return true;
}

void LibraryEditProcessor::dropPreset (int targetIndex, const ProgramData& presetProgram)
{
    undoManager.beginNewTransaction ("DropPreset");
    setProgram (targetIndex, presetProgram);
}

bool LibraryEditProcessor::setFavorite (int bank, int slot, const std::vector<int>& draggedPrograms)
{
    if (draggedPrograms.empty())
        return false;

    undoManager.beginNewTransaction ("SetFavoriteData");
    setFavoriteValue (bank, slot, draggedPrograms.front());
    return true;
}

void LibraryEditProcessor::copyFavorite (int sourceBank, int sourceSlot, int targetBank, int targetSlot)
{
    undoManager.beginNewTransaction ("CopyFavoriteData");
    setFavoriteValue (targetBank, targetSlot, library.getFavorites().getValue (sourceBank, sourceSlot));
}

void LibraryEditProcessor::swapFavorites (int sourceBank, int sourceSlot, int targetBank, int targetSlot)
{
    const auto& favorites = library.getFavorites();
    const auto sourceValue = favorites.getValue (sourceBank, sourceSlot);
    const auto targetValue = favorites.getValue (targetBank, targetSlot);

    undoManager.beginNewTransaction ("SwapFavoriteData");
    setFavoriteValue (targetBank, targetSlot, sourceValue);
    setFavoriteValue (sourceBank, sourceSlot, targetValue);
}

void LibraryEditProcessor::setProgram (int programIndex, const ProgramData& program)
{
    undoManager.perform (new xTV200_action::SetProgramDataAction (library, programIndex, program));
}

void LibraryEditProcessor::setFavoriteValue (int bank, int slot, int value)
{
    undoManager.perform (new xTV200_action::SetFavoriteParameterAction (library, bank, slot, value));
}
} // namespace xTV200_application
