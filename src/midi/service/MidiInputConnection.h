#pragma once

namespace midi
{
/** An open input port. The port stays open, delivering to its handler, until
    the connection is destroyed; once the destructor has returned the handler
    is never called again.
*/
class MidiInputConnection
{
public:
    virtual ~MidiInputConnection() = default;
};
} // namespace midi
