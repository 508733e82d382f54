#include "app/gui/FileCommandPerformer.h"

#include "app/FileAccessProcessor.h"
#include "app/gui/ApplicationMenuCommands.h"
#include "app/gui/FileDialogProcessor.h"
#include "app/gui/FileDiscardChecker.h"

namespace xTV200_menu
{
void FileCommandPerformer::perform (int commandID)
{
    xTV200_application::FileDialogProcessor files;

    switch (commandID)
    {
        case ApplicationMenuCommands::fileNew: newLibrary(); break;
        case ApplicationMenuCommands::fileOpen: files.open(); break;
        case ApplicationMenuCommands::fileSave: files.save(); break;
        case ApplicationMenuCommands::fileSaveAs: files.saveAs(); break;
        case ApplicationMenuCommands::fileLoadProgram: files.loadProgram(); break;
        case ApplicationMenuCommands::fileSaveProgram: files.saveProgram(); break;
        case ApplicationMenuCommands::fileImportTonexaFile: files.importTonexaFile(); break;
        case ApplicationMenuCommands::fileSavePreset: files.makePresetFile(); break;
        case ApplicationMenuCommands::fileExit: quit(); break;
        default: break;
    }
}

void FileCommandPerformer::newLibrary()
{
    if (application::FileDiscardChecker().check() == 0)
        xTV200_application::FileAccessProcessor().newLibrary();
}

void FileCommandPerformer::quit()
{
    if (application::FileDiscardChecker().check() == 0)
        juce::JUCEApplicationBase::quit();
}
} // namespace xTV200_menu
