#pragma once

namespace application
{
/** Told on the message thread that the library's modified state changed. */
class DataEditStatusListener
{
public:
    virtual void dataEditStatusChanged (bool modified) = 0;
    virtual ~DataEditStatusListener() = default;
};
} // namespace application
