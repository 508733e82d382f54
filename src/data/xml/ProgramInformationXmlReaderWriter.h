#pragma once

#include "data/ProgramInformation.h"

#include <juce_core/juce_core.h>

namespace xTV200_data
{
/** Turns program information into its XML document and back.

    The document is "TolmVESK_ProgramInformation" with "Programmer" and
    "Comment"; reading also accepts "PlayListID", "SearchWord" and
    "YouTubeLink". Element names are matched without regard to case.
*/
class ProgramInformationXmlReaderWriter
{
public:
    virtual ~ProgramInformationXmlReaderWriter() = default;

    static constexpr const char* rootName = "TolmVESK_ProgramInformation";

    static std::unique_ptr<juce::XmlElement> createXml (const ProgramInformation& information);

    /** Each element that is present sets its field; the others keep theirs.
        False when the root is not a program information document.
    */
    static bool readXml (const juce::XmlElement& root, ProgramInformation& information);
};
} // namespace xTV200_data
