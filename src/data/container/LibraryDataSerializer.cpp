#include "data/container/LibraryDataSerializer.h"

#include "data/container/ContainerIds.h"
#include "data/container/SerializedSectionDataWriter.h"

namespace xTV200_data
{
void LibraryDataSerializer::serialize (data::SerializedData& out) const
{
    out.getBytes().reset();
    data::SerializedSectionDataWriter writer (out);

    for (int i = 0; i < LibraryData::numPrograms; ++i)
    {
        data::SerializedData program;
        record->getProgram (i).serialize (program);
        writer.addSection (ContainerIds::libraryProgram, program.getBytes());
    }

    data::SerializedData favorites;
    record->getFavorites().serialize (favorites);
    writer.addSection (ContainerIds::libraryFavorites, favorites.getBytes());

    writer.finish (ContainerIds::libraryType);
}
} // namespace xTV200_data
