#pragma once

#include "data/FavoriteData.h"
#include "data/PresetInformation.h"
#include "data/ProgramData.h"
#include "file/MemoryBasedZipBuilder.h"

#include <juce_core/juce_core.h>

#include <functional>
#include <memory>
#include <vector>

namespace xTV200_file
{
/** Collects the entries of one of the librarian's zip files and writes them,
    with the table of contents "FileInformation.xml" as the last entry. Every
    entry is deflated at level 5.

    Use one writer per file: entries are added in the order they should appear.
*/
class ZipLibraryFileWriter
{
public:
    struct FileInformation
    {
        /** For a program, the base name without extension ("Prog_000"). */
        juce::String entryName;
    };

    ZipLibraryFileWriter() = default;
    virtual ~ZipLibraryFileWriter() = default;

    /** Adds "FavoriteData.fav_data". Always true. */
    bool addFavoriteData (const xTV200_data::FavoriteData& favorites);

    /** Adds "Prog_NNN.prog_bin" with the 320 bytes and then "Prog_NNN.prog_info",
        NNN counting the programs added so far from 000. Always true. */
    bool addProgramData (const xTV200_data::ProgramData& program);

    /** Adds "PresetInformation.xml". Always true. */
    bool addPresetInformation (const xTV200_data::PresetInformation& information);

    /** Adds the table of contents and writes the archive, replacing any file
        at the path only once the new one is complete (see AtomicFileReplacer).
        Returns a write result code: 1 when an existing file may not be
        replaced, 2 when the file cannot be created, 3 when the archive cannot
        be built or written. Call it once per writer.
    */
    int writeToFile (const juce::File& file);

    /** The table of contents for the entries added so far. */
    std::unique_ptr<juce::XmlElement> createTableOfContents() const;

    static constexpr const char* favoriteEntryName = "FavoriteData.fav_data";
    static constexpr const char* presetInformationEntryName = "PresetInformation.xml";
    static constexpr int compressionLevel = 5;

private:
    using DocumentMaker = std::function<std::unique_ptr<juce::XmlElement>()>;

    /** Adds an entry holding the document that createRoot makes while the
        archive is written, possibly on another thread: it works on copies of
        what it needs, or on the entry lists, which no longer change then. */
    void addDocument (const juce::String& entryName, DocumentMaker createRoot);

    file::MemoryBasedZipBuilder builder;
    std::vector<FileInformation> favorites;
    std::vector<FileInformation> programs;
    std::vector<FileInformation> presetInformations;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ZipLibraryFileWriter)
};
} // namespace xTV200_file
