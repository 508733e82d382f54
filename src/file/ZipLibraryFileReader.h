#pragma once

#include "data/FavoriteData.h"
#include "data/PresetInformation.h"
#include "data/ProgramData.h"
#include "file/MemoryBasedZipUncompressor.h"

#include <juce_core/juce_core.h>

#include <memory>
#include <vector>

namespace xTV200_file
{
/** Reads any of the librarian's zip files (library, program and preset
    files) into three lists, each in the order the table of contents
    "FileInformation.xml" names its entries. The reader's owner takes the
    records it needs from the lists.
*/
class ZipLibraryFileReader
{
public:
    struct FavoriteFileInformation
    {
        juce::String entryName;
        xTV200_data::FavoriteData favorites;
    };

    struct ProgramFileInformation
    {
        juce::String informationEntryName;
        juce::String binaryEntryName;
        xTV200_data::ProgramData program;
    };

    struct PresetInformationFileInformation
    {
        juce::String entryName;
        xTV200_data::PresetInformation information;
    };

    /** Opens the archive; never fails by itself, read() reports the faults. */
    explicit ZipLibraryFileReader (const juce::File& zipFile);

    /** Opens the archive that source gives. */
    explicit ZipLibraryFileReader (std::unique_ptr<juce::InputSource> source);

    virtual ~ZipLibraryFileReader();

    /** Decompresses the archive, reads its table of contents and every entry
        it names, and returns a read result code: 6 for a file that is not a
        readable zip archive or has no entries, 7 for a table of contents that
        is not XML, 8 when it lacks its root, "Product" or "Contents", 5 when
        its product is not ours, 9/10/11 for a named entry that is missing,
        12/13/14/15 for a favourite, program binary, program information or
        preset information entry that cannot be read.

        Call it once. On a code other than 0 the lists may be partly filled
        and must not be used.
    */
    int read();

    const std::vector<FavoriteFileInformation>& getFavorites() const noexcept { return favorites; }
    const std::vector<ProgramFileInformation>& getPrograms() const noexcept { return programs; }
    const std::vector<PresetInformationFileInformation>& getPresetInformations() const noexcept
    {
        return presetInformations;
    }

    static constexpr const char* tableOfContentsName = "FileInformation.xml";
    static constexpr const char* tableOfContentsRootName = "VeskMSLibrarian_Data";
    static constexpr const char* productText = "TolmVESK";

private:
    int readTableOfContents();
    void collectItems (const juce::XmlElement& contents);
    int readFavorites();
    int readPresetInformations();
    int readPrograms();
    std::unique_ptr<juce::XmlElement> parseEntry (const juce::String& entryName) const;

    std::unique_ptr<file::MemoryBasedZipUncompressor> archive;
    std::vector<FavoriteFileInformation> favorites;
    std::vector<ProgramFileInformation> programs;
    std::vector<PresetInformationFileInformation> presetInformations;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ZipLibraryFileReader)
};
} // namespace xTV200_file
