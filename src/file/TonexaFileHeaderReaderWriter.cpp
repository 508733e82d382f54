#include "file/TonexaFileHeaderReaderWriter.h"

#include <cstring>

namespace xTV200_file
{
namespace
{
constexpr int headerLengthOffset = 9;
constexpr int dataLengthOffset = 11;
constexpr int countOffset = 21;
} // namespace

int TonexaFileHeaderReaderWriter::read (juce::InputStream& stream)
{
    const auto start = stream.getPosition();
    std::array<juce::uint8, headerSize> bytes{};

    // A header cut short by the end of the file is refused as a whole: reading
    // its missing fields as zeros would make a truncated file look valid.
    if (stream.read (bytes.data(), headerSize) != headerSize)
    {
        stream.setPosition (start);
        return 1;
    }

    std::memcpy (magic.data(), bytes.data(), magic.size());
    headerLength = juce::ByteOrder::littleEndianShort (bytes.data() + headerLengthOffset);
    dataLength =
        static_cast<juce::int32> (juce::ByteOrder::littleEndianInt (bytes.data() + dataLengthOffset));
    count = static_cast<juce::int32> (juce::ByteOrder::littleEndianInt (bytes.data() + countOffset));

    stream.setPosition (start + headerLength);
    return 0;
}

bool TonexaFileHeaderReaderWriter::hasMagic (const char* expected) const noexcept
{
    return std::strlen (expected) == magic.size() && std::memcmp (magic.data(), expected, magic.size()) == 0;
}
} // namespace xTV200_file
