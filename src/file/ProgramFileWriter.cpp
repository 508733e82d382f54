#include "file/ProgramFileWriter.h"

#include "file/ZipLibraryFileWriter.h"

namespace xTV200_file
{
int ProgramFileWriter::write (const juce::File& file)
{
    ZipLibraryFileWriter writer;
    writer.addProgramData (program);
    return writer.writeToFile (file);
}
} // namespace xTV200_file
