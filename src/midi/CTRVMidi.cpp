#include "midi/CTRVMidi.h"

#include <algorithm>

CTRVMidi::CTRVMidi (std::shared_ptr<midi::MidiService> midiService)
    : service (std::move (midiService))
    , reassembler ([this] (const juce::uint8* bytes, int numBytes, bool isSysEx)
                   { deliver (bytes, numBytes, isSysEx); })
{
}

CTRVMidi::~CTRVMidi()
{
    closeOutput();
    closeInput();
}

void CTRVMidi::setService (std::shared_ptr<midi::MidiService> newService)
{
    jassert (newService != nullptr);
    closeOutput();
    closeInput();
    const juce::ScopedLock sl (portLock);
    service = std::move (newService);
}

std::shared_ptr<midi::MidiService> CTRVMidi::getServiceToUse() const
{
    const juce::ScopedLock sl (portLock);
    return service;
}

juce::StringArray CTRVMidi::getInputDeviceNames() const
{
    const auto current = getServiceToUse();
    return current != nullptr ? current->getInputPortNames() : juce::StringArray();
}

juce::StringArray CTRVMidi::getOutputDeviceNames() const
{
    const auto current = getServiceToUse();
    return current != nullptr ? current->getOutputPortNames() : juce::StringArray();
}

bool CTRVMidi::openInput (int deviceIndex)
{
    const juce::ScopedLock sl (portLock);

    if (input != nullptr)
        return fail ("MIDI IN already opened.");

    if (! juce::isPositiveAndBelow (deviceIndex, getInputDeviceNames().size()))
        return fail ("Not found MIDI IN device.");

    // No bytes can arrive before the connection exists, so resetting here is safe.
    reassembler.reset();

    juce::String error;
    input = service->openInput (deviceIndex, *this, error);

    if (input == nullptr)
        return fail ("Faild to midiInOpen()", error);

    inputDeviceId = deviceIndex;
    return true;
}

bool CTRVMidi::openOutput (int deviceIndex)
{
    const juce::ScopedLock sl (portLock);

    if (output != nullptr)
        return fail ("MIDI OUT already opened.");

    if (! juce::isPositiveAndBelow (deviceIndex, getOutputDeviceNames().size()))
        return fail ("Not found MIDI OUT device.");

    juce::String error;
    output = service->openOutput (deviceIndex, error);

    if (output == nullptr)
        return fail ("Faild to midiOutOpen()", error);

    outputDeviceId = deviceIndex;
    return true;
}

bool CTRVMidi::openInputByName (const juce::String& name)
{
    const auto index = getInputDeviceNames().indexOf (name, false);
    return index >= 0 ? openInput (index) : fail ("Not found MIDI IN device.");
}

bool CTRVMidi::openOutputByName (const juce::String& name)
{
    const auto index = getOutputDeviceNames().indexOf (name, false);
    return index >= 0 ? openOutput (index) : fail ("Not found MIDI OUT device.");
}

void CTRVMidi::closeInput()
{
    std::unique_ptr<midi::MidiInputConnection> closing;

    {
        const juce::ScopedLock sl (portLock);
        closing = std::move (input);
        inputDeviceId = -1;
    }

    // Destroyed outside the port lock: the input thread may be delivering and
    // must be able to finish before the connection joins it.
    closing.reset();
}

void CTRVMidi::closeOutput()
{
    const juce::ScopedLock sl (portLock);
    output.reset();
    outputDeviceId = -1;
}

bool CTRVMidi::isInputOpen() const
{
    const juce::ScopedLock sl (portLock);
    return input != nullptr;
}

bool CTRVMidi::isOutputOpen() const
{
    const juce::ScopedLock sl (portLock);
    return output != nullptr;
}

int CTRVMidi::getInputDeviceId() const
{
    const juce::ScopedLock sl (portLock);
    return inputDeviceId;
}

int CTRVMidi::getOutputDeviceId() const
{
    const juce::ScopedLock sl (portLock);
    return outputDeviceId;
}

bool CTRVMidi::sendMessage (const CTRVMidiMessage& message)
{
    if (message.getLength() == 0 || message.isMeta())
        return false;

    if (message.isSysEx())
        return sendSysEx (message.getLength(), message.getData());

    const juce::ScopedLock sl (portLock);
    return output != nullptr && output->send (message.getData(), message.getLength());
}

bool CTRVMidi::sendSysEx (int length, const juce::uint8* bytes)
{
    const juce::ScopedLock sl (portLock);

    if (output == nullptr || bytes == nullptr || length <= 0)
        return false;

    return output->send (bytes, length) || fail ("Faild to midiOutLongMsg()");
}

void CTRVMidi::addListener (CTRVMidiListener* listener)
{
    const juce::ScopedLock sl (listenerLock);
    listeners.push_back (listener);
}

void CTRVMidi::removeListener (CTRVMidiListener* listener)
{
    const juce::ScopedLock sl (listenerLock);
    const auto found = std::find (listeners.begin(), listeners.end(), listener);

    if (found != listeners.end())
        listeners.erase (found);
}

void CTRVMidi::removeAllListeners()
{
    const juce::ScopedLock sl (listenerLock);
    listeners.clear();
}

juce::String CTRVMidi::getLastDiagnostic() const
{
    const juce::ScopedLock sl (portLock);
    return lastDiagnostic;
}

void CTRVMidi::handleIncomingMidiBytes (const juce::uint8* bytes, int numBytes)
{
    reassembler.processBlock (bytes, numBytes);
}

void CTRVMidi::deliver (const juce::uint8* bytes, int numBytes, bool isSysEx)
{
    const CTRVMidiMessage message (numBytes, bytes);
    const juce::ScopedLock sl (listenerLock);

    for (auto* listener : listeners)
    {
        if (isSysEx)
            listener->onSysExMessage (*this, message);
        else
            listener->onShortMessage (*this, message);
    }
}

bool CTRVMidi::fail (const juce::String& diagnostic, const juce::String& detail)
{
    const juce::ScopedLock sl (portLock);
    lastDiagnostic = detail.isEmpty() ? diagnostic : diagnostic + " " + detail;
    DBG (lastDiagnostic);
    return false;
}
