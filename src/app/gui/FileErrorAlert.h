#pragma once

#include <juce_core/juce_core.h>

namespace xTV200_application
{
/** Tells the user why reading or writing a file failed: a one-button alert
    titled "CommonErrorDialogTitle" whose message is the localized text of the
    result code. Message thread only.
*/
class FileErrorAlert final
{
public:
    FileErrorAlert() = default;

    /** code is one of file::ReadResult's codes. */
    void showReadError (int code);

    /** code is one of file::WriteResult's codes. */
    void showWriteError (int code);

private:
    static void show (const juce::String& messageKey);

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (FileErrorAlert)
};
} // namespace xTV200_application
