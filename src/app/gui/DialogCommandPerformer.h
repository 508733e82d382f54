#pragma once

#include <juce_core/juce_core.h>

namespace xTV200_menu
{
/** The Option menu's dialogs and the confirmation before writing to the
    synthesizer. Each shows nothing while another modal dialog is open.
*/
class DialogCommandPerformer final
{
public:
    /** The preferences dialog; on OK the settings are saved and applied. */
    static void showPreferences();

    static void showAbout();

    /** True when writing may go ahead: without the WarnBeforeWriting
        preference at once, otherwise only when the user confirms the write
        warning. */
    static bool confirmWrite();

private:
    static void applyPreferences();

    DialogCommandPerformer() = delete;
};
} // namespace xTV200_menu
