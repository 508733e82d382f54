#pragma once

#include "data/LibraryData.h"
#include "data/PresetData.h"
#include "data/ProgramData.h"
#include "tolmvesk/FileKind.h"

#include <memory>

namespace tolmvesk
{
/** Whatever file the user names, read through the reader of its kind.

    A library (or an older editor's library) holds 300 programs and the
    favourites, a preset 300 programs and its information, a program file one
    program. Only the record of the kind read is available.
*/
class LoadedFile final
{
public:
    LoadedFile() = default;

    /** Reads the file as the given kind (not unknown) and returns the read
        result code; on any code but 0 nothing is held. */
    int load (const juce::File& file, FileKind kindToRead);

    FileKind getKind() const noexcept { return kind; }

    /** 300, or 1 for a program file; 0 before a successful load. */
    int getNumPrograms() const noexcept;

    /** A program by 0-based index below getNumPrograms(). */
    const xTV200_data::ProgramData& getProgram (int index) const;

    /** Non-null only for the kinds that hold them. */
    const xTV200_data::LibraryData* getLibrary() const noexcept { return library.get(); }
    const xTV200_data::PresetData* getPreset() const noexcept { return preset.get(); }

private:
    FileKind kind = FileKind::unknown;
    std::unique_ptr<xTV200_data::LibraryData> library;
    std::unique_ptr<xTV200_data::PresetData> preset;
    std::unique_ptr<xTV200_data::ProgramData> program;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LoadedFile)
};
} // namespace tolmvesk
