#pragma once

#include "data/LibraryData.h"
#include "data/PresetData.h"
#include "ZipTestSupport.h"

#include <juce_core/juce_core.h>

#include <vector>

namespace test
{
/** A program whose bytes, programmer and comment all depend on seed. */
inline xTV200_data::ProgramData makeDistinctProgram (int seed)
{
    xTV200_data::ProgramData program;
    const auto bytes = randomBlock (xTV200_data::ProgramData::numBytes, seed + 1);
    program.setBytes (bytes.getData(), bytes.getSize());
    program.getInformation().programmer = "Programmer " + juce::String (seed);
    program.getInformation().comment = juce::String::fromUTF8 ("Comment <") + juce::String (seed) +
                                       juce::String::fromUTF8 ("> & \xc3\xa9t\xc3\xa9 \"q\"\nline two");
    return program;
}

/** A library of 300 different programs and 48 different favourite values. */
inline std::unique_ptr<xTV200_data::LibraryData> makeDistinctLibrary()
{
    auto library = std::make_unique<xTV200_data::LibraryData>();

    for (int index = 0; index < xTV200_data::LibraryData::numPrograms; ++index)
        library->getProgram (index) = makeDistinctProgram (index);

    for (int bank = 0; bank < xTV200_data::FavoriteData::numBanks; ++bank)
        for (int slot = 0; slot < xTV200_data::FavoriteData::numSlots; ++slot)
            library->getFavorites().setValue (bank, slot, 299 - (bank * 8 + slot) * 5);

    return library;
}

inline void writeFile (const juce::File& file, const juce::MemoryBlock& bytes)
{
    const auto written = file.replaceWithData (bytes.getData(), bytes.getSize());
    jassert (written);
    juce::ignoreUnused (written);
}

inline juce::MemoryBlock readFile (const juce::File& file)
{
    juce::MemoryBlock bytes;
    file.loadFileAsData (bytes);
    return bytes;
}

/** The entry names of an archive in directory order. */
inline juce::StringArray entryNames (const juce::MemoryBlock& archiveBytes)
{
    const auto archive = openArchive (archiveBytes);
    juce::StringArray names;

    for (int index = 0; index < archive->getNumEntries(); ++index)
        names.add (archive->getEntryRecord (index)->name);

    return names;
}

/** The text of one entry of an archive, decompressed. */
inline juce::String entryText (const juce::MemoryBlock& archiveBytes, const juce::String& name)
{
    const auto archive = openArchive (archiveBytes);
    const auto uncompressed = archive->uncompressAll().wasOk();
    jassert (uncompressed);
    juce::ignoreUnused (uncompressed);
    return archive->getEntryData (name).toString();
}
} // namespace test
