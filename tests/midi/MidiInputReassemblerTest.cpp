#include "midi/MidiInputReassembler.h"

#include <gtest/gtest.h>

using midi::MidiInputReassembler;

namespace
{
using Bytes = std::vector<juce::uint8>;

struct Received
{
    Bytes bytes;
    bool isSysEx = false;

    bool operator== (const Received& other) const { return bytes == other.bytes && isSysEx == other.isSysEx; }
};

std::ostream& operator<< (std::ostream& out, const Received& message)
{
    out << (message.isSysEx ? "sysex[" : "short[");

    for (auto byte : message.bytes)
        out << juce::String::toHexString (byte).paddedLeft ('0', 2) << ' ';

    return out << ']';
}

Received sysEx (Bytes bytes)
{
    return {std::move (bytes), true};
}
Received shortMessage (Bytes bytes)
{
    return {std::move (bytes), false};
}

struct Recorder
{
    explicit Recorder (int maxSysExSize = MidiInputReassembler::defaultMaxSysExSize)
        : reassembler (
              [this] (const juce::uint8* bytes, int numBytes, bool isSysEx) {
                  received.push_back ({Bytes (bytes, bytes + numBytes), isSysEx});
              },
              maxSysExSize)
    {
    }

    void feed (const Bytes& block)
    {
        reassembler.processBlock (block.data(), static_cast<int> (block.size()));
    }

    std::vector<Received> received;
    MidiInputReassembler reassembler;
};

struct BlockCase
{
    const char* name;
    std::vector<Bytes> blocks;
    std::vector<Received> expected;
};

const std::vector<BlockCase> blockCases{
    {"SysEx split over three blocks",
     {{0xf0, 0x43, 0x10}, {0x4c, 0x00}, {0x00, 0x7f, 0xf7}},
     {sysEx ({0xf0, 0x43, 0x10, 0x4c, 0x00, 0x00, 0x7f, 0xf7})}},
    {"two SysEx messages in one block",
     {{0xf0, 0x01, 0xf7, 0xf0, 0x02, 0x03, 0xf7}},
     {sysEx ({0xf0, 0x01, 0xf7}), sysEx ({0xf0, 0x02, 0x03, 0xf7})}},
    {"short message then SysEx in one block",
     {{0x90, 0x40, 0x7f, 0xf0, 0x01, 0xf7, 0xc0, 0x05}},
     {shortMessage ({0x90, 0x40, 0x7f}), sysEx ({0xf0, 0x01, 0xf7}), shortMessage ({0xc0, 0x05})}},
    {"timing clock inside SysEx",
     {{0xf0, 0x01, 0xf8, 0x02, 0xf7}},
     {shortMessage ({0xf8}), sysEx ({0xf0, 0x01, 0x02, 0xf7})}},
    {"active sensing inside SysEx at a block boundary",
     {{0xf0, 0x01}, {0xfe, 0x02}, {0xf7}},
     {shortMessage ({0xfe}), sysEx ({0xf0, 0x01, 0x02, 0xf7})}},
    {"timing clock just before SysEx",
     {{0xf8, 0xf0, 0x01, 0xf7}},
     {shortMessage ({0xf8}), sysEx ({0xf0, 0x01, 0xf7})}},
    {"status byte abandons SysEx",
     {{0xf0, 0x01, 0x02, 0x90, 0x40, 0x7f, 0xf0, 0x03, 0xf7}},
     {shortMessage ({0x90, 0x40, 0x7f}), sysEx ({0xf0, 0x03, 0xf7})}},
    {"status byte at the start of the next block abandons SysEx",
     {{0xf0, 0x01}, {0xb0, 0x07, 0x64}},
     {shortMessage ({0xb0, 0x07, 0x64})}},
    {"SysEx start at the start of the next block abandons SysEx",
     {{0xf0, 0x01, 0x02}, {0xf0, 0x03, 0xf7}},
     {sysEx ({0xf0, 0x03, 0xf7})}},
    {"stray data bytes are skipped",
     {{0x01, 0x02, 0x90, 0x40, 0x7f, 0x05, 0x06}, {0x07, 0xc0, 0x05, 0x08}},
     {shortMessage ({0x90, 0x40, 0x7f}), shortMessage ({0xc0, 0x05})}},
    {"stray end of SysEx is skipped", {{0xf7, 0xc0, 0x05}}, {shortMessage ({0xc0, 0x05})}},
    {"stray end of SysEx ends a short message", {{0x90, 0x40, 0xf7, 0x7f}}, {}},
    {"message cut short at block end, then a status byte",
     {{0x90, 0x40}, {0xc0, 0x05}},
     {shortMessage ({0xc0, 0x05})}},
    {"message cut short at the end of the input", {{0xc0, 0x05, 0xe0, 0x01}}, {shortMessage ({0xc0, 0x05})}},
    {"message cut short by a status byte",
     {{0x90, 0x40, 0x80, 0x40, 0x00}},
     {shortMessage ({0x80, 0x40, 0x00})}},
    {"message split at a block boundary is completed",
     {{0x90, 0x40}, {0x7f}},
     {shortMessage ({0x90, 0x40, 0x7f})}},
    {"real-time byte inside a short message",
     {{0x90, 0x40, 0xf8, 0x7f}},
     {shortMessage ({0xf8}), shortMessage ({0x90, 0x40, 0x7f})}},
    {"empty blocks change nothing", {{}, {0xf0, 0x01}, {}, {0xf7}}, {sysEx ({0xf0, 0x01, 0xf7})}},
};

void PrintTo (const BlockCase& blockCase, std::ostream* out)
{
    *out << blockCase.name;
}

class BlockReassembly : public ::testing::TestWithParam<BlockCase>
{
};
} // namespace

