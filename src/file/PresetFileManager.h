#pragma once

#include "base/Singleton.h"

#include <juce_core/juce_core.h>
#include <juce_events/juce_events.h>

#include <memory>

namespace xTV200_file
{
/** The preset files the user has installed: copies kept in the preset folder
    ("Preset Data" beside the preferences file) and listed, in installation
    order, in the index "PresetFileInformation.xml" of that folder.

    The index is read when the object is created. Every file it writes (the
    index and the installed copies) replaces the old one in one step, so a
    failure leaves the previous file as it was.

    Message thread only.
*/
class PresetFileManager final : public Singleton<PresetFileManager>, private juce::DeletedAtShutdown
{
public:
    /** The process-wide object: works in the folder "Preset Data" inside the
        preferences folder. */
    PresetFileManager();

    /** Works in the given folder instead; it is created when missing.

        An index that cannot be read (damaged, not XML, not the index's root
        element, or larger than maximumIndexSize) gives an empty list; the
        file is first renamed to "PresetFileInformation-damaged.xml" (or a
        numbered variant) so that the next save does not destroy what could
        still be recovered from it.
    */
    explicit PresetFileManager (const juce::File& presetFolderToUse);

    /** Installs a preset file: a DataID that is already listed has its
        installed copy replaced (the index stays as it is); any other DataID
        gets a new copy and a new index entry. Returns false, changing nothing,
        when the file does not read as a preset file or a copy or the index
        cannot be written. The presets are not reloaded. */
    bool installPresetFile (const juce::File& file);

    /** Installs a preset file held in memory (the factory bundle), through a
        temporary file of a unique name in the system's temporary folder that
        is deleted afterwards. */
    bool installPresetData (const void* bytes, size_t size);

    /** Empties the data centre's preset library and reads every listed preset
        file into it in index order. The first non-zero read code ends the
        loading and is returned; the presets read before it stay. Either way
        the preset observers are told, and the current program's observers
        when a library program is current (its preset match may have changed).
    */
    int loadInstalledPresets();

    /** The start-up steps: when no preset is listed, installs the given
        factory bundle (skipped when there is none); then loads the installed
        presets and returns loadInstalledPresets()'s code. */
    int initialiseAtStartup (const void* factoryPreset, size_t size);

    /** The start-up steps with the factory bundle the program carries. */
    int initialiseWithFactoryPreset();

    int getNumInstalledPresets() const;

    const juce::File& getPresetFolder() const noexcept { return presetFolder; }
    juce::File getIndexFile() const { return presetFolder.getChildFile (indexFileName); }

    /** The file-name stem used for an installed copy of a preset with this
        DataID: characters a file name may not hold become "_", leading and
        trailing dots and blanks go (so no "..", no hidden file, no name that
        Windows trims), device names such as "CON" get a "_" in front, the
        length is limited, and an empty result becomes "Preset". */
    static juce::String makeSafeFileName (const juce::String& dataID);

    static constexpr const char* indexFileName = "PresetFileInformation.xml";

    /** Indexes larger than this are treated as damaged; a real one lists a
        handful of presets in a few hundred bytes each. */
    static constexpr juce::int64 maximumIndexSize = 4 * 1024 * 1024;

private:
    std::unique_ptr<juce::XmlElement> loadIndex() const;
    void keepDamagedIndex() const;
    bool saveIndex (const juce::XmlElement& document) const;

    juce::XmlElement* findEntry (const juce::String& dataID) const;
    juce::File getInstalledFile (const juce::XmlElement& entry) const;
    juce::String chooseNewFileName (const juce::String& dataID) const;
    bool isNameInUse (const juce::String& fileName) const;

    bool replaceInstalledCopy (const juce::XmlElement& entry, const juce::MemoryBlock& bytes);
    bool addInstalledCopy (const juce::String& dataID, const juce::MemoryBlock& bytes);
    bool writeNewCopyAndIndex (const juce::String& fileName, const juce::MemoryBlock& bytes,
                               std::unique_ptr<juce::XmlElement> updatedIndex);

    void notifyPresetsReloaded() const;

    juce::File presetFolder;
    std::unique_ptr<juce::XmlElement> index;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetFileManager)
};
} // namespace xTV200_file
