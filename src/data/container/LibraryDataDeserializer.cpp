#include "data/container/LibraryDataDeserializer.h"

#include "data/container/ContainerIds.h"
#include "data/container/SerializedSectionDataReader.h"

namespace xTV200_data
{
bool LibraryDataDeserializer::deserialize (const data::SerializedData& in) const
{
    data::SerializedSectionDataReader reader (in);

    if (! reader.parse() || reader.getTypeId() != ContainerIds::libraryType)
        return false;

    record->initialize();
    int programIndex = 0;

    for (int i = 0; i < reader.getNumSections(); ++i)
    {
        const auto& section = reader.getSection (i);
        const data::SerializedData content (section.data);

        if (section.id == ContainerIds::libraryProgram)
        {
            if (! record->getProgram (programIndex++).deserialize (content))
                return false;
        }
        else if (section.id == ContainerIds::libraryFavorites)
        {
            if (! record->getFavorites().deserialize (content))
                return false;
        }
    }

    return true;
}
} // namespace xTV200_data
