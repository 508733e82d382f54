#include "midi/gui/MidiCommunicationDialog.h"
#include "data/LibraryData.h"
#include "midi/emulator/SynthesizerEmulator.h"
#include "midi/gui/DialogWithNoCloseButton.h"
#include "midi/gui/MidiCommunicationDialogRunner.h"
#include "midi/MidiCommunicationManager.h"
#include "midi/MidiDeviceManager.h"
#include "midi/service/VirtualMidiService.h"
#include "midi/TransmitCurrentProgramProcess.h"
#include "support/FreshSingletons.h"
#include "ui/NamedFonts.h"
#include "ui/state/ModalDialogState.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <optional>

namespace
{
using xTV200_midi::SynthesizerEmulatorOptions;

template <typename ComponentType>
ComponentType* findChild (juce::Component& parent, const juce::String& name)
{
    for (auto* child : parent.getChildren())
        if (child->getName() == name)
            return dynamic_cast<ComponentType*> (child);
    return nullptr;
}

/** What the communication window showed at one moment. */
struct Snapshot
{
    juce::String title;
    bool resizable = true;
    juce::Rectangle<int> dialogBounds;
    juce::String status;
    juce::String detail;
    bool detailVisible = false;
    bool cancelVisible = false;
    bool cancelEnabled = false;
    bool okVisible = false;
    bool okEnabled = false;
    juce::String okText;
};

/** Watches for the communication window, as the user would: it looks at the
    window when it opens and, when the OK button appears, presses Escape
    and then OK. It can press Cancel as soon as the window opens.
*/
class DialogDriver final : public ui::ModalDialogStateObserver, private juce::ComponentListener
{
public:
    DialogDriver() { ui::ModalDialogState::getInstance()->addObserver (this); }

    ~DialogDriver() override
    {
        if (okButton != nullptr)
            okButton->removeComponentListener (this);
        if (auto* state = ui::ModalDialogState::getInstanceWithoutCreating())
            state->removeObserver (this);
    }

    bool pressCancelAtOnce = false;

    std::optional<Snapshot> whenOpened;
    std::optional<Snapshot> whenResultShown;
    bool stayedOpenAfterEscape = false;

private:
    void modalStateChanged() override
    {
        if (window != nullptr || ! ui::ModalDialogState::getInstance()->isModal())
            return;

        window = dynamic_cast<midi::DialogWithNoCloseButton*> (juce::Component::getCurrentlyModalComponent());
        if (window == nullptr)
            return;

        dialog = dynamic_cast<midi::MidiCommunicationDialog*> (window->getContentComponent());
        if (dialog == nullptr)
            return;

        whenOpened = takeSnapshot();
        okButton = findChild<juce::Button> (*dialog, "Button");
        okButton->addComponentListener (this);

        if (pressCancelAtOnce)
            findChild<juce::Button> (*dialog, "CancelButton")->triggerClick();

        if (okButton->isVisible())
            resultShown();
    }

    void componentVisibilityChanged (juce::Component& component) override
    {
        if (component.isVisible())
            resultShown();
    }

    void resultShown()
    {
        if (whenResultShown.has_value())
            return;

        whenResultShown = takeSnapshot();
        juce::MessageManager::callAsync (
            [this]
            {
                if (window == nullptr)
                    return;

                const juce::KeyPress escape (juce::KeyPress::escapeKey);
                if (auto* peer = window->getPeer())
                    peer->handleKeyPress (escape);
                else
                    window->keyPressed (escape);

                juce::MessageManager::callAsync (
                    [this]
                    {
                        if (window == nullptr || okButton == nullptr)
                            return;

                        stayedOpenAfterEscape = window->isCurrentlyModal() && window->isVisible();
                        okButton->triggerClick();
                    });
            });
    }

