#pragma once

#include <juce_core/juce_core.h>

namespace file
{
/** Reads one kind of file into the record its subclass holds.

    read() returns a read result code (see FileResultCodes.h); 0 is success.
    On any other code the record is left as it was.
*/
class FileReader
{
public:
    virtual ~FileReader() = default;

    virtual int read (const juce::File& file) = 0;
};
} // namespace file
