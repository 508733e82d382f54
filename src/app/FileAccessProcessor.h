#pragma once

#include "data/LibraryData.h"
#include "data/PresetInformation.h"

#include <juce_core/juce_core.h>

namespace xTV200_application
{
/** The document operations on files, without any dialog: the user interface
    chooses the file and shows the error for a non-zero code.

    Each returns a read or write result code (0 = success). A failure changes
    nothing: files are read into fresh records first, and a failed save keeps
    the file name and the modified state.

    Message thread only.
*/
class FileAccessProcessor
{
public:
    FileAccessProcessor() = default;
    virtual ~FileAccessProcessor() = default;

    /** Replaces the library with a library file's. The library is then the
        file's: its name is remembered, it is not modified, and the undo
        history is cleared. */
    int openLibraryFile (const juce::File& file);

    /** Writes the library; on success the file is remembered and the library
        is not modified. The undo history stays. */
    int saveLibraryFile (const juce::File& file);

    /** Replaces one library program with a program file's, as the undoable
        transaction "LoadProgram". An index outside 0-299 reads nothing and
        gives 4 (invalid program number). */
    int loadProgramFile (const juce::File& file, int programIndex);

    /** Replaces the library with one read from the older editor's library
        file. The result is untitled and not modified; the undo history is
        cleared. */
    int importTonexaFile (const juce::File& file);

    /** Writes a preset file of the library's 300 programs, each with its
        programmer and comment emptied (bytes and hash as they are), under the
        given information. The library is not touched. */
    int makePresetFile (const juce::File& file, const xTV200_data::PresetInformation& presetInformation);

    /** The "New" command once the user agreed to discard the library: 300
        initial programs and the initial favourites, untitled, not modified,
        with the undo history cleared. */
    void newLibrary();

private:
    static void replaceLibrary (const xTV200_data::LibraryData& replacement, const juce::File& documentFile);

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (FileAccessProcessor)
};
} // namespace xTV200_application
