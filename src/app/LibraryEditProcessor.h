#pragma once

#include "app/ProgramClipboard.h"
#include "data/LibraryData.h"

#include <juce_data_structures/juce_data_structures.h>

#include <map>
#include <vector>

namespace xTV200_application
{
/** Every edit of the library the user can make, each one undoable transaction.

    Each operation first checks its precondition and does nothing (returning
    false, beginning no transaction) when it is not met. "selection" is the
    program list's selection, ascending; operations on one program use its
    first entry.
*/
class LibraryEditProcessor
{
public:
    /** Edits the data centre's library through the application's undo history. */
    LibraryEditProcessor();
    LibraryEditProcessor (xTV200_data::LibraryData& library, juce::UndoManager& undoManager);
    virtual ~LibraryEditProcessor() = default;

    bool cut (const std::vector<int>& selection, application::ProgramClipboard& clipboard);
    bool copy (const std::vector<int>& selection, application::ProgramClipboard& clipboard) const;
    bool paste (const std::vector<int>& selection, const application::ProgramClipboard& clipboard);
    bool clear (const std::vector<int>& selection);

    /** A program read from a program file replaces one library program. */
    void loadProgram (int programIndex, const xTV200_data::ProgramData& program);

    /** The library received from the synthesizer replaces the whole library. */
    void receiveLibrary (const xTV200_data::LibraryData& received);

    /** Each selected program takes the received program of the same index. */
    bool receiveSelectedPrograms (const std::vector<int>& selection, const xTV200_data::LibraryData& received);

    /** Reorders the programs: order[i] is the old index of the program that is
        to stand at i. Favourites follow their programs. An order that is not
        a permutation of 0-299 changes nothing.
    */
    bool dragInsert (const std::vector<int>& order);

    /** Copies programs over others (target index to source index), reading
        every source as it was before the drop.
    */
    bool dragCopy (const std::map<int, int>& targetToSource);

    void dropPreset (int targetIndex, const xTV200_data::ProgramData& presetProgram);

    /** The slot takes the first dragged program. */
    bool setFavorite (int bank, int slot, const std::vector<int>& draggedPrograms);
    void copyFavorite (int sourceBank, int sourceSlot, int targetBank, int targetSlot);
    void swapFavorites (int sourceBank, int sourceSlot, int targetBank, int targetSlot);

private:
    void setProgram (int programIndex, const xTV200_data::ProgramData& program);
    void setFavoriteValue (int bank, int slot, int value);
    static bool isPermutation (const std::vector<int>& order);

    xTV200_data::LibraryData& library;
    juce::UndoManager& undoManager;
};
} // namespace xTV200_application