    Snapshot takeSnapshot() const
    {
        Snapshot s;
        s.title = window->getName();
        s.resizable = window->isResizable();
        s.dialogBounds = dialog->getBounds();

        auto* detail = findChild<juce::TextEditor> (*dialog, "DetailMessage");
        auto* cancel = findChild<juce::Button> (*dialog, "CancelButton");
        auto* ok = findChild<juce::Button> (*dialog, "Button");
        s.status = findChild<juce::Label> (*dialog, "StatusMessage")->getText();
        s.detail = detail->getText();
        s.detailVisible = detail->isVisible();
        s.cancelVisible = cancel->isVisible();
        s.cancelEnabled = cancel->isEnabled();
        s.okVisible = ok->isVisible();
        s.okEnabled = ok->isEnabled();
        s.okText = ok->getButtonText();
        return s;
    }

    // The window and its content are gone once the modal loop has returned.
    juce::Component::SafePointer<midi::DialogWithNoCloseButton> window;
    juce::Component::SafePointer<midi::MidiCommunicationDialog> dialog;
    juce::Component::SafePointer<juce::Button> okButton;
};

/** The communication manager on virtual ports with an emulated synthesizer,
    running its communications in the communication window. */
class MidiCommunicationDialogTest : public test::FreshSingletons
{
protected:
    void SetUp() override
    {
        FreshSingletons::SetUp();
        xTV200_ui::NamedFonts::addNamedFonts();

        devices = midi::MidiDeviceManager::getInstance();
        devices->setService (service);
        devices->setTargetFamilyId (0x0118);
        devices->applyMidiPortSettings ({false, "TolmVESK In", "TolmVESK Out"});

        communication = xTV200_midi::MidiCommunicationManager::getInstance();
        communication->setTimeouts (xTV200_midi::TransactionTimeouts::allOf (300));
        communication->setRunner (&runner);
        driver.emplace();
    }

    void TearDown() override
    {
        if (emulator != nullptr)
            emulator->stop();
        FreshSingletons::TearDown();
        driver.reset();
    }

    void startEmulator (SynthesizerEmulatorOptions options = {})
    {
        emulator =
            std::make_unique<xTV200_midi::SynthesizerEmulator> (*synthesizerSide, 0, 0, std::move (options));
        juce::String error;
        ASSERT_TRUE (emulator->start (error)) << error;
    }

    void expectResultShownWithOk (const Snapshot& shown)
    {
        EXPECT_TRUE (shown.okVisible);
        EXPECT_TRUE (shown.okEnabled);
        EXPECT_EQ (shown.okText, "OK");
        EXPECT_FALSE (shown.cancelVisible);
        EXPECT_TRUE (driver->stayedOpenAfterEscape) << "Escape must not close the window";
    }

