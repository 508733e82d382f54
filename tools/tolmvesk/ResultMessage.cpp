#include "tolmvesk/ResultMessage.h"

#include "app/CTRVResource.h"
#include "file/FileResultCodes.h"
#include "tolmvesk/ExitStatus.h"

namespace tolmvesk
{
namespace
{
int reportError (std::ostream& err, int code, const juce::String& key)
{
    const auto text = getEnglishText (key);

    err << "error: " << code;

    if (text.isNotEmpty())
        err << ' ' << text;

    err << '\n';
    return ExitStatus::fileError;
}
} // namespace

juce::String getEnglishText (const juce::String& key)
{
    const CTRVResource englishStrings (
        CTRVResource::getEmbeddedTable (application::DisplayLanguage::english));
    return englishStrings.getText (key);
}

juce::String describeReadResult (int readCode)
{
    return (juce::String (readCode) + " " + getEnglishText (file::getReadResultKey (readCode))).trimEnd();
}

int reportReadError (std::ostream& err, int readCode)
{
    return reportError (err, readCode, file::getReadResultKey (readCode));
}

int reportWriteError (std::ostream& err, int writeCode)
{
    return reportError (err, writeCode, file::getWriteResultKey (writeCode));
}
} // namespace tolmvesk
