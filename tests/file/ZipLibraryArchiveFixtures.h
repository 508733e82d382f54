#pragma once

#include "ZipTestSupport.h"

#include <juce_core/juce_core.h>

#include <vector>

namespace test
{
/** Pieces of hand-made archives: a table of contents from its items, and the
    entries the items name, each of which a test can damage on its own. */
struct ZipLibraryArchiveFixtures
{
    static juce::String tableOfContents (const juce::String& items, const juce::String& product = "TolmVESK",
                                         const juce::String& rootName = "VeskMSLibrarian_Data")
    {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<" + rootName + "><Product>" + product +
               "</Product><Contents>" + items + "</Contents></" + rootName + ">";
    }

    static juce::String favoriteItem (const juce::String& entry = "FavoriteData.fav_data")
    {
        return "<FavoriteData><File>" + entry + "</File></FavoriteData>";
    }

    static juce::String presetItem (const juce::String& entry = "PresetInformation.xml")
    {
        return "<PresetInformation><File>" + entry + "</File></PresetInformation>";
    }

    static juce::String programItem (int index)
    {
        const auto base = baseName (index);
        return "<ProgramData><Information>" + base + ".prog_info</Information><ProgramBinary>" + base +
               ".prog_bin</ProgramBinary></ProgramData>";
    }

    static juce::String programItems (int count)
    {
        juce::String items;

        for (int index = 0; index < count; ++index)
            items << programItem (index);

        return items;
    }

    static juce::String baseName (int index) { return "Prog_" + juce::String (index).paddedLeft ('0', 3); }

    static ZipTestEntry text (const juce::String& name, const juce::String& content)
    {
        return {name, juce::MemoryBlock (content.toRawUTF8(), content.getNumBytesAsUTF8()), 5};
    }

    static ZipTestEntry
    favoriteEntry (const juce::String& content = "<TolmVESK_Favorite><Bank><Data>17</Data>"
                                                 "</Bank></TolmVESK_Favorite>")
    {
        return text ("FavoriteData.fav_data", content);
    }

    static ZipTestEntry presetEntry (const juce::String& content = "<TolmVESK_Preset><DataID>ID-1</DataID>"
                                                                   "<Version>7</Version></TolmVESK_Preset>")
    {
        return text ("PresetInformation.xml", content);
    }

    /** Bytes 0..size-1 of a program binary: byte i holds (i + seed) & 0x7F. */
    static ZipTestEntry binaryEntry (int index, size_t size = 320, int seed = 0)
    {
        juce::MemoryBlock bytes (size);

        for (size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<char> ((static_cast<int> (i) + seed) & 0x7F);

        return {baseName (index) + ".prog_bin", bytes, 5};
    }

    static ZipTestEntry informationEntry (int index, const juce::String& content)
    {
        return text (baseName (index) + ".prog_info", content);
    }

    static ZipTestEntry informationEntry (int index)
    {
        return informationEntry (index, "<TolmVESK_ProgramInformation><Programmer>P" + juce::String (index) +
                                            "</Programmer></TolmVESK_ProgramInformation>");
    }

    /** Binary and information entries of programs 0..count-1. */
    static void addPrograms (std::vector<ZipTestEntry>& entries, int count)
    {
        for (int index = 0; index < count; ++index)
        {
            entries.push_back (binaryEntry (index, 320, index));
            entries.push_back (informationEntry (index));
        }
    }
};
} // namespace test
