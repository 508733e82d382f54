#include "file/TonexaLibraryDataImporter.h"

#include "file/FileResultCodes.h"
#include "file/TonexaFileHeaderReaderWriter.h"

#include <algorithm>

namespace xTV200_file
{
namespace
{
namespace ReadResult = file::ReadResult;
using Header = TonexaFileHeaderReaderWriter;

constexpr const char* fileMagic = "TV200AllD";
constexpr const char* programSetMagic = "TV200PrgS";
constexpr const char* programMagic = "TV200PrgD";
constexpr const char* globalDataMagic = "TV200GlbD";

constexpr int numFileChunks = 3;
constexpr int globalDataSize = 224;
constexpr int favoritesOffset = 128;

/** A NUL-padded text inside a program chunk's data. */
struct TextField
{
    juce::int64 offset;
    juce::int64 length;
};

constexpr TextField programmerField{384, 24};
constexpr TextField commentField{408, 64};
constexpr TextField youTubeLinkField{472, 64};

/** Text up to its first NUL. UTF-8 when the bytes are valid UTF-8 (plain
    ASCII is); otherwise the older editor's 8-bit characters, each byte taken
    as the character of the same number, so that no text is lost to a failed
    decoding. */
juce::String decodeText (const juce::uint8* bytes, size_t size)
{
    const auto length = static_cast<size_t> (std::find (bytes, bytes + size, 0) - bytes);
    const auto* chars = reinterpret_cast<const char*> (bytes);

    if (juce::CharPointer_UTF8::isValidString (chars, static_cast<int> (length)))
        return juce::String::fromUTF8 (chars, static_cast<int> (length));

    juce::String text;
    text.preallocateBytes (length * 2);

    for (size_t index = 0; index < length; ++index)
        text += juce::String::charToString (static_cast<juce::juce_wchar> (bytes[index]));

    return text;
}

/** Walks the chunks of one file held in memory and fills a library.

    Every position is a 64-bit offset into the bytes, and every chunk's end is
    checked against the end of what holds it before anything of the chunk is
    used, so no length in the file can make the walk run backwards, stand
    still or read outside the bytes.
*/
class ChunkWalker final
{
public:
    ChunkWalker (const void* data, size_t size, xTV200_data::LibraryData& libraryToFill)
        : bytes (static_cast<const juce::uint8*> (data))
        , numBytes (static_cast<juce::int64> (size))
        , stream (data, size, false)
        , library (libraryToFill)
    {
    }

    int importFile()
    {
        Header header;

        if (! readHeaderAt (header, 0) || ! header.hasMagic (fileMagic) || header.getCount() != numFileChunks)
            return ReadResult::invalidType;

        auto position = static_cast<juce::int64> (Header::headerSize);

        for (int chunk = 0; chunk < numFileChunks; ++chunk)
        {
            const auto start = position;

            if (! readHeaderAt (header, start))
                return ReadResult::invalidType;

            if (header.hasMagic (programSetMagic) &&
                header.getCount() != xTV200_data::LibraryData::numPrograms)
                return ReadResult::invalidProgramNumber;

            const auto end = findChunkEnd (header, start, numBytes);

            if (end < 0)
                return ReadResult::invalidType;

            if (header.hasMagic (programSetMagic))
            {
                if (const auto code = readProgramSet (start, end); code != ReadResult::noError)
                    return code;
            }
            else if (header.hasMagic (globalDataMagic))
            {
                if (const auto code = readGlobalData (start, end); code != ReadResult::noError)
                    return code;
            }

            position = end;
        }

        return ReadResult::noError;
    }

private:
    bool readHeaderAt (Header& header, juce::int64 position)
    {
        return stream.setPosition (position) && header.read (stream) == 0;
    }

    /** The end of the chunk whose header starts at start, or -1 when its data
        length is negative or the chunk would end beyond limit. */
    static juce::int64 findChunkEnd (const Header& header, juce::int64 start, juce::int64 limit)
    {
        if (header.getDataLength() < 0)
            return -1;

        const auto end = start + Header::headerSize + static_cast<juce::int64> (header.getDataLength());
        return end <= limit ? end : -1;
    }

