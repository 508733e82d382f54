#pragma once

#include "data/Data.h"
#include "data/ProgramInformation.h"
#include "data/SerializableData.h"

#include <array>

namespace xTV200_data
{
/** One program of the synthesizer: its 320 parameter bytes exactly as the
    instrument stores them, its information texts, and the MD5 hash of the bytes.

    The hash always matches the bytes: every operation that changes bytes
    recomputes it, so two programs with the same sound have the same hash
    whatever their texts say.
*/
class ProgramData : public data::Data, public data::SerializableData
{
public:
    static constexpr int numBytes = 320;
    static constexpr int nameLength = 12;
    static constexpr int categoryByte = 12;

    /** Creates the initial program with empty information texts. */
    ProgramData();
    ProgramData (const ProgramData&) = default;
    ProgramData& operator= (const ProgramData&) = default;

    /** Sets the bytes (and hash) to the initial program; the texts keep their values. */
    void initialize();

    /** Copies bytes, information texts and hash. */
    void copyFrom (const ProgramData& other) { *this = other; }

    /** The name held in bytes 0-11: a byte of 0x80 or above counts as 0, the
        text ends at the first 0 byte, and trailing spaces stay.
    */
    juce::String getName() const;

    const juce::uint8* getBytes() const noexcept { return bytes.data(); }
    juce::uint8 getByte (int index) const noexcept;

    /** Copies up to numBytes bytes in, sets any rest to 0 and updates the hash. */
    void setBytes (const void* source, size_t size);

    /** Changes one byte and updates the hash; an index out of range does nothing. */
    void setByte (int index, juce::uint8 value);

    void updateHash();
    const juce::String& getHash() const noexcept { return hash; }

    ProgramInformation& getInformation() noexcept { return information; }
    const ProgramInformation& getInformation() const noexcept { return information; }

    /** True when bytes, texts and hash are the same. */
    bool operator== (const ProgramData& other) const;
    bool operator!= (const ProgramData& other) const { return ! operator== (other); }

    void serialize (data::SerializedData& out) const override;
    bool deserialize (const data::SerializedData& in) override;

    /** The 320 bytes of the initial program. */
    static const std::array<juce::uint8, numBytes>& getInitialBytes() noexcept;

private:
    std::array<juce::uint8, numBytes> bytes {};
    ProgramInformation information;
    juce::String hash;
};
} // namespace xTV200_data
