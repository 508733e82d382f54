#pragma once

#include <juce_core/juce_core.h>

#include <ostream>

namespace tolmvesk
{
/** Writes the one error line of a failed read, "error: " + code + " " + the
    code's English text, and returns ExitStatus::fileError.

    The texts are always English, whatever the locale, so that scripts can
    match them.
*/
int reportReadError (std::ostream& err, int readCode);

/** The same for a write result code. */
int reportWriteError (std::ostream& err, int writeCode);

/** The English text of a strings-table key, whatever the display language. */
juce::String getEnglishText (const juce::String& key);

/** "CODE TEXT" for a read result code, as the error line shows it. */
juce::String describeReadResult (int readCode);
} // namespace tolmvesk
