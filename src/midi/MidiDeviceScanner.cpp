#include "midi/MidiDeviceScanner.h"

#include "midi/MidiInputReassembler.h"

namespace midi
{
namespace
{
constexpr int searchReplyLength = 15;
constexpr juce::uint8 searchReplyHeader[]{0xf0, 0x42, 0x50, 0x01};

int readId (const juce::uint8* message, int lowByte) noexcept
{
    return ((message[lowByte + 1] & 0x7f) << 8) | (message[lowByte] & 0x7f);
}
} // namespace

/** One input opened for the scan: it reassembles what arrives and hands each
    SysEx message to the scanner together with the input's index. */
class MidiDeviceScanner::ProbeInput final : private MidiInputHandler
{
public:
    ProbeInput (MidiDeviceScanner& scannerToTell, int portIndex)
        : scanner (scannerToTell)
        , index (portIndex)
        , reassembler (
              [this] (const juce::uint8* bytes, int numBytes, bool isSysEx)
              {
                  if (isSysEx)
                      scanner.handleProbeMessage (index, bytes, numBytes);
              },
              256)
    {
    }

    ~ProbeInput() override { connection.reset(); }

    bool open (MidiService& service)
    {
        juce::String error;
        connection = service.openInput (index, *this, error);
        return connection != nullptr;
    }

private:
    void handleIncomingMidiBytes (const juce::uint8* bytes, int numBytes) override
    {
        reassembler.processBlock (bytes, numBytes);
    }

    MidiDeviceScanner& scanner;
    const int index;
    MidiInputReassembler reassembler;
    std::unique_ptr<MidiInputConnection> connection;
};

MidiDeviceScanner::MidiDeviceScanner()
    : juce::Thread ("MidiDeviceScannerThread")
{
}

MidiDeviceScanner::~MidiDeviceScanner()
{
    stopThread (-1);
    cancelPendingUpdate();
}

void MidiDeviceScanner::setExpectedIds (int familyId, int memberId) noexcept
{
    expectedFamilyId = familyId;
    expectedMemberId = memberId;
}

void MidiDeviceScanner::startScan (std::shared_ptr<MidiService> service)
{
    jassert (service != nullptr);

    // A scan still running is abandoned: its thread ends at its next wait.
    replyAccepted.signal();
    stopThread (-1);
    cancelPendingUpdate();

    scannedService = std::move (service);
    found = false;
    foundInputIndex = -1;
    foundOutputIndex = -1;
    replyAccepted.reset();
    startThread();
}

bool MidiDeviceScanner::isAcceptableReply (const juce::uint8* message, int size, int familyId,
                                           int memberId) noexcept
{
    if (message == nullptr || size != searchReplyLength)
        return false;

    for (int i = 0; i < 4; ++i)
        if (message[i] != searchReplyHeader[i])
            return false;

    return readId (message, 6) == familyId && (memberId == -1 || readId (message, 8) == memberId);
}

int MidiDeviceScanner::getEchoedOutputIndex (const juce::uint8* message) noexcept
{
    return message[5] & 0x7f;
}

juce::MemoryBlock MidiDeviceScanner::createSearchMessage (int outputIndex)
{
    const juce::uint8 bytes[]{0xf0, 0x42, 0x50, 0x00, static_cast<juce::uint8> (outputIndex & 0x7f), 0xf7};
    return {bytes, sizeof (bytes)};
}

void MidiDeviceScanner::run()
{
    auto service = scannedService;

    const auto numInputs = service->getInputPortNames().size();
    const auto numOutputs = service->getOutputPortNames().size();

    // Without ports on either side nobody can answer: the scan ends at once.
    if (numInputs > 0 && numOutputs > 0)
    {
        openProbePorts (*service);
        wait (settleMilliseconds);

        if (! threadShouldExit())
        {
            sendSearchMessages();
            replyAccepted.wait (timeoutMilliseconds);
        }

        wait (settleMilliseconds);
        closeProbePorts();
    }

    if (! threadShouldExit())
        triggerAsyncUpdate();
}

void MidiDeviceScanner::openProbePorts (MidiService& service)
{
    const auto numInputs = service.getInputPortNames().size();

    for (int index = 0; index < numInputs; ++index)
    {
        auto probe = std::make_unique<ProbeInput> (*this, index);

        if (probe->open (service))
            probeInputs.push_back (std::move (probe));
    }

    const auto numOutputs = service.getOutputPortNames().size();

    for (int index = 0; index < numOutputs; ++index)
    {
        juce::String error;

        if (auto output = service.openOutput (index, error))
            probeOutputs.emplace_back (index, std::move (output));
    }
}

void MidiDeviceScanner::closeProbePorts()
{
    probeInputs.clear();
    probeOutputs.clear();
}

void MidiDeviceScanner::sendSearchMessages()
{
    for (auto& [index, output] : probeOutputs)
    {
        const auto message = createSearchMessage (index);
        output->send (static_cast<const juce::uint8*> (message.getData()),
                      static_cast<int> (message.getSize()));
    }
}

void MidiDeviceScanner::handleProbeMessage (int inputIndex, const juce::uint8* message, int size)
{
    if (! isAcceptableReply (message, size, expectedFamilyId, expectedMemberId))
        return;

    // Replies may arrive on several input threads at once: the first one wins.
    bool expected = false;

    if (! found.compare_exchange_strong (expected, true))
        return;

    foundInputIndex = inputIndex;
    foundOutputIndex = getEchoedOutputIndex (message);
    replyAccepted.signal();
}

void MidiDeviceScanner::handleAsyncUpdate()
{
    callObservers ([] (MidiDeviceScannerListener& listener) { listener.scanFinished(); });
}
} // namespace midi