TEST_P (BlockReassembly, DeliversCompleteMessagesInArrivalOrder)
{
    Recorder recorder;

    for (const auto& block : GetParam().blocks)
        recorder.feed (block);

    EXPECT_EQ (recorder.received, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P (MidiInputReassembler, BlockReassembly, ::testing::ValuesIn (blockCases),
                          [] (const auto& testInfo)
                          {
                              return juce::String (testInfo.param.name)
                                  .retainCharacters ("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ")
                                  .toStdString();
                          });

TEST (MidiInputReassembler, TakesEachShortMessageAtItsLength)
{
    const std::vector<std::pair<juce::uint8, int>> lengths{
        {0x80, 3}, {0x8f, 3}, {0x90, 3}, {0xa0, 3}, {0xb5, 3}, {0xc0, 2}, {0xcf, 2}, {0xd3, 2}, {0xdf, 2},
        {0xe0, 3}, {0xef, 3}, {0xf1, 2}, {0xf2, 3}, {0xf3, 2}, {0xf4, 3}, {0xf5, 3}, {0xf6, 1}, {0xf8, 1},
        {0xf9, 1}, {0xfa, 1}, {0xfb, 1}, {0xfc, 1}, {0xfd, 1}, {0xfe, 1}, {0xff, 1},
    };

    for (const auto& [status, length] : lengths)
    {
        SCOPED_TRACE (juce::String::toHexString (status).toStdString());
        EXPECT_EQ (MidiInputReassembler::getMessageLength (status), length);

        // Two data bytes follow every status: the ones beyond the length are stray.
        Recorder recorder;
        recorder.feed ({status, 0x11, 0x22});

        Bytes expected{status, 0x11, 0x22};
        expected.resize (static_cast<size_t> (length));
        EXPECT_EQ (recorder.received, std::vector<Received>{shortMessage (expected)});
    }

    EXPECT_EQ (MidiInputReassembler::getMessageLength (0x40), 0);
}

TEST (MidiInputReassembler, AssemblesVeryLongSysExFromManyBlocks)
{
    Bytes message{0xf0};

    for (int i = 0; i < 300000; ++i)
        message.push_back (static_cast<juce::uint8> ((i * 7) & 0x7f));

    message.push_back (0xf7);

    Recorder recorder;

    for (size_t start = 0; start < message.size(); start += 2048)
        recorder.feed (
            Bytes (message.begin() + static_cast<std::ptrdiff_t> (start),
                   message.begin() + static_cast<std::ptrdiff_t> (std::min (message.size(), start + 2048))));

    ASSERT_EQ (recorder.received.size(), 1u);
    EXPECT_TRUE (recorder.received[0].isSysEx);
    EXPECT_EQ (recorder.received[0].bytes, message);
}

TEST (MidiInputReassembler, DropsSysExBeyondTheSizeLimitAndRecovers)
{
    Recorder recorder (6);
    recorder.feed ({0xf0, 0x01, 0x02, 0x03, 0x04, 0xf7}); // exactly the limit
    recorder.feed ({0xf0, 0x01, 0x02, 0x03, 0x04, 0x05}); // one byte over
    recorder.feed ({0x06, 0x07, 0xf7, 0xf0, 0x09, 0xf7});

    EXPECT_EQ (recorder.received, (std::vector<Received>{sysEx ({0xf0, 0x01, 0x02, 0x03, 0x04, 0xf7}),
                                                         sysEx ({0xf0, 0x09, 0xf7})}));
}

TEST (MidiInputReassembler, ResetForgetsTheUnfinishedMessage)
{
    Recorder recorder;
    recorder.feed ({0xf0, 0x01});
    EXPECT_TRUE (recorder.reassembler.isSysExInProgress());

    recorder.reassembler.reset();
    EXPECT_FALSE (recorder.reassembler.isSysExInProgress());

    recorder.feed ({0x02, 0xf7, 0x90, 0x40});
    recorder.reassembler.reset();
    recorder.feed ({0x7f});

    EXPECT_TRUE (recorder.received.empty());
}

TEST (MidiInputReassembler, IgnoresNullAndNegativeBlocks)
{
    Recorder recorder;
    recorder.reassembler.processBlock (nullptr, 10);
    const juce::uint8 bytes[]{0xc0, 0x05};
    recorder.reassembler.processBlock (bytes, -1);
    recorder.reassembler.processBlock (bytes, 0);

    EXPECT_TRUE (recorder.received.empty());
}

namespace
{
Bytes makeRandomStream (juce::Random& random, int numBytes)
{
    // Biased towards the bytes that steer the parser, so that every path is taken often.
    static constexpr juce::uint8 steering[]{0xf0, 0xf7, 0xf8, 0xfe, 0x90, 0xc0, 0xf1, 0xf6, 0xf4};
    Bytes stream;

    for (int i = 0; i < numBytes; ++i)
    {
        const auto choice = random.nextInt (10);

        if (choice < 6)
            stream.push_back (static_cast<juce::uint8> (random.nextInt (0x80)));
        else if (choice < 8)
            stream.push_back (steering[random.nextInt (static_cast<int> (std::size (steering)))]);
        else
            stream.push_back (static_cast<juce::uint8> (random.nextInt (256)));
    }

    return stream;
}

void expectWellFormed (const Received& message, int maxSysExSize)
{
    ASSERT_FALSE (message.bytes.empty());
    const auto size = static_cast<int> (message.bytes.size());

    for (int i = 1; i < size - (message.isSysEx ? 1 : 0); ++i)
        ASSERT_LT (message.bytes[static_cast<size_t> (i)], 0x80) << message;

    if (message.isSysEx)
    {
        EXPECT_EQ (message.bytes.front(), 0xf0) << message;
        EXPECT_EQ (message.bytes.back(), 0xf7) << message;
        EXPECT_GE (size, 2);
        EXPECT_LE (size, maxSysExSize);
    }
    else
    {
        const auto status = message.bytes.front();
        EXPECT_GE (status, 0x80) << message;
        EXPECT_NE (status, 0xf0) << message;
        EXPECT_NE (status, 0xf7) << message;
        EXPECT_EQ (size, MidiInputReassembler::getMessageLength (status)) << message;
    }
}
} // namespace

TEST (MidiInputReassembler, RandomBlocksGiveWellFormedMessagesWhereverTheyAreSplit)
{
    constexpr int maxSysExSize = 64;
    juce::Random random (20261210);
    int numSysEx = 0, numShort = 0;

    for (int round = 0; round < 300; ++round)
    {
        SCOPED_TRACE (round);
        const auto stream = makeRandomStream (random, random.nextInt (400));

        Recorder whole (maxSysExSize);
        whole.feed (stream);

        Recorder split (maxSysExSize);

        for (size_t start = 0; start < stream.size();)
        {
            const auto length = std::min (stream.size() - start, static_cast<size_t> (random.nextInt (40)));
            split.feed (Bytes (stream.begin() + static_cast<std::ptrdiff_t> (start),
                               stream.begin() + static_cast<std::ptrdiff_t> (start + length)));
            start += length;
        }

        for (const auto& message : whole.received)
        {
            expectWellFormed (message, maxSysExSize);
            ++(message.isSysEx ? numSysEx : numShort);
        }

        EXPECT_EQ (split.received, whole.received);
    }

    // The streams must reach both kinds of message, or the loop proves little.
    EXPECT_GT (numSysEx, 50);
    EXPECT_GT (numShort, 50);
}