    std::shared_ptr<midi::VirtualMidiService> service = std::make_shared<midi::VirtualMidiService>();
    std::shared_ptr<midi::MidiService> synthesizerSide = service->addPortPair ("TolmVESK In", "TolmVESK Out");
    std::unique_ptr<xTV200_midi::SynthesizerEmulator> emulator;
    midi::MidiDeviceManager* devices = nullptr;
    xTV200_midi::MidiCommunicationManager* communication = nullptr;
    midi::MidiCommunicationDialogRunner runner;
    std::optional<DialogDriver> driver;
};

TEST_F (MidiCommunicationDialogTest, ASucceedingProcessClosesTheWindowByItselfWithZero)
{
    startEmulator();
    xTV200_data::LibraryData received;

    EXPECT_EQ (communication->receiveSelectedPrograms ({0, 1}, received), 0);

    ASSERT_TRUE (driver->whenOpened.has_value()) << "the window was not shown modally";
    const auto& opened = *driver->whenOpened;
    EXPECT_EQ (opened.dialogBounds.getWidth(), 460);
    EXPECT_EQ (opened.dialogBounds.getHeight(), 150);
    EXPECT_FALSE (opened.resizable);
    EXPECT_TRUE (opened.cancelVisible);
    EXPECT_TRUE (opened.cancelEnabled);
    EXPECT_FALSE (opened.okVisible);
    EXPECT_FALSE (opened.okEnabled);
    EXPECT_EQ (opened.okText, "Cancel");
    EXPECT_FALSE (driver->whenResultShown.has_value());

    EXPECT_EQ (emulator->getMemory().getProgram (1),
               juce::MemoryBlock (received.getProgram (1).getBytes(), xTV200_data::ProgramData::numBytes));
    EXPECT_FALSE (devices->isOpen());
    ASSERT_TRUE (test::deliverPendingMessages());
    EXPECT_FALSE (ui::ModalDialogState::getInstance()->isModal());
}

TEST_F (MidiCommunicationDialogTest, AFailureWithADetailShowsItInTheTallLayoutUntilOk)
{
    SynthesizerEmulatorOptions options;
    options.writeProtected = true;
    startEmulator (options);

    EXPECT_EQ (communication->writeSelectedPrograms ({0, 1}, xTV200_data::LibraryData()), 1);

    ASSERT_TRUE (driver->whenResultShown.has_value());
    const auto& shown = *driver->whenResultShown;
    expectResultShownWithOk (shown);
    EXPECT_EQ (shown.status, "Error occurred while writing data.");
    EXPECT_EQ (shown.detail, "Please make sure the Write Protect setting of the TolmVESK is OFF.");
    EXPECT_TRUE (shown.detailVisible);
    EXPECT_EQ (shown.dialogBounds.getHeight(), 193);
    EXPECT_FALSE (devices->isOpen());
}

TEST_F (MidiCommunicationDialogTest, APortThatCannotBeOpenedShowsItsTextInTheShortLayout)
{
    startEmulator();
    devices->applyMidiPortSettings ({false, "Unplugged", "TolmVESK Out"});
    xTV200_data::LibraryData received;

    EXPECT_EQ (communication->receiveLibrary (received), 1);

    ASSERT_TRUE (driver->whenResultShown.has_value());
    const auto& shown = *driver->whenResultShown;
    expectResultShownWithOk (shown);
    EXPECT_EQ (shown.status, "Failed to open the MIDI port.");
    EXPECT_FALSE (shown.detailVisible);
    EXPECT_EQ (shown.dialogBounds.getHeight(), 150);
    EXPECT_EQ (emulator->getNumMessagesReceived(), 0);
}

TEST_F (MidiCommunicationDialogTest, CancelStopsTheProcessAndShowsItsResult)
{
    // Paced as a cable, the library takes far longer than the click.
    SynthesizerEmulatorOptions options;
    options.pacedAtWireRate = true;
    startEmulator (options);
    driver->pressCancelAtOnce = true;
    xTV200_data::LibraryData received;

    EXPECT_EQ (communication->receiveLibrary (received), 1);

    ASSERT_TRUE (driver->whenResultShown.has_value());
    expectResultShownWithOk (*driver->whenResultShown);
    EXPECT_EQ (driver->whenResultShown->status, "Canceled.");
    EXPECT_LT (emulator->getNumMessagesReceived(), 20);
}

TEST_F (MidiCommunicationDialogTest, TheCurrentProgramTransmissionCannotBeCancelled)
{
    startEmulator();
    xTV200_midi::TransmitCurrentProgramProcess process (devices->getPort(), 0x0118,
                                                        xTV200_midi::TransactionTimeouts::allOf (300),
                                                        xTV200_data::ProgramData());

    EXPECT_EQ (runner.runCommunication (process, "Sending"), 0);

    ASSERT_TRUE (driver->whenOpened.has_value());
    EXPECT_EQ (driver->whenOpened->title, "Sending");
    EXPECT_TRUE (driver->whenOpened->cancelVisible);
    EXPECT_FALSE (driver->whenOpened->cancelEnabled);
}

TEST_F (MidiCommunicationDialogTest, AnotherDialogKeepsTheModalStateAfterTheCommunication)
{
    startEmulator();
    const ui::ModalDialogState::Guard outerDialog;
    ASSERT_FALSE (outerDialog.isBusy());
    xTV200_data::LibraryData received;

    EXPECT_EQ (communication->receiveSelectedPrograms ({0}, received), 0);
    EXPECT_TRUE (ui::ModalDialogState::getInstance()->isModal());
}
} // namespace
