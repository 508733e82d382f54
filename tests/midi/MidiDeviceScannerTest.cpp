#include "midi/MidiDeviceScanner.h"
#include "midi/service/VirtualMidiService.h"
#include "support/MessageLoop.h"
#include "support/ScriptedMidiDevice.h"

#include <gtest/gtest.h>

#include <thread>

namespace
{
constexpr int familyId = 0x0118;

juce::MemoryBlock searchReply (int echoedIndex, int family = familyId, int member = 0x0002)
{
    return test::ScriptedMidiDevice::bytes ({0xf0, 0x42, 0x50, 0x01, 0x00, echoedIndex, family & 0x7f,
                                             (family >> 8) & 0x7f, member & 0x7f, (member >> 8) & 0x7f, 0x01,
                                             0x00, 0x00, 0x00, 0xf7});
}

/** A device that answers the search with reply, after a pause. */
test::ScriptedMidiDevice::Script answerSearch (std::function<juce::MemoryBlock (int echo)> reply,
                                               int delayMs = 0)
{
    return [reply, delayMs] (const juce::MemoryBlock& request) -> std::vector<juce::MemoryBlock>
    {
        if (request.getSize() != 6 || request[3] != 0x00)
            return {};
        std::this_thread::sleep_for (std::chrono::milliseconds (delayMs));
        return {reply (request[4])};
    };
}

class FinishCounter final : public midi::MidiDeviceScannerListener
{
public:
    void scanFinished() override { ++count; }
    int count = 0;
};

class MidiDeviceScannerTest : public ::testing::Test
{
protected:
    MidiDeviceScannerTest()
    {
        scanner.setExpectedIds (familyId, -1);
        scanner.setTimeout (300);
        scanner.setSettleTime (0);
        scanner.addObserver (&finished);
    }

    bool scanAndWait()
    {
        scanner.startScan (service);
        return test::runMessageLoopUntil ([this] { return finished.count > 0; });
    }

    std::shared_ptr<midi::VirtualMidiService> service = std::make_shared<midi::VirtualMidiService>();
    midi::MidiDeviceScanner scanner;
    FinishCounter finished;
};

TEST (MidiDeviceScannerReplyTest, AcceptsOnlyFifteenByteRepliesOfTheFamilyAndMember)
{
    struct Case
    {
        const char* what;
        juce::MemoryBlock reply;
        int expectedMember;
        bool accepted;
    };

    auto longer = searchReply (0);
    longer.insert ("\x00", 1, 14);
    auto shorter = searchReply (0);
    shorter.removeSection (13, 1);
    auto notAReply = searchReply (0);
    notAReply[3] = 0x00;

    const Case cases[]{
        {"the family, any member", searchReply (0), -1, true},
        {"the family and the member", searchReply (0, familyId, 2), 2, true},
        {"another member", searchReply (0, familyId, 3), 2, false},
        {"another family", searchReply (0, 0x0119), -1, false},
        {"16 bytes", longer, -1, false},
        {"14 bytes", shorter, -1, false},
        {"a search, not a reply", notAReply, -1, false},
    };

    for (const auto& c : cases)
        EXPECT_EQ (midi::MidiDeviceScanner::isAcceptableReply (
                       static_cast<const juce::uint8*> (c.reply.getData()),
                       static_cast<int> (c.reply.getSize()), familyId, c.expectedMember),
                   c.accepted)
            << c.what;
}

TEST_F (MidiDeviceScannerTest, TheEchoedIndexNamesTheOutputAndTheReplyingInputIsFound)
{
    service->addPortPair ("Keyboard In", "Keyboard Out");
    test::ScriptedMidiDevice synth (service->addPortPair ("Synth In", "Synth Out"),
                                    answerSearch ([] (int) { return searchReply (3); }));

    ASSERT_TRUE (scanAndWait());
    EXPECT_TRUE (scanner.isFound());
    EXPECT_EQ (scanner.getFoundInputIndex(), 1);
    EXPECT_EQ (scanner.getFoundOutputIndex(), 3);
    EXPECT_EQ (synth.getReceived().front(), midi::MidiDeviceScanner::createSearchMessage (1));
}

TEST_F (MidiDeviceScannerTest, TheFirstReplyAcceptedWins)
{
    test::ScriptedMidiDevice slowSynth (service->addPortPair ("A In", "A Out"),
                                        answerSearch ([] (int echo) { return searchReply (echo); }, 100));
    test::ScriptedMidiDevice quickSynth (service->addPortPair ("B In", "B Out"),
                                         answerSearch ([] (int echo) { return searchReply (echo); }));

    ASSERT_TRUE (scanAndWait());
    EXPECT_EQ (scanner.getFoundInputIndex(), 1);
    EXPECT_EQ (scanner.getFoundOutputIndex(), 1);
    EXPECT_EQ (finished.count, 1);
}

TEST_F (MidiDeviceScannerTest, FindsNothingWhenOnlyWrongRepliesCome)
{
    test::ScriptedMidiDevice other (service->addPortPair ("Other In", "Other Out"),
                                    answerSearch ([] (int echo) { return searchReply (echo, 0x0120); }));

    ASSERT_TRUE (scanAndWait());
    EXPECT_FALSE (scanner.isFound());
    EXPECT_EQ (scanner.getFoundInputIndex(), -1);
    EXPECT_EQ (scanner.getFoundOutputIndex(), -1);
}

TEST_F (MidiDeviceScannerTest, SkipsPortsThatCannotBeOpened)
{
    service->addPortPair ("Busy In", "Busy Out");
    service->setPortUnavailable (true, 0, true);
    service->setPortUnavailable (false, 0, true);
    test::ScriptedMidiDevice synth (service->addPortPair ("Synth In", "Synth Out"),
                                    answerSearch ([] (int echo) { return searchReply (echo); }));

    ASSERT_TRUE (scanAndWait());
    EXPECT_EQ (scanner.getFoundInputIndex(), 1);
    EXPECT_EQ (scanner.getFoundOutputIndex(), 1);
}

TEST_F (MidiDeviceScannerTest, EndsAtOnceWithoutPorts)
{
    scanner.setTimeout (60000);
    ASSERT_TRUE (scanAndWait());
    EXPECT_FALSE (scanner.isFound());
}
} // namespace
