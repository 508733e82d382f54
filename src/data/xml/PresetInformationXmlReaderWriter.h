#pragma once

#include "data/PresetInformation.h"

#include <juce_core/juce_core.h>

namespace xTV200_data
{
/** Turns a preset's information into its XML document and back.

    The document is "TolmVESK_Preset" with "DataID", "Name", "Author",
    "Version", "Date", "Prefix" and "Copyright", in this order. Element names
    are matched without regard to case.
*/
class PresetInformationXmlReaderWriter
{
public:
    virtual ~PresetInformationXmlReaderWriter() = default;

    static constexpr const char* rootName = "TolmVESK_Preset";

    static std::unique_ptr<juce::XmlElement> createXml (const PresetInformation& information);

    /** Each element that is present sets its field ("Version" read by the
        atoi rule); the others keep theirs. False when the root is not a
        preset information document.
    */
    static bool readXml (const juce::XmlElement& root, PresetInformation& information);
};
} // namespace xTV200_data
