#include "app/gui/FileDiscardChecker.h"

#include "app/CTRVResource.h"
#include "app/DataEditStatus.h"
#include "app/gui/FileDialogProcessor.h"
#include "ui/AlertDialog.h"
#include "ui/state/ModalDialogState.h"

namespace application
{
namespace
{
constexpr int answerCancel = 0;
constexpr int answerYes = 1;
constexpr int answerNo = 2;
} // namespace

int FileDiscardChecker::check()
{
    if (! DataEditStatus::getInstance()->isModified())
        return 0;

    if (ui::ModalDialogState::getInstance()->isModal())
        return 1;

    const auto* texts = CTRVResource::getInstance();
    const auto answer = ui::AlertDialog().showYesNoCancel (texts->getText ("FileDiscardCheckTitle"),
                                                           texts->getText ("FileDiscardCheckMessage"));
    switch (answer)
    {
        case answerCancel: return 1;
        case answerNo:     return 0;
        // Going on is only safe when the library really reached a file.
        case answerYes:    return xTV200_application::FileDialogProcessor().save() ? 0 : 1;
        default:           return 2;
    }
}
} // namespace application
