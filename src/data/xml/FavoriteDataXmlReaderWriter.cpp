#include "data/xml/FavoriteDataXmlReaderWriter.h"

#include "base/AtoiRule.h"
#include "data/xml/XmlDocumentText.h"

namespace xTV200_data
{
std::unique_ptr<juce::XmlElement> FavoriteDataXmlReaderWriter::createXml (const FavoriteData& favorites)
{
    auto root = std::make_unique<juce::XmlElement> (rootName);

    for (int bank = 0; bank < FavoriteData::numBanks; ++bank)
    {
        auto* bankElement = root->createNewChildElement ("Bank");

        for (int slot = 0; slot < FavoriteData::numSlots; ++slot)
            bankElement->createNewChildElement ("Data")->addTextElement (
                juce::String (favorites.getValue (bank, slot)));
    }

    return root;
}

bool FavoriteDataXmlReaderWriter::readXml (const juce::XmlElement& root, FavoriteData& favorites)
{
    if (! XmlDocumentText::hasName (root, rootName))
        return false;

    int bank = 0;
    for (const auto* bankElement : root.getChildIterator())
    {
        if (bank >= FavoriteData::numBanks)
            break;

        if (! XmlDocumentText::hasName (*bankElement, "Bank"))
            continue;

        int slot = 0;
        for (const auto* dataElement : bankElement->getChildIterator())
        {
            if (slot >= FavoriteData::numSlots)
                break;

            if (XmlDocumentText::hasName (*dataElement, "Data"))
                favorites.setValue (bank, slot++, parseAtoiRule (dataElement->getAllSubText()));
        }

        ++bank;
    }

    return true;
}
} // namespace xTV200_data
