#include "app/gui/FileDropProcessor.h"

#include "app/FileAccessProcessor.h"
#include "app/gui/FileErrorAlert.h"
#include "ui/state/SelectedProgramStatus.h"

namespace xTV200_application
{
void FileDropProcessor::loadDroppedProgram (const juce::File& file)
{
    const auto& selection = ui::SelectedProgramStatus::getInstance()->getSelection();

    if (selection.size() != 1)
        return;

    if (const auto code = FileAccessProcessor().loadProgramFile (file, selection.front()); code != 0)
        FileErrorAlert().showReadError (code);
}
} // namespace xTV200_application
