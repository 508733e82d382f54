#include "data/xml/PresetInformationXmlReaderWriter.h"

#include "base/AtoiRule.h"
#include "data/xml/XmlDocumentText.h"

namespace xTV200_data
{
std::unique_ptr<juce::XmlElement>
PresetInformationXmlReaderWriter::createXml (const PresetInformation& information)
{
    auto root = std::make_unique<juce::XmlElement> (rootName);

    const std::pair<const char*, juce::String> fields[] = {
        {"DataID", information.dataID},       {"Name", information.name},
        {"Author", information.author},       {"Version", juce::String (information.version)},
        {"Date", information.date},           {"Prefix", information.prefix},
        {"Copyright", information.copyright},
    };

    for (const auto& [name, text] : fields)
        root->createNewChildElement (name)->addTextElement (text);

    return root;
}

bool PresetInformationXmlReaderWriter::readXml (const juce::XmlElement& root, PresetInformation& information)
{
    if (! XmlDocumentText::hasName (root, rootName))
        return false;

    const std::pair<const char*, juce::String*> textFields[] = {
        {"DataID", &information.dataID}, {"Name", &information.name},
        {"Author", &information.author}, {"Date", &information.date},
        {"Prefix", &information.prefix}, {"Copyright", &information.copyright},
    };

    for (const auto& [name, field] : textFields)
        if (const auto* element = XmlDocumentText::findChild (root, name))
            *field = element->getAllSubText();

    if (const auto* version = XmlDocumentText::findChild (root, "Version"))
        information.version = parseAtoiRule (version->getAllSubText());

    return true;
}
} // namespace xTV200_data
