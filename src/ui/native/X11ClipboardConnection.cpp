#include "ui/native/X11ClipboardConnection.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace
{
Display* asDisplay (void* d) { return static_cast<Display*> (d); }
constexpr char wakeNewOwner = 'o';
constexpr char wakeQuit = 'q';
} // namespace

X11ClipboardConnection::X11ClipboardConnection (const juce::String& displayName)
{
    auto* d = XOpenDisplay (displayName.isEmpty() ? nullptr : displayName.toRawUTF8());

    if (d == nullptr || pipe (wakePipe) != 0)
    {
        if (d != nullptr)
            XCloseDisplay (d);
        return;
    }

    display = d;
    XSetWindowAttributes attributes {};
    window = XCreateWindow (d, DefaultRootWindow (d), 0, 0, 1, 1, 0, 0, InputOnly, CopyFromParent, 0, &attributes);
    XSelectInput (d, window, PropertyChangeMask);
    clipboardAtom = XInternAtom (d, "CLIPBOARD", False);
    targetsAtom = XInternAtom (d, "TARGETS", False);
    timestampAtom = XInternAtom (d, "TIMESTAMP", False);
    atomAtom = XA_ATOM;

    // Programs are a few hundred bytes, so the whole payload always goes in a
    // single property; larger data is refused rather than sent incrementally.
    auto maxRequest = XExtendedMaxRequestSize (d);
    if (maxRequest == 0)
        maxRequest = XMaxRequestSize (d);
    maxPayload = static_cast<size_t> (maxRequest) * 4 - 100;

    XFlush (d);
    server = std::thread ([this] { serve(); });
}

X11ClipboardConnection::~X11ClipboardConnection()
{
    if (display == nullptr)
        return;

    wake (wakeQuit);
    server.join();
    XDestroyWindow (asDisplay (display), window);
    XCloseDisplay (asDisplay (display));
    close (wakePipe[0]);
    close (wakePipe[1]);
}

unsigned long X11ClipboardConnection::getAtom (const juce::String& name)
{
    // Only the serving thread uses this connection while it runs, so the
    // atom is interned on a connection of its own.
    auto* d = XOpenDisplay (XDisplayString (asDisplay (display)));
    if (d == nullptr)
        return 0;
    auto atom = XInternAtom (d, name == "TEXT" ? "UTF8_STRING" : name.toRawUTF8(), False);
    XCloseDisplay (d);
    return atom;
}

bool X11ClipboardConnection::setData (const juce::MemoryBlock& bytes, unsigned long format)
{
    if (display == nullptr || bytes.getSize() > maxPayload || format == 0)
        return false;

    {
        const std::scoped_lock guard (lock);
        stored = bytes;
        storedFormat = format;
        owning = false;
    }

    wake (wakeNewOwner);

    // The serving thread reports whether the server gave it the selection.
    std::unique_lock waitGuard (lock);
    ownedCondition.wait (waitGuard, [this] { return ownerAnswered; });
    ownerAnswered = false;
    return owning;
}

bool X11ClipboardConnection::ownsSelection() const
{
    const std::scoped_lock guard (lock);
    return owning;
}

bool X11ClipboardConnection::getOwnData (unsigned long format, juce::MemoryBlock& bytes) const
{
    const std::scoped_lock guard (lock);
    if (! owning || format != storedFormat)
        return false;
    bytes = stored;
    return true;
}

void X11ClipboardConnection::wake (char command)
{
    [[maybe_unused]] auto written = write (wakePipe[1], &command, 1);
}

void X11ClipboardConnection::serve()
{
    auto* d = asDisplay (display);
    pollfd fds[2] { { ConnectionNumber (d), POLLIN, 0 }, { wakePipe[0], POLLIN, 0 } };

    for (;;)
    {
        while (XPending (d) > 0)
        {
            XEvent event;
            XNextEvent (d, &event);
            handleEvent (&event);
        }

        if (poll (fds, 2, -1) < 0)
            continue;

        if ((fds[1].revents & POLLIN) == 0)
            continue;

        char command = 0;
        if (read (wakePipe[0], &command, 1) != 1 || command == wakeQuit)
            return;

        takeOwnership();
    }
}

void X11ClipboardConnection::takeOwnership()
{
    auto* d = asDisplay (display);

    // A zero-length append yields a PropertyNotify carrying a real server
    // time, which ICCCM wants instead of CurrentTime for the ownership.
    XChangeProperty (d, window, timestampAtom, XA_ATOM, 32, PropModeAppend, nullptr, 0);
    XEvent event;
    XWindowEvent (d, window, PropertyChangeMask, &event);
    const auto time = event.xproperty.time;

    XSetSelectionOwner (d, clipboardAtom, window, time);
    const bool taken = XGetSelectionOwner (d, clipboardAtom) == window;

    const std::scoped_lock guard (lock);
    owning = taken;
    ownedSince = time;
    if (! taken)
        stored.reset();
    ownerAnswered = true;
    ownedCondition.notify_all();
}

void X11ClipboardConnection::handleEvent (void* rawEvent)
{
    auto& event = *static_cast<XEvent*> (rawEvent);
    auto* d = asDisplay (display);

    if (event.type == SelectionClear && event.xselectionclear.selection == clipboardAtom)
    {
        const std::scoped_lock guard (lock);
        owning = false;
        stored.reset();
        return;
    }

    if (event.type != SelectionRequest)
        return;

    const auto& request = event.xselectionrequest;
    XEvent reply {};
    reply.xselection.type = SelectionNotify;
    reply.xselection.requestor = request.requestor;
    reply.xselection.selection = request.selection;
    reply.xselection.target = request.target;
    reply.xselection.time = request.time;
    reply.xselection.property = None;
    const auto property = request.property != None ? request.property : request.target;

    const std::scoped_lock guard (lock);
    if (owning && request.selection == clipboardAtom)
    {
        if (request.target == targetsAtom)
        {
            const long targets[] { static_cast<long> (targetsAtom), static_cast<long> (timestampAtom),
                                   static_cast<long> (storedFormat) };
            XChangeProperty (d, request.requestor, property, XA_ATOM, 32, PropModeReplace,
                             reinterpret_cast<const unsigned char*> (targets), 3);
            reply.xselection.property = property;
        }
        else if (request.target == timestampAtom)
        {
            const long time = static_cast<long> (ownedSince);
            XChangeProperty (d, request.requestor, property, XA_INTEGER, 32, PropModeReplace,
                             reinterpret_cast<const unsigned char*> (&time), 1);
            reply.xselection.property = property;
        }
        else if (request.target == storedFormat)
        {
            XChangeProperty (d, request.requestor, property, storedFormat, 8, PropModeReplace,
                             static_cast<const unsigned char*> (stored.getData()),
                             static_cast<int> (stored.getSize()));
            reply.xselection.property = property;
        }
    }

    XSendEvent (d, request.requestor, False, 0, &reply);
    XFlush (d);
}
