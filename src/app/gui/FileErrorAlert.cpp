#include "app/gui/FileErrorAlert.h"

#include "app/CTRVResource.h"
#include "file/FileResultCodes.h"
#include "ui/AlertDialog.h"

namespace xTV200_application
{
void FileErrorAlert::showReadError (int code)
{
    show (file::getReadResultKey (code));
}

void FileErrorAlert::showWriteError (int code)
{
    show (file::getWriteResultKey (code));
}

void FileErrorAlert::show (const juce::String& messageKey)
{
    const auto* texts = CTRVResource::getInstance();
    ui::AlertDialog().showMessage (texts->getText ("CommonErrorDialogTitle"),
                                   texts->getText (messageKey));
}
} // namespace xTV200_application
