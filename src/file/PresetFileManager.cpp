#include "file/PresetFileManager.h"

#include "base/UserDataFolder.h"
#include "base/BoundedXmlReader.h"
#include "data/CurrentProgramData.h"
#include "data/DataCenter.h"
#include "data/PresetDataChangeBroadcaster.h"
#include "data/xml/XmlDocumentText.h"
#include "file/AtomicFileReplacer.h"
#include "file/FileResultCodes.h"
#include "file/PresetFileReader.h"

#include "TolmVESKResources.h"

namespace xTV200_file
{
namespace
{
using xTV200_data::XmlDocumentText;

const juce::String rootName ("TolmVESK_PresetInformation");
const juce::String entryName ("Preset");
const juce::String dataIdName ("DataID");
const juce::String fileName ("File");
const juce::String installedExtension (".itvpreset");

constexpr int maximumStemLength = 50;

juce::String getChildText (const juce::XmlElement& entry, const juce::String& childName)
{
    const auto* child = XmlDocumentText::findChild (entry, childName);
    return child != nullptr ? child->getAllSubText() : juce::String();
}

void setChildText (juce::XmlElement& entry, const juce::String& childName, const juce::String& text)
{
    auto* child = const_cast<juce::XmlElement*> (XmlDocumentText::findChild (entry, childName));

    if (child == nullptr)
        child = entry.createNewChildElement (childName);

    child->deleteAllChildElements();
    child->addTextElement (text);
}

/** True for a plain name of a file directly inside the preset folder. The
    index comes from disk, so a name like "../../x" must not lead a
    replacement out of the folder. */
bool isPlainFileName (const juce::String& name)
{
    if (name.isEmpty() || name == "." || name == "..")
        return false;

    for (auto character : name)
        if (character < 0x20 || character == '/' || character == '\\' || character == ':')
            return false;

    return true;
}

bool isReservedDeviceName (const juce::String& stem)
{
    static const juce::StringArray deviceNames ({"CON", "PRN", "AUX", "NUL"});

    const auto baseName = stem.upToFirstOccurrenceOf (".", false, false).trimEnd();

    if (deviceNames.contains (baseName, true))
        return true;

    return baseName.length() == 4 &&
           (baseName.startsWithIgnoreCase ("COM") || baseName.startsWithIgnoreCase ("LPT")) &&
           juce::CharacterFunctions::isDigit (baseName[3]);
}

int positionOf (const juce::XmlElement& parent, const juce::XmlElement& child)
{
    int position = 0;

    for (const auto* candidate : parent.getChildIterator())
    {
        if (candidate == &child)
            return position;

        ++position;
    }

    return -1;
}

juce::MemoryBlock toUtf8 (const juce::String& text)
{
    return {text.toRawUTF8(), text.getNumBytesAsUTF8()};
}
} // namespace

PresetFileManager::PresetFileManager()
    : PresetFileManager (
          getUserDataFolder().getChildFile ("Preset Data"))
{
}

PresetFileManager::PresetFileManager (const juce::File& presetFolderToUse)
    : presetFolder (presetFolderToUse)
{
    presetFolder.createDirectory();
    index = loadIndex();
}

//==============================================================================
std::unique_ptr<juce::XmlElement> PresetFileManager::loadIndex() const
{
    const auto file = getIndexFile();

    if (file.existsAsFile())
    {
        auto document = BoundedXmlReader::readFile (file, maximumIndexSize);

        if (document != nullptr && XmlDocumentText::hasName (*document, rootName))
            return document;

        keepDamagedIndex();
    }

    return std::make_unique<juce::XmlElement> (rootName);
}

void PresetFileManager::keepDamagedIndex() const
{
    const auto keptCopy =
        presetFolder.getNonexistentChildFile ("PresetFileInformation-damaged", ".xml", false);
    getIndexFile().moveFileTo (keptCopy);
}

bool PresetFileManager::saveIndex (const juce::XmlElement& document) const
{
    return file::AtomicFileReplacer::write (getIndexFile(), toUtf8 (XmlDocumentText::write (document))) ==
           file::WriteResult::noError;
}

int PresetFileManager::getNumInstalledPresets() const
{
    int count = 0;

    for (const auto* child : index->getChildIterator())
        if (XmlDocumentText::hasName (*child, entryName))
            ++count;

    return count;
}

juce::XmlElement* PresetFileManager::findEntry (const juce::String& dataID) const
{
    for (auto* child : index->getChildIterator())
        if (XmlDocumentText::hasName (*child, entryName) && getChildText (*child, dataIdName) == dataID)
            return child;

    return nullptr;
}

juce::File PresetFileManager::getInstalledFile (const juce::XmlElement& entry) const
{
    const auto name = getChildText (entry, fileName);

    // An entry without a usable name names no file, which fails to read.
    return isPlainFileName (name) ? presetFolder.getChildFile (name) : juce::File();
}

//==============================================================================
juce::String PresetFileManager::makeSafeFileName (const juce::String& dataID)
{
    juce::String stem;

    for (auto character : dataID)
    {
        const bool forbidden =
            character < 0x20 || character == 0x7f || juce::String ("/\\:*?\"<>|").containsChar (character);
        stem += forbidden ? juce::juce_wchar ('_') : character;
    }

    stem = stem.trimCharactersAtStart (". \t").trimCharactersAtEnd (". \t").substring (0, maximumStemLength);
    stem = stem.trimCharactersAtEnd (". \t");

    if (stem.isEmpty())
        return "Preset";

    return isReservedDeviceName (stem) ? "_" + stem : stem;
}

bool PresetFileManager::isNameInUse (const juce::String& name) const
{
    if (presetFolder.getChildFile (name).exists())
        return true;

    // An entry whose copy went missing still owns its name.
    for (const auto* child : index->getChildIterator())
        if (XmlDocumentText::hasName (*child, entryName) &&
            getChildText (*child, fileName).equalsIgnoreCase (name))
            return true;

    return false;
}

juce::String PresetFileManager::chooseNewFileName (const juce::String& dataID) const
{
    // Different DataIDs can make the same safe stem ("a/b" and "a_b"); the
    // second one gets a number instead of overwriting the first one's copy.
    const auto stem = makeSafeFileName (dataID);
    auto name = stem + installedExtension;

    for (int number = 2; isNameInUse (name); ++number)
        name = stem + " (" + juce::String (number) + ")" + installedExtension;

    return name;
}

//==============================================================================
bool PresetFileManager::installPresetFile (const juce::File& file)
{
    auto preset = std::make_unique<xTV200_data::PresetData>();

    if (PresetFileReader (*preset).read (file) != file::ReadResult::noError)
        return false;

    juce::MemoryBlock bytes;

    if (! file.loadFileAsData (bytes) || presetFolder.createDirectory().failed())
        return false;

    const auto& dataID = preset->getInformation().dataID;

    if (const auto* entry = findEntry (dataID))
        return replaceInstalledCopy (*entry, bytes);

    return addInstalledCopy (dataID, bytes);
}

bool PresetFileManager::replaceInstalledCopy (const juce::XmlElement& entry, const juce::MemoryBlock& bytes)
{
    const auto installed = getInstalledFile (entry);

    if (installed != juce::File())
        return file::AtomicFileReplacer::write (installed, bytes) == file::WriteResult::noError;

    // The entry names no file inside the folder: the copy gets a name of our
    // own, and the entry is changed to it.
    const auto dataID = getChildText (entry, dataIdName);
    const auto name = chooseNewFileName (dataID);
    auto updatedIndex = std::make_unique<juce::XmlElement> (*index);
    setChildText (*updatedIndex->getChildElement (positionOf (*index, entry)), fileName, name);

    return writeNewCopyAndIndex (name, bytes, std::move (updatedIndex));
}

bool PresetFileManager::addInstalledCopy (const juce::String& dataID, const juce::MemoryBlock& bytes)
{
    const auto name = chooseNewFileName (dataID);
    auto updatedIndex = std::make_unique<juce::XmlElement> (*index);
    auto* entry = updatedIndex->createNewChildElement (entryName);
    setChildText (*entry, dataIdName, dataID);
    setChildText (*entry, fileName, name);

    return writeNewCopyAndIndex (name, bytes, std::move (updatedIndex));
}

bool PresetFileManager::writeNewCopyAndIndex (const juce::String& name, const juce::MemoryBlock& bytes,
                                              std::unique_ptr<juce::XmlElement> updatedIndex)
{
    const auto copy = presetFolder.getChildFile (name);

    if (file::AtomicFileReplacer::write (copy, bytes) != file::WriteResult::noError)
        return false;

    // A copy the index does not list would only be in the way of a later one.
    if (! saveIndex (*updatedIndex))
    {
        copy.deleteFile();
        return false;
    }

    index = std::move (updatedIndex);
    return true;
}

bool PresetFileManager::installPresetData (const void* bytes, size_t size)
{
    if (bytes == nullptr || size == 0)
        return false;

    // A unique name, so that two running librarians never share the file;
    // it is deleted when this goes.
    juce::TemporaryFile temporary (".tvpreset");

    if (file::AtomicFileReplacer::write (temporary.getFile(), bytes, size) != file::WriteResult::noError)
        return false;

    return installPresetFile (temporary.getFile());
}

//==============================================================================
int PresetFileManager::loadInstalledPresets()
{
    auto& presets = xTV200_data::DataCenter::getInstance()->getPresets();
    presets.clear();

    auto code = file::ReadResult::noError;
    auto preset = std::make_unique<xTV200_data::PresetData>();

    for (const auto* child : index->getChildIterator())
    {
        if (! XmlDocumentText::hasName (*child, entryName))
            continue;

        code = PresetFileReader (*preset).read (getInstalledFile (*child));

        if (code != file::ReadResult::noError)
            break;

        presets.append (*preset);
    }

    // The collection changed even when a file failed part-way, so the views
    // must drop presets that are no longer there.
    notifyPresetsReloaded();
    return code;
}

void PresetFileManager::notifyPresetsReloaded() const
{
    data::PresetDataChangeBroadcaster::getInstance()->triggerAsyncUpdate();

    auto* currentProgram = xTV200_data::CurrentProgramData::getInstance();

    if (currentProgram->getMode() == xTV200_data::CurrentProgramData::libraryProgram)
        currentProgram->triggerAsyncUpdate();
}

int PresetFileManager::initialiseAtStartup (const void* factoryPreset, size_t size)
{
    if (getNumInstalledPresets() == 0 && factoryPreset != nullptr && size > 0)
        installPresetData (factoryPreset, size);

    return loadInstalledPresets();
}

int PresetFileManager::initialiseWithFactoryPreset()
{
    return initialiseAtStartup (TolmVESKResources::Factory_tvpreset,
                                static_cast<size_t> (TolmVESKResources::Factory_tvpresetSize));
}
} // namespace xTV200_file
