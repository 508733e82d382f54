#pragma once

#include <juce_core/juce_core.h>

#include <map>
#include <memory>
#include <vector>

namespace file
{
/** Opens a zip archive, decompresses every entry into memory at once and then
    hands out each entry's bytes by its name. Nothing is extracted to disk.

    The archive is untrusted input. Every offset and size is checked against
    the archive before it is used, entries may not overlap, no entry may
    inflate to more than maxEntrySize bytes nor all of them to more than
    maxTotalSize, and each entry's inflated size and CRC-32 must match its
    central directory record. Any bytes give either a failure or the entries
    exactly as they were written.
*/
class MemoryBasedZipUncompressor final
{
public:
    static constexpr juce::uint32 maxEntrySize = 64 * 1024 * 1024;
    static constexpr juce::uint64 maxTotalSize = 256 * 1024 * 1024;
    static constexpr juce::uint32 maxDirectorySize = 16 * 1024 * 1024;

    /** One entry as the central directory describes it. */
    struct EntryRecord
    {
        juce::String name;
        juce::uint32 uncompressedSize = 0;
        juce::Time modificationTime;
        juce::uint32 headerOffset = 0;
        juce::uint32 compressedSize = 0;
        bool compressed = false;

        juce::uint16 method = 0;
        juce::uint16 flags = 0;
        juce::uint32 checksum = 0;

        /** Where the next local header or the central directory begins: the
            entry's header and data must end at or before it. */
        juce::int64 regionEnd = 0;
    };

    /** The stored bytes of one entry (still deflated when the entry is
        compressed), read through the archive's stream, which it positions
        before every read, so one open archive serves every entry in turn.
    */
    class ZipInputStream final : public juce::InputStream
    {
    public:
        /** Reads the entry's local header from the archive, which must
            outlive this stream. */
        ZipInputStream (juce::InputStream& archive, const EntryRecord& entry);

        /** False when the local header is unreadable, has the wrong signature
            or places the data outside the entry's region; every read then
            returns nothing. */
        bool hasValidHeader() const noexcept { return headerSize > 0; }

        juce::int64 getTotalLength() override;
        bool isExhausted() override;
        int read (void* destBuffer, int maxBytesToRead) override;
        juce::int64 getPosition() override;
        bool setPosition (juce::int64 newPosition) override;

    private:
        void readLocalHeader();

        const EntryRecord entry;
        juce::int64 position = 0;
        int headerSize = 0;
        juce::InputStream& input;

        JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ZipInputStream)
    };

    /** Reads the central directory of a zip file. A file that cannot be opened
        or is not a zip archive gives no entries; construction never fails. */
    explicit MemoryBasedZipUncompressor (const juce::File& zipFile);

    /** Reads the central directory of the archive that source opens. */
    explicit MemoryBasedZipUncompressor (std::unique_ptr<juce::InputSource> source);

    ~MemoryBasedZipUncompressor();

    /** The number of entries in the central directory; 0 for a file that is
        not a zip archive or whose directory is damaged. */
    int getNumEntries() const noexcept { return static_cast<int> (entries.size()); }

    /** The record of an entry in directory order, or nullptr. */
    const EntryRecord* getEntryRecord (int index) const noexcept;

    /** Decompresses every entry, in directory order, into memory. Stops at the
        first failure and returns it; the entries done before it stay
        available. A damaged central directory fails here too. When two
        entries have the same name, the first one is kept.
    */
    juce::Result uncompressAll();

    /** Whether uncompressAll() stored an entry of exactly this name. */
    bool hasEntry (const juce::String& name) const;

    /** The bytes stored under the name; an empty block when there are none. */
    juce::MemoryBlock getEntryData (const juce::String& name) const;

private:
    void readCentralDirectory();
    juce::Result uncompressEntry (juce::InputStream& archive, const EntryRecord& entry,
                                  juce::MemoryBlock& result);
    juce::Result checkEntryCanBeRead (const EntryRecord& entry) const;

    std::unique_ptr<juce::InputSource> source;
    std::vector<EntryRecord> entries;
    juce::String directoryError;
    juce::CriticalSection lock;
    std::map<juce::String, juce::MemoryBlock> entryData;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MemoryBasedZipUncompressor)
};
} // namespace file
