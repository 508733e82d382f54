#pragma once

// The per-input checks of the fuzz targets, shared by the libFuzzer targets in
// this folder and by the test that replays their corpora. Each check feeds
// one input to a reader and returns an empty text when the reader behaved, or
// a description of the broken promise. Crashes, undefined behaviour and huge
// allocations are left to the sanitizers and to libFuzzer's limits.

#include "base/BoundedXmlReader.h"
#include "data/FavoriteData.h"
#include "data/LibraryData.h"
#include "data/PresetData.h"
#include "data/ProgramData.h"
#include "data/xml/XmlDocumentText.h"
#include "file/FileResultCodes.h"
#include "file/LibraryFileReader.h"
#include "file/MemoryBasedZipUncompressor.h"
#include "file/MemoryInputSource.h"
#include "file/PresetFileReader.h"
#include "file/ProgramFileReader.h"
#include "file/TonexaLibraryDataImporter.h"
#include "file/ZipCrc32.h"
#include "midi/MidiInputReassembler.h"
#include "midi/MidiMessageAnalyzer.h"

#include <juce_core/juce_core.h>

#include <memory>
#include <set>

namespace fuzz
{
inline juce::String describeHashFault (const xTV200_data::ProgramData& program, const juce::String& where)
{
    auto recomputed = program;
    recomputed.updateHash();
    return recomputed.getHash() == program.getHash() ? juce::String()
                                                     : where + ": hash does not match the bytes";
}

template <typename Collection>
juce::String describeHashFaults (const Collection& collection, int numPrograms, const juce::String& where)
{
    for (int index = 0; index < numPrograms; ++index)
        if (auto fault =
                describeHashFault (collection.getProgram (index), where + " program " + juce::String (index));
            fault.isNotEmpty())
            return fault;

    return {};
}

/** A program unlike the initial one, so that a reader that wrongly touches
    its target on failure is seen. */
inline xTV200_data::ProgramData makeSentinelProgram()
{
    xTV200_data::ProgramData program;
    program.setByte (0, 'Z');
    program.setByte (319, 0x5A);
    program.getInformation().programmer = "sentinel";
    return program;
}

/** The archive must be refused, or accepted with every entry matching its
    recorded size and CRC-32. */
inline juce::String checkZipArchive (const void* data, size_t size)
{
    file::MemoryBasedZipUncompressor uncompressor (
        std::make_unique<test::MemoryInputSource> (juce::MemoryBlock (data, size)));

    if (uncompressor.uncompressAll().failed())
        return {};

    std::set<juce::String> seen;

    for (int i = 0; i < uncompressor.getNumEntries(); ++i)
    {
        const auto& record = *uncompressor.getEntryRecord (i);

        // With duplicate names only the first entry is reachable by name.
        if (! seen.insert (record.name).second)
            continue;

        const auto bytes = uncompressor.getEntryData (record.name);

        if (! uncompressor.hasEntry (record.name))
            return "accepted entry " + record.name + " is not found by name";

        if (bytes.getSize() != record.uncompressedSize || file::ZipCrc32::of (bytes) != record.checksum)
            return "accepted entry " + record.name + " does not match its size or CRC-32";
    }

    return {};
}

/** A file of the process's own, rewritten for every input: the library,
    program and preset readers take a file, and a file in the temporary
    folder costs far less than the unzipping and parsing that follow. */
inline const juce::File& getScratchFile()
{
    static const juce::TemporaryFile scratch (".tvlib");
    return scratch.getFile();
}

inline bool isReadCode (int code) noexcept
{
    return code >= file::ReadResult::noError && code <= file::ReadResult::failedToImportPresetData;
}

/** Feeds the bytes, as a file, to the library, program and preset readers.
    Each must return a read code; on success its record's hashes must match
    their bytes, on failure its target must be untouched. */
inline juce::String checkLibraryProgramPresetFiles (const void* data, size_t size)
{
    const auto& file = getScratchFile();

    if (! file.replaceWithData (data, size) && size > 0)
        return "could not write the scratch file " + file.getFullPathName();

    {
        auto library = std::make_unique<xTV200_data::LibraryData>();
        library->getProgram (0) = makeSentinelProgram();
        const auto before = std::make_unique<xTV200_data::LibraryData> (*library);
        const auto code = xTV200_file::LibraryFileReader (*library).read (file);

        if (! isReadCode (code))
            return "library reader returned " + juce::String (code);

        if (code != file::ReadResult::noError && *library != *before)
            return "library reader changed its target on code " + juce::String (code);

        if (auto fault = describeHashFaults (*library, xTV200_data::LibraryData::numPrograms, "library");
            fault.isNotEmpty())
            return fault;
    }

    {
        auto program = makeSentinelProgram();
        const auto before = program;
        const auto code = xTV200_file::ProgramFileReader (program).read (file);

        if (! isReadCode (code))
            return "program reader returned " + juce::String (code);

        if (code != file::ReadResult::noError && program != before)
            return "program reader changed its target on code " + juce::String (code);

        if (auto fault = describeHashFault (program, "program file"); fault.isNotEmpty())
            return fault;
    }

    {
        auto preset = std::make_unique<xTV200_data::PresetData>();
        preset->getProgram (0) = makeSentinelProgram();
        preset->getInformation().name = "sentinel";
        const auto before = std::make_unique<xTV200_data::PresetData> (*preset);
        const auto code = xTV200_file::PresetFileReader (*preset).read (file);

        if (! isReadCode (code))
            return "preset reader returned " + juce::String (code);

        if (code != file::ReadResult::noError && ! (*preset == *before))
            return "preset reader changed its target on code " + juce::String (code);

        if (auto fault = describeHashFaults (*preset, xTV200_data::PresetData::numPrograms, "preset");
            fault.isNotEmpty())
            return fault;
    }

    return {};
}

/** A record read from a container must keep its hashes, and what it writes
    must read back as the same record. */
template <typename Record>
juce::String checkContainerRoundTrip (const Record& record, const juce::String& kind)
{
    data::SerializedData written;
    record.serialize (written);

    Record reread;

    if (! reread.deserialize (written))
        return kind + ": what it wrote does not read back";

    if (! (reread == record))
        return kind + ": what it wrote reads back different";

    return {};
}

/** Feeds the bytes as a serialized container to the library, program and
    favourite records. A record may be partly read when the container fails
    (the library keeps the sections before the failing one), but its hashes
    always match its bytes; a record that reads must round-trip. */
inline juce::String checkSerializedContainers (const void* data, size_t size)
{
    const data::SerializedData in (juce::MemoryBlock (data, size));

    {
        auto library = std::make_unique<xTV200_data::LibraryData>();
        const auto read = library->deserialize (in);

        if (auto fault = describeHashFaults (*library, xTV200_data::LibraryData::numPrograms, "library");
            fault.isNotEmpty())
            return fault;

        if (read)
            if (auto fault = checkContainerRoundTrip (*library, "library"); fault.isNotEmpty())
                return fault;
    }

    {
        xTV200_data::ProgramData program;
        const auto read = program.deserialize (in);

        if (auto fault = describeHashFault (program, "program"); fault.isNotEmpty())
            return fault;

        if (read)
            if (auto fault = checkContainerRoundTrip (program, "program"); fault.isNotEmpty())
                return fault;
    }

    {
        xTV200_data::FavoriteData favorites;

        if (favorites.deserialize (in))
            if (auto fault = checkContainerRoundTrip (favorites, "favorites"); fault.isNotEmpty())
                return fault;
    }

    return {};
}

inline juce::String checkXmlText (const juce::String& text, const juce::String& decoding)
{
    const auto root = BoundedXmlReader::parse (text);

    if ((root != nullptr) != BoundedXmlReader::isSupportedDocument (text))
        return decoding + ": parse and isSupportedDocument disagree";

    if (root == nullptr)
        return {};

    // The framework's own writer stays inside the subset the reader accepts.
    const auto rewritten = xTV200_data::XmlDocumentText::write (*root);

    if (BoundedXmlReader::parse (rewritten) == nullptr)
        return decoding + ": a parsed document, written again, is refused";

    return {};
}

/** Feeds the bytes to the bounded XML reader, decoded as a preferences file
    is (BoundedXmlReader::readFile) and as an archive entry is. */
inline juce::String checkXmlDocument (const void* data, size_t size)
{
    // Larger than any file readFile accepts: such input says nothing new.
    if (size > 1024 * 1024)
        return {};

    if (auto fault =
            checkXmlText (juce::String::createStringFromData (data, static_cast<int> (size)), "file");
        fault.isNotEmpty())
        return fault;

    return checkXmlText (xTV200_data::XmlDocumentText::decodeUtf8 (data, size), "entry");
}
/** Feeds the bytes to the importer of the older editor's library files: a
    code of its own, the target untouched on failure, hashes matching bytes
    on success. */
inline juce::String checkTonexaImport (const void* data, size_t size)
{
    auto library = std::make_unique<xTV200_data::LibraryData>();
    library->getProgram (299) = makeSentinelProgram();
    library->getFavorites().setValue (3, 4, 123);
    const auto before = std::make_unique<xTV200_data::LibraryData> (*library);

    const auto code = xTV200_file::TonexaLibraryDataImporter (*library).readBytes (data, size);

    if (code == file::ReadResult::noError)
        return describeHashFaults (*library, xTV200_data::LibraryData::numPrograms, "imported library");

    if (code != file::ReadResult::invalidType && code != file::ReadResult::invalidProgramNumber)
        return "importer returned " + juce::String (code);

    if (*library != *before)
        return "importer changed its target on code " + juce::String (code);

    return {};
}
/** What the analyzer's classification of one SysEx message promises: a known
    type, the data size of its kind, a program number only where one belongs. */
inline juce::String describeClassificationFault (const juce::uint8* message, int length)
{
    using Info = xTV200_midi::AnalyzedInformation;
    const auto info =
        xTV200_midi::MidiMessageAnalyzer().analyze (message, static_cast<size_t> (length), 0x0118);
    const auto type = info.getType();
    const std::set<int> knownTypes{Info::broken,
                                   Info::none,
                                   Info::identityReply,
                                   Info::currentProgramRequest,
                                   Info::currentProgramDump,
                                   Info::programRequest,
                                   Info::programDump,
                                   Info::globalRequest,
                                   Info::globalDump,
                                   Info::dataFormatError,
                                   Info::dataLoadCompleted,
                                   Info::dataLoadError,
                                   Info::writeCompleted,
                                   Info::writeError};

    if (knownTypes.count (type) == 0)
        return "unknown message type " + juce::String (type);

    const auto dataSize = info.getData().getSize();
    const size_t expectedSize = type == Info::currentProgramDump || type == Info::programDump ? 320
                                : type == Info::globalDump                                    ? 224
                                : type == Info::identityReply ? static_cast<size_t> (length)
                                                              : 0;
    if (dataSize != expectedSize)
        return "type " + juce::String (type) + " carries " + juce::String ((int)dataSize) + " data bytes";

    const bool hasNumber = type == Info::programRequest || type == Info::programDump;
    if ((! hasNumber && info.getValue() != 0) || info.getValue() < 0 || info.getValue() > 16383)
        return "type " + juce::String (type) + " has the value " + juce::String (info.getValue());

    return {};
}

/** One message completed by the reassembler must be whole: a SysEx message
    from F0 to F7 with data bytes only between, any other message exactly as
    long as its status byte says, with data bytes after it. */
inline juce::String describeReassembledFault (const juce::uint8* message, int length, bool isSysEx)
{
    if (length <= 0 || message[0] < 0x80)
        return "a message without its status byte";

    const auto end = isSysEx ? length - 1 : length;

    for (int i = 1; i < end; ++i)
        if (message[i] >= 0x80)
            return "a status byte inside a message";

    if (! isSysEx)
        return length == midi::MidiInputReassembler::getMessageLength (message[0])
                   ? juce::String()
                   : "a short message of the wrong length";

    if (message[0] != 0xf0 || message[length - 1] != 0xf7 || length < 2)
        return "a SysEx message not running from F0 to F7";

    return describeClassificationFault (message, length);
}

/** Bytes as a MIDI input delivers them: the first byte chooses the block size
    (1 to 64) in which the rest arrives. Every message completed must be whole
    and classified as promised. */
inline juce::String checkMidiInput (const void* data, size_t size)
{
    if (size == 0)
        return {};

    const auto* bytes = static_cast<const juce::uint8*> (data);
    const auto blockSize = static_cast<size_t> ((bytes[0] & 0x3f) + 1);
    juce::String fault;

    midi::MidiInputReassembler reassembler (
        [&fault] (const juce::uint8* message, int length, bool isSysEx)
        {
            if (fault.isEmpty())
                fault = describeReassembledFault (message, length, isSysEx);
        },
        4096);

    for (size_t offset = 1; offset < size && fault.isEmpty(); offset += blockSize)
        reassembler.processBlock (bytes + offset, static_cast<int> (std::min (blockSize, size - offset)));

    return fault;
}
} // namespace fuzz
