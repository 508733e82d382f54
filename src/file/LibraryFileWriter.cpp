#include "file/LibraryFileWriter.h"

#include "file/ZipLibraryFileWriter.h"

namespace xTV200_file
{
int LibraryFileWriter::write (const juce::File& file)
{
    ZipLibraryFileWriter writer;
    writer.addFavoriteData (library.getFavorites());

    for (int index = 0; index < xTV200_data::LibraryData::numPrograms; ++index)
        writer.addProgramData (library.getProgram (index));

    return writer.writeToFile (file);
}
} // namespace xTV200_file
