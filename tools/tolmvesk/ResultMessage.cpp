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
    const CTRVResource englishStrings (
        CTRVResource::getEmbeddedTable (application::DisplayLanguage::english));
    const auto text = englishStrings.getText (key);

    err << "error: " << code;

    if (text.isNotEmpty())
        err << ' ' << text;

    err << '\n';
    return ExitStatus::fileError;
}
} // namespace

int reportReadError (std::ostream& err, int readCode)
{
    return reportError (err, readCode, file::getReadResultKey (readCode));
}

int reportWriteError (std::ostream& err, int writeCode)
{
    return reportError (err, writeCode, file::getWriteResultKey (writeCode));
}
} // namespace tolmvesk
