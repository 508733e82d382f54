#include "data/container/ProgramDataDeserializer.h"

#include "data/container/ContainerIds.h"
#include "data/xml/ProgramInformationXmlReaderWriter.h"
#include "data/container/SerializedSectionDataReader.h"
#include "data/container/XmlSectionText.h"

namespace xTV200_data
{
namespace
{
bool readSection (ProgramData& program, const data::SerializedSectionDataReader::Section& section)
{
    if (section.id == ContainerIds::programBytes)
    {
        program.setBytes (section.data.getData(), section.data.getSize());
        return true;
    }

    if (section.id == ContainerIds::programInformation)
    {
        const auto root = XmlSectionText::fromSection (section.data);
        return root != nullptr && ProgramInformationXmlReaderWriter::readXml (*root, program.getInformation());
    }

    return true;
}
} // namespace

bool ProgramDataDeserializer::deserialize (const data::SerializedData& in) const
{
    data::SerializedSectionDataReader reader (in);

    if (! reader.parse() || reader.getTypeId() != ContainerIds::programType)
        return false;

    record->initialize();

    for (int i = 0; i < reader.getNumSections(); ++i)
        if (! readSection (*record, reader.getSection (i)))
            return false;

    return true;
}
} // namespace xTV200_data
