#include "midi/emulator/SynthesizerEmulator.h"

#include <algorithm>

namespace xTV200_midi
{
namespace
{
// Far above the longest dump (376 bytes): odd input must not grow without bound.
constexpr int maxMessageSize = 4096;

// Paced replies leave in blocks this small, so a reader sees them trickle in
// as from a cable.
constexpr int pacedBlockSize = 16;

constexpr juce::uint8 timingClock = 0xF8;

std::shared_ptr<WireClock> chooseClock (const SynthesizerEmulatorOptions& options)
{
    if (options.clock != nullptr)
        return options.clock;

    return std::make_shared<SteadyWireClock>();
}
} // namespace

SynthesizerEmulator::SynthesizerEmulator (midi::MidiService& service, int inputIndex, int outputIndex,
                                          SynthesizerEmulatorOptions optionsToUse)
    : midiService (service)
    , inputPortIndex (inputIndex)
    , outputPortIndex (outputIndex)
    , options (std::move (optionsToUse))
    , channel (options.channel & 0x0F)
    , clock (chooseClock (options))
    , replies (channel, options.memberId, options.version)
    , reassembler ([this] (const juce::uint8* bytes, int size, bool isSysEx)
                   { handleMessage (bytes, size, isSysEx); },
                   maxMessageSize)
    , receivingWire (*clock)
    , sendingWire (*clock)
{
}

SynthesizerEmulator::~SynthesizerEmulator()
{
    stop();
}

bool SynthesizerEmulator::start (juce::String& error)
{
    const std::lock_guard<std::mutex> guard (lifecycleLock);

    if (input != nullptr)
        return true;

    clock->resumeWaits();
    reassembler.reset();

    // The output first: a request may arrive as soon as the input is open.
    output = midiService.openOutput (outputPortIndex, error);

    if (output == nullptr)
        return false;

    input = midiService.openInput (inputPortIndex, *this, error);

    if (input == nullptr)
    {
        output.reset();
        return false;
    }

    return true;
}

void SynthesizerEmulator::stop()
{
    const std::lock_guard<std::mutex> guard (lifecycleLock);

    // A paced reply may be waiting for the wire: cut it short so that closing
    // the input, which waits for its thread, returns at once.
    clock->cancelWaits();
    input.reset();
    output.reset();
}

bool SynthesizerEmulator::isRunning() const
{
    const std::lock_guard<std::mutex> guard (lifecycleLock);
    return input != nullptr;
}

//==============================================================================
// Everything below runs on the input port's thread.

void SynthesizerEmulator::handleIncomingMidiBytes (const juce::uint8* bytes, int numBytes)
{
    if (bytes == nullptr || numBytes <= 0)
        return;

    numBytesReceived += numBytes;

    if (options.pacedAtWireRate)
        receivePaced (bytes, numBytes);
    else
        reassembler.processBlock (bytes, numBytes);
}

void SynthesizerEmulator::receivePaced (const juce::uint8* bytes, int numBytes)
{
    const auto blockStart = receivingWire.beginTransfer (numBytes);

    // Byte by byte, so that a message is handled when its own last byte has
    // come down the wire, not when the whole block has.
    for (int index = 0; index < numBytes; ++index)
    {
        messageArrival = blockStart + WirePacer::getWireTime (index + 1);
        reassembler.processBlock (bytes + index, 1);
    }
}

void SynthesizerEmulator::handleMessage (const juce::uint8* message, int size, bool isSysEx)
{
    if (! isSysEx || size <= 0)
        return;

    const auto count = ++numMessagesReceived;
    const auto silenced =
        options.stopAnsweringAfterMessages >= 0 && count > options.stopAnsweringAfterMessages;

    if (! silenced && (! options.pacedAtWireRate || clock->waitUntil (messageArrival)))
        handleSysEx (message, static_cast<size_t> (size));

    if (options.onMessageHandled)
        options.onMessageHandled();
}

void SynthesizerEmulator::handleSysEx (const juce::uint8* message, size_t size)
{
    if (isDeviceSearch (message, size))
        reply (replies.createDeviceSearchReply (message[4]));
    else if (isIdentityRequest (message, size))
        reply (replies.createIdentityReply (options.identityOfOtherMaker));
    else if (size > 2 && message[1] == SysExGenerator::manufacturerId && message[2] == (0x30 | channel))
        handleMakerMessage (message, size);
}

bool SynthesizerEmulator::isDeviceSearch (const juce::uint8* message, size_t size) const noexcept
{
    return size == 6 && message[1] == SysExGenerator::manufacturerId && message[2] == 0x50 &&
           message[3] == 0x00;
}

bool SynthesizerEmulator::isIdentityRequest (const juce::uint8* message, size_t size) const noexcept
{
    return size == 6 && message[1] == 0x7E && (message[2] == 0x7F || message[2] == channel) &&
           message[3] == 0x06 && message[4] == 0x01;
}

void SynthesizerEmulator::handleMakerMessage (const juce::uint8* message, size_t size)
{
    const auto information = analyzer.analyze (message, size, familyId);
    const auto& dumps = replies.getDumpBuilder();

    switch (information.getType())
    {
    case AnalyzedInformation::programRequest:
        answerProgramRequest (information.getValue());
        break;
    case AnalyzedInformation::currentProgramRequest:
        reply (dumps.createCurrentProgramDataDump (memory.getCurrentProgram()));
        break;
    case AnalyzedInformation::globalRequest:
        reply (dumps.createGlobalDataDump (memory.getGlobalData()));
        break;
    case AnalyzedInformation::programDump:
        storeProgram (information);
        break;
    case AnalyzedInformation::globalDump:
        storeGlobalData (information);
        break;
    case AnalyzedInformation::currentProgramDump:
        storeCurrentProgram (information);
        break;
    case AnalyzedInformation::broken:
        sendShortReply (SysExGenerator::functionDataFormatError);
        break;
    default:
        break; // replies and unknown functions need no answer
    }
}

void SynthesizerEmulator::answerProgramRequest (int number)
{
    if (! EmulatorMemory::isValidProgramNumber (number))
    {
        sendShortReply (SysExGenerator::functionDataLoadError);
        return;
    }

    auto dump = replies.getDumpBuilder().createProgramDataDump (number, memory.getProgram (number));

    if (number == options.brokenDumpProgram)
    {
        // Leave out the last data byte: the dump still ends with F7 but is one byte short.
        auto* bytes = static_cast<juce::uint8*> (dump.getData());
        bytes[dump.getSize() - 2] = 0xF7;
        dump.setSize (dump.getSize() - 1);
    }

    reply (std::move (dump));
}

void SynthesizerEmulator::storeProgram (const AnalyzedInformation& information)
{
    const auto position = numProgramDumpsReceived++;
    const auto refused = options.writeProtected || position == options.nakOnProgramWrite;

    if (refused || ! memory.setProgram (information.getValue(), information.getData()))
    {
        sendShortReply (SysExGenerator::functionDataLoadError);
        return;
    }

    ++numProgramWrites;
    sendShortReply (SysExGenerator::functionDataLoadCompleted);
}

void SynthesizerEmulator::storeGlobalData (const AnalyzedInformation& information)
{
    if (options.writeProtected || ! memory.setGlobalData (information.getData()))
    {
        sendShortReply (SysExGenerator::functionDataLoadError);
        return;
    }

    sendShortReply (SysExGenerator::functionDataLoadCompleted);
}

void SynthesizerEmulator::storeCurrentProgram (const AnalyzedInformation& information)
{
    if (! memory.setCurrentProgram (information.getData()))
    {
        sendShortReply (SysExGenerator::functionDataLoadError);
        return;
    }

    ++numCurrentProgramsReceived;
    sendShortReply (SysExGenerator::functionDataLoadCompleted);
}

//==============================================================================
void SynthesizerEmulator::reply (juce::MemoryBlock message)
{
    if (output == nullptr || message.isEmpty())
        return;

    if (options.timingClockInReplies)
        message = withTimingClocks (message);

    const auto* bytes = static_cast<const juce::uint8*> (message.getData());
    const auto size = static_cast<int> (message.getSize());
    const auto blockSize = getBlockSize (message.getSize());

    // The message goes onto the wire as a whole; its blocks leave when their
    // last byte would have, measured from the message's start, so that late
    // wake-ups do not add up from block to block.
    const auto start = options.pacedAtWireRate ? sendingWire.beginTransfer (size) : WireClock::TimePoint{};

    for (int offset = 0; offset < size; offset += blockSize)
    {
        const auto length = std::min (blockSize, size - offset);

        if (options.pacedAtWireRate && ! clock->waitUntil (start + WirePacer::getWireTime (offset + length)))
            return;

        if (! output->send (bytes + offset, length))
            return;

        numBytesSent += length;
    }
}

int SynthesizerEmulator::getBlockSize (size_t messageSize) const noexcept
{
    if (options.replyBlockSize > 0)
        return options.replyBlockSize;

    if (options.pacedAtWireRate)
        return pacedBlockSize;

    return static_cast<int> (messageSize);
}

juce::MemoryBlock SynthesizerEmulator::withTimingClocks (const juce::MemoryBlock& message)
{
    // One right after F0 and one in the middle, where a reader that does not
    // take real-time bytes out of SysEx would break the message.
    const auto* bytes = static_cast<const juce::uint8*> (message.getData());
    const auto size = message.getSize();
    const auto middle = size / 2;

    juce::MemoryBlock result;

    for (size_t index = 0; index < size; ++index)
    {
        result.append (bytes + index, 1);

        if (index == 0 || (index == middle && index + 1 < size))
            result.append (&timingClock, 1);
    }

    return result;
}
} // namespace xTV200_midi
