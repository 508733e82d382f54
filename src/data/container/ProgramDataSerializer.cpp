#include "data/container/ProgramDataSerializer.h"

#include "data/container/ContainerIds.h"
#include "data/xml/ProgramInformationXmlReaderWriter.h"
#include "data/container/SerializedSectionDataWriter.h"
#include "data/container/XmlSectionText.h"

namespace xTV200_data
{
void ProgramDataSerializer::serialize (data::SerializedData& out) const
{
    out.getBytes().reset();

    data::SerializedSectionDataWriter writer (out);
    writer.addSection (ContainerIds::programBytes, record->getBytes(), ProgramData::numBytes);
    writer.addSection (ContainerIds::programInformation,
                       XmlSectionText::toSection (*ProgramInformationXmlReaderWriter::createXml (
                           record->getInformation())));
    writer.finish (ContainerIds::programType);
}
} // namespace xTV200_data
