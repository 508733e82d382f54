#include "data/xml/ProgramInformationXmlReaderWriter.h"

#include "data/xml/XmlDocumentText.h"

namespace xTV200_data
{
std::unique_ptr<juce::XmlElement> ProgramInformationXmlReaderWriter::createXml (const ProgramInformation& information)
{
    auto root = std::make_unique<juce::XmlElement> (rootName);
    root->createNewChildElement ("Programmer")->addTextElement (information.programmer);
    root->createNewChildElement ("Comment")->addTextElement (information.comment);
    return root;
}

bool ProgramInformationXmlReaderWriter::readXml (const juce::XmlElement& root, ProgramInformation& information)
{
    if (! XmlDocumentText::hasName (root, rootName))
        return false;

    const std::pair<const char*, juce::String*> fields[] = {
        { "Programmer", &information.programmer }, { "Comment", &information.comment },
        { "PlayListID", &information.playListID }, { "SearchWord", &information.searchWord },
        { "YouTubeLink", &information.youTubeLink },
    };

    for (const auto& [name, field] : fields)
        if (const auto* element = XmlDocumentText::findChild (root, name))
            *field = element->getAllSubText();

    return true;
}
} // namespace xTV200_data
