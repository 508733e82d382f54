#include "app/gui/MidiCommandPerformer.h"

#include <memory>

#include "app/ApplicationUndoManager.h"
#include "app/LibraryEditProcessor.h"
#include "app/LocalizedText.h"
#include "data/DataCenter.h"
#include "midi/MidiCommunicationManager.h"
#include "midi/MidiDeviceManager.h"
#include "ui/AlertDialog.h"
#include "ui/state/ModalDialogState.h"

namespace xTV200_menu
{
namespace
{
xTV200_midi::MidiCommunicationManager& getCommunication()
{
    return *xTV200_midi::MidiCommunicationManager::getInstance();
}

xTV200_data::LibraryData& getLibrary()
{
    return xTV200_data::DataCenter::getInstance()->getLibrary();
}

xTV200_application::LibraryEditProcessor makeEditor()
{
    return { getLibrary(), *application::ApplicationUndoManager::getInstance() };
}
} // namespace

MidiCommandPerformer::MidiCommandPerformer (Confirmation writeConfirmation)
    : confirmation (std::move (writeConfirmation))
{
}

bool MidiCommandPerformer::checkDriver()
{
    if (ui::ModalDialogState::getInstance()->isModal())
        return false;

    if (! midi::MidiDeviceManager::getInstance()->shouldWarnAboutDriver())
        return true;

    return ui::AlertDialog().showOkCancel (getLocalizedText ("MidiCommunicationErrorVeskUsbMidiDriverTitle"),
                                           getLocalizedText ("MidiCommunicationErrorVeskUsbMidiDriver"));
}

bool MidiCommandPerformer::confirmWrite() const
{
    return confirmation == nullptr || confirmation();
}

void MidiCommandPerformer::receiveLibrary()
{
    if (! checkDriver())
        return;

    // The whole library is large; keep it off the stack.
    auto received = std::make_unique<xTV200_data::LibraryData>();
    if (getCommunication().receiveLibrary (*received) == 0)
        makeEditor().receiveLibrary (*received);
}

void MidiCommandPerformer::writeLibrary()
{
    if (confirmWrite() && checkDriver())
        getCommunication().writeLibrary (getLibrary());
}

void MidiCommandPerformer::receiveSelectedPrograms (const std::vector<int>& selection)
{
    if (selection.empty() || ! checkDriver())
        return;

    auto received = std::make_unique<xTV200_data::LibraryData>();
    if (getCommunication().receiveSelectedPrograms (selection, *received) == 0)
        makeEditor().receiveSelectedPrograms (selection, *received);
}

void MidiCommandPerformer::writeSelectedPrograms (const std::vector<int>& selection)
{
    if (! selection.empty() && confirmWrite() && checkDriver())
        getCommunication().writeSelectedPrograms (selection, getLibrary());
}
} // namespace xTV200_menu
