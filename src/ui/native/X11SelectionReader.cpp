#include "ui/native/X11SelectionReader.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>

namespace
{
Display* asDisplay (void* d) { return static_cast<Display*> (d); }
constexpr int answerTimeoutMs = 1000;

bool waitForNotify (Display* d, Window window, XEvent& event)
{
    const auto deadline = juce::Time::getMillisecondCounter() + answerTimeoutMs;
    pollfd fd { ConnectionNumber (d), POLLIN, 0 };

    for (;;)
    {
        while (XPending (d) > 0)
        {
            XNextEvent (d, &event);
            if (event.type == SelectionNotify && event.xselection.requestor == window)
                return true;
        }

        const auto now = juce::Time::getMillisecondCounter();
        if (now >= deadline)
            return false;

        poll (&fd, 1, static_cast<int> (deadline - now));
    }
}
} // namespace

X11SelectionReader::X11SelectionReader (const juce::String& displayName)
{
    auto* d = XOpenDisplay (displayName.isEmpty() ? nullptr : displayName.toRawUTF8());
    if (d == nullptr)
        return;

    display = d;
    XSetWindowAttributes attributes {};
    window = XCreateWindow (d, DefaultRootWindow (d), 0, 0, 1, 1, 0, 0, InputOnly, CopyFromParent, 0, &attributes);
}

X11SelectionReader::~X11SelectionReader()
{
    if (display == nullptr)
        return;
    XDestroyWindow (asDisplay (display), window);
    XCloseDisplay (asDisplay (display));
}

bool X11SelectionReader::convert (unsigned long target, juce::MemoryBlock& bytes, unsigned long& type)
{
    if (display == nullptr)
        return false;

    auto* d = asDisplay (display);
    const auto clipboard = XInternAtom (d, "CLIPBOARD", False);
    const auto property = XInternAtom (d, "TOLMVESK_SELECTION", False);

    if (XGetSelectionOwner (d, clipboard) == None)
        return false;

    XConvertSelection (d, clipboard, target, property, window, CurrentTime);
    XFlush (d);

    XEvent event;
    if (! waitForNotify (d, window, event) || event.xselection.property == None)
        return false;

    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;

    if (XGetWindowProperty (d, window, property, 0, 0x1fffffff, True, AnyPropertyType, &actualType, &format,
                            &count, &remaining, &data) != Success)
        return false;

    // Xlib hands 32-bit items back as longs.
    const auto itemSize = format == 32 ? sizeof (long) : static_cast<size_t> (format / 8);
    bytes.replaceAll (data, count * itemSize);
    type = actualType;
    if (data != nullptr)
        XFree (data);
    return actualType != None && remaining == 0;
}

bool X11SelectionReader::read (const juce::String& formatName, juce::MemoryBlock& bytes)
{
    if (display == nullptr || ! offers (formatName))
        return false;

    const auto target = XInternAtom (asDisplay (display), formatName.toRawUTF8(), False);
    unsigned long type = 0;
    juce::MemoryBlock received;
    if (! convert (target, received, type) || type != target)
        return false;

    bytes = std::move (received);
    return true;
}

bool X11SelectionReader::offers (const juce::String& formatName)
{
    if (display == nullptr)
        return false;

    auto* d = asDisplay (display);
    const auto wanted = XInternAtom (d, formatName.toRawUTF8(), False);
    juce::MemoryBlock list;
    unsigned long type = 0;
    if (! convert (XInternAtom (d, "TARGETS", False), list, type) || type != XA_ATOM)
        return false;

    const auto* atoms = static_cast<const long*> (list.getData());
    for (size_t i = 0; i < list.getSize() / sizeof (long); ++i)
        if (static_cast<unsigned long> (atoms[i]) == wanted)
            return true;

    return false;
}

bool X11SelectionReader::isOwner (unsigned long ownerWindow)
{
    if (display == nullptr)
        return false;
    auto* d = asDisplay (display);
    return XGetSelectionOwner (d, XInternAtom (d, "CLIPBOARD", False)) == ownerWindow;
}
