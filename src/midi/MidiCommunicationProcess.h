#pragma once

#include "base/ListenerHolder.h"
#include "midi/MidiCommunicationProcessObserver.h"

#include <juce_events/juce_events.h>

#include <atomic>

namespace midi
{
class MidiCommunicationThread;

/** One exchange with the synthesizer, run on a worker thread.

    The process reports its progress, a status text and a detail text; its
    observers hear of every change on the message thread. It can be asked to
    stop between steps and ends with a result code.
*/
class MidiCommunicationProcess : public ListenerHolder<MidiCommunicationProcessObserver>,
                                 private juce::AsyncUpdater
{
public:
    MidiCommunicationProcess() = default;
    ~MidiCommunicationProcess() override;

    /** Does the work on the worker thread and returns a result code. */
    virtual int run() = 0;

    virtual bool isSuccess (int resultCode) const { return resultCode == 0; }
    virtual juce::String getTitle() const = 0;
    virtual bool canCancel() const = 0;

    float getProgress() const noexcept { return progress; }
    juce::String getStatusMessage() const;
    juce::String getDetailMessage() const;

    /** True when the thread running the process has been asked to stop. */
    bool isCancelled() const;

    /** Set by the thread that runs the process, before run(). */
    void setThread (juce::Thread* runningThread) noexcept { thread = runningThread; }

protected:
    void setProgress (float newProgress);
    void setStatusMessage (const juce::String& text);
    void setDetailMessage (const juce::String& text);

private:
    void handleAsyncUpdate() override;

    std::atomic<float> progress{0.0f};
    juce::CriticalSection textLock;
    juce::String statusMessage;
    juce::String detailMessage;
    std::atomic<juce::Thread*> thread{nullptr};

    JUCE_DECLARE_NON_COPYABLE (MidiCommunicationProcess)
};
} // namespace midi
