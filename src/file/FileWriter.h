#pragma once

#include <juce_core/juce_core.h>

namespace file
{
/** Writes the record its subclass holds into one kind of file.

    write() returns a write result code (see FileResultCodes.h); 0 is success.
    A failed write leaves any file that was already there as it was.
*/
class FileWriter
{
public:
    virtual ~FileWriter() = default;

    virtual int write (const juce::File& file) = 0;
};
} // namespace file
