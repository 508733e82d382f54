#include "midi/MidiInputReassembler.h"

namespace midi
{
namespace
{
constexpr juce::uint8 sysExStart = 0xf0;
constexpr juce::uint8 sysExEnd = 0xf7;
constexpr juce::uint8 firstRealTimeByte = 0xf8;

bool isStatusByte (juce::uint8 byte) noexcept
{
    return byte >= 0x80;
}
} // namespace

MidiInputReassembler::MidiInputReassembler (MessageCallback messageCallback, int maxSize)
    : callback (std::move (messageCallback))
    , maxSysExSize (static_cast<size_t> (juce::jmax (2, maxSize)))
{
}

void MidiInputReassembler::processBlock (const void* data, int numBytes)
{
    if (data == nullptr || numBytes <= 0)
        return;

    const auto* bytes = static_cast<const juce::uint8*> (data);

    for (int i = 0; i < numBytes; ++i)
        handleByte (bytes[i]);
}

void MidiInputReassembler::reset() noexcept
{
    state = State::idle;
    sysExBytes.clear();
    shortFill = 0;
}

int MidiInputReassembler::getMessageLength (juce::uint8 statusByte) noexcept
{
    if (! isStatusByte (statusByte))
        return 0;

    if (statusByte >= 0xc0 && statusByte <= 0xdf)
        return 2;

    if (statusByte == 0xf1 || statusByte == 0xf3)
        return 2;

    // Tune request and timing clock carry no data bytes; counting two for them
    // would swallow the bytes that follow, a SysEx start among them.
    if (statusByte == 0xf6 || statusByte >= firstRealTimeByte)
        return 1;

    return 3;
}

void MidiInputReassembler::handleByte (juce::uint8 byte)
{
    if (! isStatusByte (byte))
        handleDataByte (byte);
    else if (byte >= firstRealTimeByte)
        deliver (&byte, 1, false); // may interleave with anything; leaves the current message alone
    else
        handleStatusByte (byte);
}

void MidiInputReassembler::handleStatusByte (juce::uint8 statusByte)
{
    if (statusByte == sysExEnd)
    {
        if (state == State::sysEx)
            finishSysEx();
        else
            reset(); // an end without a start: a stray byte that still ends any short message

        return;
    }

    // Every other status byte abandons the unfinished message, SysEx or short.
    reset();

    if (statusByte == sysExStart)
    {
        state = State::sysEx;
        sysExBytes.push_back (statusByte);
        return;
    }

    shortBytes[0] = statusByte;
    shortLength = getMessageLength (statusByte);
    shortFill = 1;

    if (shortLength == 1)
    {
        shortFill = 0;
        deliver (shortBytes.data(), 1, false);
        return;
    }

    state = State::shortMessage;
}

void MidiInputReassembler::handleDataByte (juce::uint8 dataByte)
{
    switch (state)
    {
    case State::sysEx:
        appendToSysEx (dataByte);
        break;

    case State::shortMessage:
        shortBytes[static_cast<size_t> (shortFill++)] = dataByte;

        if (shortFill == shortLength)
        {
            reset();
            deliver (shortBytes.data(), shortLength, false);
        }
        break;

    case State::idle:
    case State::discardingSysEx:
        break; // belongs to no message
    }
}

void MidiInputReassembler::appendToSysEx (juce::uint8 dataByte)
{
    // Leave room for the closing F7 within the limit.
    if (sysExBytes.size() + 2 > maxSysExSize)
    {
        sysExBytes.clear();
        state = State::discardingSysEx;
        return;
    }

    sysExBytes.push_back (dataByte);
}

void MidiInputReassembler::finishSysEx()
{
    sysExBytes.push_back (sysExEnd);
    state = State::idle;
    deliver (sysExBytes.data(), static_cast<int> (sysExBytes.size()), true);
    sysExBytes.clear();
}

void MidiInputReassembler::deliver (const juce::uint8* bytes, int numBytes, bool isSysEx)
{
    if (callback)
        callback (bytes, numBytes, isSysEx);
}
} // namespace midi
