// The tests start every case with no process-wide objects, and that deletes
// the framework's window system too, which closes its display connection and
// puts back whatever X error handler it found. Xlib's own handler would end
// the whole test run on the first harmless error of a window being torn
// down, so a quiet one is installed before the framework installs its own.

#include <X11/Xlib.h>

namespace
{
int ignoreXError (Display*, XErrorEvent*)
{
    return 0;
}

const auto previousHandler = XSetErrorHandler (ignoreXError);
} // namespace
