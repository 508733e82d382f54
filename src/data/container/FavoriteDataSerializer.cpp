#include "data/container/FavoriteDataSerializer.h"

#include "data/container/ContainerIds.h"
#include "data/xml/FavoriteDataXmlReaderWriter.h"
#include "data/container/SerializedSectionDataWriter.h"
#include "data/container/XmlSectionText.h"

namespace xTV200_data
{
void FavoriteDataSerializer::serialize (data::SerializedData& out) const
{
    out.getBytes().reset();

    data::SerializedSectionDataWriter writer (out);
    writer.addSection (ContainerIds::favoritesDocument,
                       XmlSectionText::toSection (*FavoriteDataXmlReaderWriter::createXml (*record)));
    writer.finish (ContainerIds::favoritesType);
}
} // namespace xTV200_data
