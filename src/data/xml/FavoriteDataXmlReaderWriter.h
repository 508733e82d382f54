#pragma once

#include "data/FavoriteData.h"

#include <juce_core/juce_core.h>

namespace xTV200_data
{
/** Turns the favourites into their XML document and back: root
    "TolmVESK_Favorite" with six "Bank" elements of eight "Data" each.
*/
class FavoriteDataXmlReaderWriter
{
public:
    virtual ~FavoriteDataXmlReaderWriter() = default;

    static constexpr const char* rootName = "TolmVESK_Favorite";

    static std::unique_ptr<juce::XmlElement> createXml (const FavoriteData& favorites);

    /** Banks fill in document order, slots likewise, values read by the atoi
        rule; only the first 6 banks and 8 values of each count, and slots
        without a value keep theirs. False when the root is not a favourite
        document.
    */
    static bool readXml (const juce::XmlElement& root, FavoriteData& favorites);
};
} // namespace xTV200_data
