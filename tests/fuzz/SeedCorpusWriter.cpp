// Writes the seed corpora of the fuzz targets with the librarian's own
// writers, so that the seeds can be made again and reviewed:
//
//     tolmvesk_fuzz_seed_writer tests/fuzz/corpus
//
// It writes library/, container/ and xml/ below the folder given; zip/ holds
// archives of other writers as well and is kept by hand.

#include "data/LibraryData.h"
#include "data/PresetData.h"
#include "file/LibraryFileWriter.h"
#include "file/MemoryBasedZipUncompressor.h"
#include "file/PresetFileWriter.h"
#include "file/ProgramFileWriter.h"

#include <juce_core/juce_core.h>

#include <cstdio>

namespace
{
/** A program with a name, a category, varied bytes and texts that need
    escaping in XML. */
xTV200_data::ProgramData makeProgram (int seed, const char* name)
{
    xTV200_data::ProgramData program;

    for (int index = 0; name[index] != 0 && index < xTV200_data::ProgramData::nameLength; ++index)
        program.setByte (index, static_cast<juce::uint8> (name[index]));

    program.setByte (xTV200_data::ProgramData::categoryByte, static_cast<juce::uint8> (seed % 9));

    for (int index = 16; index < xTV200_data::ProgramData::numBytes; index += 7)
        program.setByte (index, static_cast<juce::uint8> ((index * (seed + 3)) & 0x7f));

    program.getInformation().programmer = "Programmer " + juce::String (seed);
    program.getInformation().comment =
        juce::String::fromUTF8 ("Warm <pad> & \"bell\" \xc3\xa9t\xc3\xa9\nsecond line");
    return program;
}

bool write (file::FileWriter& writer, const juce::File& target)
{
    const auto code = writer.write (target);

    if (code != 0)
        std::fprintf (stderr, "writing %s failed with code %d\n", target.getFullPathName().toRawUTF8(), code);

    return code == 0;
}

bool writeFiles (const juce::File& folder)
{
    auto library = std::make_unique<xTV200_data::LibraryData>();
    library->getProgram (0) = makeProgram (1, "Glass Pad");
    library->getProgram (1) = makeProgram (2, "Sub Bass");
    library->getProgram (299) = makeProgram (3, "Last Lead");

    for (int bank = 0; bank < xTV200_data::FavoriteData::numBanks; ++bank)
        for (int slot = 0; slot < xTV200_data::FavoriteData::numSlots; ++slot)
            library->getFavorites().setValue (bank, slot, (bank * 37 + slot * 5) % 300);

    auto preset = std::make_unique<xTV200_data::PresetData>();
    preset->getInformation().dataID = "FuzzSeed-0001";
    preset->getInformation().name = "Seed";
    preset->getInformation().author = "Fuzz";
    preset->getInformation().version = 3;
    preset->getInformation().date = "2024/01/02";
    preset->getInformation().prefix = "SD";
    preset->getInformation().copyright = "(c) Seed & Co <none>";
    preset->getProgram (0) = makeProgram (4, "Seed One");
    preset->getProgram (1) = makeProgram (5, "Seed Two");

    const auto program = makeProgram (6, "Single");

    xTV200_file::LibraryFileWriter libraryWriter (*library);
    xTV200_file::ProgramFileWriter programWriter (program);
    xTV200_file::PresetFileWriter presetWriter (*preset);

    const auto files = folder.getChildFile ("library");
    files.createDirectory();

    if (! write (libraryWriter, files.getChildFile ("library.tvlib")) ||
        ! write (programWriter, files.getChildFile ("program.tvprog")) ||
        ! write (presetWriter, files.getChildFile ("preset.tvpreset")))
        return false;

    const auto containers = folder.getChildFile ("container");
    containers.createDirectory();
    data::SerializedData out;

    library->serialize (out);
    containers.getChildFile ("library.bin").replaceWithData (out.getBytes().getData(), out.getBytes().getSize());
    program.serialize (out);
    containers.getChildFile ("program.bin").replaceWithData (out.getBytes().getData(), out.getBytes().getSize());
    library->getFavorites().serialize (out);
    containers.getChildFile ("favorites.bin")
        .replaceWithData (out.getBytes().getData(), out.getBytes().getSize());
    return true;
}

/** The XML seeds are the documents inside the archives just written. */
bool writeXmlDocuments (const juce::File& folder)
{
    const auto xml = folder.getChildFile ("xml");
    xml.createDirectory();

    // Each archive's table of contents, and one entry of every other kind.
    const std::pair<const char*, const char*> documents[] = {
        {"library.tvlib", "FileInformation.xml"},
        {"library.tvlib", "FavoriteData.fav_data"},
        {"library.tvlib", "Prog_000.prog_info"},
        {"preset.tvpreset", "FileInformation.xml"},
    };

    for (const auto& [archiveName, entryName] : documents)
    {
        file::MemoryBasedZipUncompressor archive (folder.getChildFile ("library").getChildFile (archiveName));

        if (archive.uncompressAll().failed() || ! archive.hasEntry (entryName))
        {
            std::fprintf (stderr, "%s has no entry %s\n", archiveName, entryName);
            return false;
        }

        const auto bytes = archive.getEntryData (entryName);
        const auto name = juce::File::createLegalFileName (juce::String (archiveName) + "-" + entryName);
        xml.getChildFile (name).replaceWithData (bytes.getData(), bytes.getSize());

        // The preset's own information entry, whatever its name.
        for (int index = 0; index < archive.getNumEntries(); ++index)
        {
            const auto& other = archive.getEntryRecord (index)->name;

            if (! other.startsWith ("Prog_") && other != "FileInformation.xml" && ! other.startsWith ("Favorite"))
            {
                const auto otherBytes = archive.getEntryData (other);
                xml.getChildFile (juce::String (archiveName) + "-" + other)
                    .replaceWithData (otherBytes.getData(), otherBytes.getSize());
            }
        }
    }

    return true;
}
} // namespace

int main (int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf (stderr, "usage: %s CORPUS_FOLDER\n", argv[0]);
        return 1;
    }

    const auto folder = juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]);
    return writeFiles (folder) && writeXmlDocuments (folder) ? 0 : 2;
}
