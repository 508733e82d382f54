#include "data/container/FavoriteDataDeserializer.h"

#include "data/container/ContainerIds.h"
#include "data/xml/FavoriteDataXmlReaderWriter.h"
#include "data/container/SerializedSectionDataReader.h"
#include "data/container/XmlSectionText.h"

namespace xTV200_data
{
bool FavoriteDataDeserializer::deserialize (const data::SerializedData& in) const
{
    data::SerializedSectionDataReader reader (in);

    if (! reader.parse() || reader.getTypeId() != ContainerIds::favoritesType)
        return false;

    record->initialize();

    for (int i = 0; i < reader.getNumSections(); ++i)
    {
        const auto& section = reader.getSection (i);

        if (section.id != ContainerIds::favoritesDocument)
            continue;

        const auto root = XmlSectionText::fromSection (section.data);
        if (root == nullptr || ! FavoriteDataXmlReaderWriter::readXml (*root, *record))
            return false;
    }

    return true;
}
} // namespace xTV200_data
