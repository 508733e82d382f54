#include "file/AtomicFileReplacer.h"

#include "file/FileResultCodes.h"

#if JUCE_LINUX || JUCE_MAC || JUCE_BSD
#include <sys/stat.h>
#endif

namespace file
{
namespace
{
juce::File resolveLinks (const juce::File& target)
{
    return target.isSymbolicLink() ? target.getLinkedTarget() : target;
}

/** False for a file or folder the user has made read-only. The permission
    bits are asked as well as access(), since access() grants everything to the
    superuser and the user's protection should hold whoever saves. */
bool isWritable (const juce::File& fileOrFolder)
{
    if (! fileOrFolder.hasWriteAccess())
        return false;

#if JUCE_LINUX || JUCE_MAC || JUCE_BSD
    struct stat info;

    if (stat (fileOrFolder.getFullPathName().toRawUTF8(), &info) == 0)
        return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
#endif

    return true;
}

/** Writes the bytes into a new file and flushes them to the disk; the
    stream is closed on return, so the file can be renamed. */
int writeAndSync (const juce::File& destination, const void* data, size_t numBytes)
{
    juce::FileOutputStream output (destination);

    if (! output.openedOk())
        return WriteResult::openFile;

    if (! output.write (data, numBytes))
        return WriteResult::writeData;

    output.flush();
    return output.getStatus().wasOk() ? WriteResult::noError : WriteResult::writeData;
}
} // namespace

bool AtomicFileReplacer::canReplace (const juce::File& target)
{
    const auto file = resolveLinks (target);

    if (! file.exists())
        return true;

    // The rename would also replace a read-only file; the user protected it,
    // so it is treated as a file that cannot be deleted.
    return ! file.isDirectory() && isWritable (file) && isWritable (file.getParentDirectory());
}

int AtomicFileReplacer::write (const juce::File& target, const juce::MemoryBlock& bytes)
{
    return write (target, bytes.getData(), bytes.getSize());
}

int AtomicFileReplacer::write (const juce::File& target, const void* data, size_t numBytes)
{
    const auto file = resolveLinks (target);
    const auto existed = file.exists();

    if (! canReplace (file))
        return WriteResult::deleteFile;

    if (! isWritable (file.getParentDirectory()))
        return WriteResult::openFile;

    // The temporary file is deleted when this goes, whatever happens below.
    juce::TemporaryFile temporary (file, juce::TemporaryFile::useHiddenFile);

    if (const auto code = writeAndSync (temporary.getFile(), data, numBytes); code != WriteResult::noError)
        return code;

    if (! temporary.overwriteTargetFileWithTemporary())
        return existed ? WriteResult::deleteFile : WriteResult::writeData;

    return WriteResult::noError;
}
} // namespace file
