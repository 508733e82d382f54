#pragma once

#include <juce_core/juce_core.h>

namespace file
{
/** Writes a file so that whatever was there before survives any failure.

    The bytes go into a temporary file beside the target, which is flushed to
    the disk and then renamed over the target in one step. A crash, a full
    disk or a failed write therefore leaves either the old file or the new
    one, never a mixture and never nothing.
*/
class AtomicFileReplacer final
{
public:
    /** Writes bytes as the whole content of target and returns a write result
        code: 1 when target exists but may not be replaced (the file or its
        folder is read-only, or the rename fails), 2 when the temporary file
        cannot be created, 3 when writing fails. On any code but 0 the target
        is untouched and no temporary file is left behind.

        A target that is a symbolic link has the file it points to replaced.
    */
    static int write (const juce::File& target, const void* data, size_t numBytes);

    /** Writes the whole block, as write (target, data, numBytes) does. */
    static int write (const juce::File& target, const juce::MemoryBlock& bytes);

    /** True when an existing file may be replaced by write(); true as well
        when there is no file yet. */
    static bool canReplace (const juce::File& target);

private:
    AtomicFileReplacer() = delete;
};
} // namespace file
