#include "tolmvesk/EmulatorMemoryLoader.h"

#include "file/FileResultCodes.h"
#include "tolmvesk/ArgumentFile.h"
#include "tolmvesk/LoadedFile.h"
#include "tolmvesk/ResultMessage.h"

namespace tolmvesk
{
juce::String loadEmulatorPrograms (const juce::String& fileName, xTV200_midi::EmulatorMemory& memory)
{
    if (fileName.isEmpty())
        return {};

    const auto file = getArgumentFile (fileName);
    const auto kind = getFileKind (file);

    if (kind == FileKind::unknown || kind == FileKind::program)
        return "--load takes a library or preset file, not " + fileName.quoted();

    LoadedFile source;

    if (const auto code = source.load (file, kind); code != file::ReadResult::noError)
        return "cannot load " + fileName.quoted() + ": " + describeReadResult (code);

    for (int i = 0; i < source.getNumPrograms(); ++i)
    {
        const auto& program = source.getProgram (i);
        memory.setProgram (i, juce::MemoryBlock (program.getBytes(), xTV200_data::ProgramData::numBytes));
    }

    return {};
}
} // namespace tolmvesk