    int readProgramSet (juce::int64 setStart, juce::int64 setEnd)
    {
        auto position = setStart + Header::headerSize;
        Header header;

        for (int index = 0; index < xTV200_data::LibraryData::numPrograms; ++index)
        {
            if (! readHeaderAt (header, position) || ! header.hasMagic (programMagic))
                return ReadResult::invalidType;

            const auto dataStart = position + Header::headerSize;
            const auto end = findChunkEnd (header, position, setEnd);

            if (end < 0 || end - dataStart < xTV200_data::ProgramData::numBytes)
                return ReadResult::invalidType;

            readProgram (library.getProgram (index), dataStart, end);
            position = end;
        }

        return ReadResult::noError;
    }

    void readProgram (xTV200_data::ProgramData& program, juce::int64 dataStart, juce::int64 dataEnd) const
    {
        program.setBytes (bytes + dataStart, xTV200_data::ProgramData::numBytes);

        auto& information = program.getInformation();
        information.programmer = readText (programmerField, dataStart, dataEnd);
        information.comment = readText (commentField, dataStart, dataEnd);
        information.youTubeLink = readText (youTubeLinkField, dataStart, dataEnd);
    }

    /** A text field of a program chunk; the part of the field that lies beyond
        the chunk's data is not read, since those bytes belong to the next chunk. */
    juce::String readText (const TextField& field, juce::int64 dataStart, juce::int64 dataEnd) const
    {
        const auto fieldStart = dataStart + field.offset;
        const auto available = juce::jlimit<juce::int64> (0, field.length, dataEnd - fieldStart);
        return available > 0 ? decodeText (bytes + fieldStart, static_cast<size_t> (available))
                             : juce::String();
    }

    int readGlobalData (juce::int64 start, juce::int64 end)
    {
        const auto dataStart = start + Header::headerSize;

        if (end - dataStart < globalDataSize)
            return ReadResult::invalidType;

        auto& favorites = library.getFavorites();
        const auto* values = bytes + dataStart + favoritesOffset;

        for (int bank = 0; bank < xTV200_data::FavoriteData::numBanks; ++bank)
        {
            for (int slot = 0; slot < xTV200_data::FavoriteData::numSlots; ++slot)
            {
                const auto index = bank * xTV200_data::FavoriteData::numSlots + slot;
                const auto value =
                    static_cast<juce::int16> (juce::ByteOrder::littleEndianShort (values + index * 2));
                favorites.setValue (bank, slot, value);
            }
        }

        return ReadResult::noError;
    }

    const juce::uint8* const bytes;
    const juce::int64 numBytes;
    juce::MemoryInputStream stream;
    xTV200_data::LibraryData& library;

    JUCE_DECLARE_NON_COPYABLE (ChunkWalker)
};
} // namespace

int TonexaLibraryDataImporter::read (const juce::File& file)
{
    // The whole file is read into memory first, but only up to a size no
    // genuine file comes near, so a huge file is refused before any allocation.
    if (! file.existsAsFile() || file.getSize() > maxFileSize)
        return ReadResult::openFile;

    juce::FileInputStream input (file);

    if (! input.openedOk())
        return ReadResult::openFile;

    juce::MemoryBlock contents;
    const auto size = input.getTotalLength();

    if (size < 0 || size > maxFileSize ||
        input.readIntoMemoryBlock (contents, static_cast<ssize_t> (size)) != static_cast<size_t> (size))
        return ReadResult::openFile;

    return readBytes (contents.getData(), contents.getSize());
}

int TonexaLibraryDataImporter::readBytes (const void* data, size_t size)
{
    auto imported = std::make_unique<xTV200_data::LibraryData>();

    if (const auto code = ChunkWalker (data, size, *imported).importFile(); code != ReadResult::noError)
        return code;

    library.copyFrom (*imported);
    return ReadResult::noError;
}
} // namespace xTV200_file
