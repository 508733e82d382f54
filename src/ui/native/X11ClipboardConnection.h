#pragma once

#include <juce_core/juce_core.h>

#include <condition_variable>
#include <mutex>
#include <thread>

/** Owns the CLIPBOARD selection for this process on its own X connection.

    A serving thread, the only user of the connection, answers other clients'
    requests (TARGETS, TIMESTAMP and the one format we hold), drops the bytes
    when another client takes the selection, and is woken through a pipe for
    new content and shutdown, so it never polls on a timer.
*/
class X11ClipboardConnection final
{
public:
    /** Opens displayName (empty: $DISPLAY); isOpen() tells whether it worked. */
    explicit X11ClipboardConnection (const juce::String& displayName);
    ~X11ClipboardConnection();

    bool isOpen() const noexcept { return display != nullptr; }

    /** Interns name on this connection; "TEXT" is carried as UTF8_STRING. */
    unsigned long getAtom (const juce::String& name);

    /** Makes bytes the selection's only content; false when not taken. */
    bool setData (const juce::MemoryBlock& bytes, unsigned long format);

    /** True and a copy of the bytes while we still own the selection. */
    bool getOwnData (unsigned long format, juce::MemoryBlock& bytes) const;
    bool ownsSelection() const;
    unsigned long getWindow() const noexcept { return window; }

    /** The largest payload one property can carry. */
    size_t getMaxPayload() const noexcept { return maxPayload; }

private:
    void serve();
    void handleEvent (void* event);
    void wake (char command);
    void takeOwnership();

    void* display = nullptr;
    unsigned long window = 0, clipboardAtom = 0, targetsAtom = 0, timestampAtom = 0, atomAtom = 0;
    int wakePipe[2] { -1, -1 };
    size_t maxPayload = 0;

    mutable std::mutex lock;
    juce::MemoryBlock stored;
    unsigned long storedFormat = 0, ownedSince = 0;
    bool owning = false, ownerAnswered = false;
    std::condition_variable ownedCondition;
    std::thread server;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (X11ClipboardConnection)
};
