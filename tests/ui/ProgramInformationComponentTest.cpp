#include "ui/ProgramInformationComponent.h"
#include "app/DebugModeModel.h"
#include "app/StartupSingletons.h"
#include "data/CurrentProgramData.h"
#include "data/DataCenter.h"
#include "data/DataChangeBroadcaster.h"
#include "data/ProgramParameterWriter.h"
#include "support/FreshSingletons.h"

namespace
{
using xTV200_data::CurrentProgramData;
using xTV200_data::DataCenter;
using xTV200_data::ProgramData;
using xTV200_ui::OscTypeDisplayComponent;
using xTV200_ui::ProgramInformationComponent;

constexpr int timbreA = 0;
constexpr int timbreB = 1;
constexpr int programSlot = 4;

void write (ProgramData& program, int group, int index, int value)
{
    ASSERT_TRUE (xTV200_data::writeProgramParameterValue (program, {group, index}, value))
        << "group " << group << " index " << index << " value " << value;
}

int timbreGroup (int timbre)
{
    return timbre == timbreA ? 2 : 4;
}

void setOscillatorType (ProgramData& program, int timbre, int oscillator, int type)
{
    write (program, timbreGroup (timbre), 12 + 5 * oscillator, type);
}

void setVoiceMode (ProgramData& program, int mode)
{
    write (program, 0, 13, mode);
}

/** The lamps lit on an oscillator panel, as category numbers. */
std::vector<int> litLamps (const OscTypeDisplayComponent& panel)
{
    std::vector<int> lit;
    for (int category = 0; category < OscTypeDisplayComponent::numLamps; ++category)
        if (panel.getLamp (category).isVisible())
            lit.push_back (category);
    return lit;
}

class ProgramInformationComponentTest : public test::FreshSingletons
{
protected:
    void SetUp() override
    {
        FreshSingletons::SetUp();
        xTV200_application::StartupSingletons::createInStartupOrder();

        auto& slot = program();
        setVoiceMode (slot, 1);
        for (int timbre : {timbreA, timbreB})
            for (int oscillator = 0; oscillator < 3; ++oscillator)
                setOscillatorType (slot, timbre, oscillator, 1);

        CurrentProgramData::getInstance()->selectLibraryPrograms ({programSlot});
        page = std::make_unique<ProgramInformationComponent>();
        test::deliverPendingMessages();
    }

    void TearDown() override
    {
        page.reset();
        xTV200_application::DebugModeModel::getInstance()->showDebugInformation = false;
        FreshSingletons::TearDown();
    }

    static ProgramData& program() { return DataCenter::getInstance()->getLibrary().getProgram (programSlot); }

    /** Tells the page that the library changed, as every edit does. */
    static void announceDataChange()
    {
        data::DataChangeBroadcaster::getInstance()->triggerAsyncUpdate();
        test::deliverPendingMessages();
    }

    const xTV200_ui::SubDisplayComponent& oscillatorDisplay (int timbre, int oscillator)
    {
        return page->getOscillatorPanel (timbre, oscillator).getSubDisplay();
    }

    std::unique_ptr<ProgramInformationComponent> page;
};

TEST_F (ProgramInformationComponentTest, OscillatorPanelsShowTypeNameAndCategoryLamp)
{
    struct Case
    {
        int type;
        const char* line1;
        const char* line2;
        std::vector<int> lamps;
    };

    const std::vector<Case> cases{
        {0, "", "Off", {}},
        {1, "001", "Saw", {0}},
        {32, "032", "VPM Sine", {0}},
        {33, "033", "Syn Sine 1", {1}},
        {73, "073", "E.Piano 1", {1}},
        {97, "097", "A.Piano", {2}},
        {126, "126", "E.Bass 3", {2}},
        {127, "127", "Mic In", {3}},
    };

    for (const auto& c : cases)
    {
        for (int timbre : {timbreA, timbreB})
            setOscillatorType (program(), timbre, 2 - timbre, c.type);

        announceDataChange();

        for (int timbre : {timbreA, timbreB})
        {
            const auto& panel = page->getOscillatorPanel (timbre, 2 - timbre);
            EXPECT_EQ (panel.getSubDisplay().getLine1(), c.line1) << "type " << c.type;
            EXPECT_EQ (panel.getSubDisplay().getLine2(), c.line2) << "type " << c.type;
            EXPECT_EQ (litLamps (panel), c.lamps) << "type " << c.type << " timbre " << timbre;
        }
    }

    EXPECT_EQ (oscillatorDisplay (timbreA, 0).getLine2(), "Saw") << "the other oscillators keep their types";
}

TEST_F (ProgramInformationComponentTest, FilterPanelsShowTheNumberFromOneAndTheName)
{
    const std::vector<std::tuple<int, const char*, const char*>> cases{
        {0, "01", "LPF Tolm 1"}, {5, "06", "LPF ZQ-77"}, {17, "18", "BPF+ Tolm"}};

    for (const auto& [type, line1, line2] : cases)
    {
        write (program(), timbreGroup (timbreA), 30, type);
        write (program(), timbreGroup (timbreB), 30, 17 - type);
        announceDataChange();

        EXPECT_EQ (page->getFilterPanel (timbreA).getSubDisplay().getLine1(), line1);
        EXPECT_EQ (page->getFilterPanel (timbreA).getSubDisplay().getLine2(), line2);
        EXPECT_EQ (page->getFilterPanel (timbreB).getSubDisplay().getLine1(),
                   juce::String::formatted ("%02d", 18 - type));
    }
}

TEST_F (ProgramInformationComponentTest, ASingleProgramShowsDashesForTimbreB)
{
    setOscillatorType (program(), timbreB, 0, 127);
    setVoiceMode (program(), 0);
    announceDataChange();

    for (int oscillator = 0; oscillator < 3; ++oscillator)
    {
        EXPECT_EQ (oscillatorDisplay (timbreB, oscillator).getLine1(), "--------");
        EXPECT_EQ (oscillatorDisplay (timbreB, oscillator).getLine2(), "");
        EXPECT_TRUE (litLamps (page->getOscillatorPanel (timbreB, oscillator)).empty());
        EXPECT_EQ (oscillatorDisplay (timbreA, oscillator).getLine2(), "Saw");
        EXPECT_EQ (litLamps (page->getOscillatorPanel (timbreA, oscillator)), std::vector<int>{0});
    }

    EXPECT_EQ (page->getFilterPanel (timbreB).getSubDisplay().getLine1(), "--------");
    EXPECT_EQ (page->getFilterPanel (timbreA).getSubDisplay().getLine1(), "01");

    setVoiceMode (program(), 2);
    announceDataChange();
    EXPECT_EQ (oscillatorDisplay (timbreB, 0).getLine2(), "Mic In") << "a split program uses timbre B";
}

TEST_F (ProgramInformationComponentTest, EffectTypesAndSwitchLampsFollowTheProgram)
{
    struct Case
    {
        std::array<int, 3> types;
        std::array<const char*, 3> names;
        int arpeggiator, vocoder;
    };

    const std::vector<Case> cases{
        {{0, 1, 0}, {"Distortion", "Chorus", "Hall"}, 0, 0},
        {{5, 5, 5}, {"Tone", "Rotary", "BPM Delay"}, 1, 0},
        {{2, 0, 3}, {"Ring Mod", "Flanger", "Tape Echo"}, 0, 1},
    };

    for (const auto& c : cases)
    {
        write (program(), 6, 0, c.types[0]);
        write (program(), 6, 3, c.types[1]);
        write (program(), 6, 7, c.types[2]);
        write (program(), 8, 0, c.arpeggiator);
        write (program(), 7, 0, c.vocoder);
        announceDataChange();

        for (int effect = 0; effect < 3; ++effect)
            EXPECT_EQ (page->getEffectLabel (effect).getText(), c.names[static_cast<size_t> (effect)]);

        EXPECT_EQ (page->isArpeggiatorLampOn(), c.arpeggiator != 0);
        EXPECT_EQ (page->isVocoderLampOn(), c.vocoder != 0);
    }
}

TEST_F (ProgramInformationComponentTest, LosingTheCurrentProgramBlanksEveryElementAtOnce)
{
    write (program(), 8, 0, 1);
    write (program(), 7, 0, 1);
    announceDataChange();
    ASSERT_TRUE (page->isArpeggiatorLampOn());

    CurrentProgramData::getInstance()->selectLibraryPrograms ({});
    test::deliverPendingMessages();

    for (int timbre : {timbreA, timbreB})
    {
        for (int oscillator = 0; oscillator < 3; ++oscillator)
        {
            EXPECT_EQ (oscillatorDisplay (timbre, oscillator).getLine1(), "--------");
            EXPECT_TRUE (litLamps (page->getOscillatorPanel (timbre, oscillator)).empty());
        }
        EXPECT_EQ (page->getFilterPanel (timbre).getSubDisplay().getLine1(), "--------");
    }

    for (int effect = 0; effect < 3; ++effect)
        EXPECT_EQ (page->getEffectLabel (effect).getText(), "-------");

    EXPECT_FALSE (page->isArpeggiatorLampOn());
    EXPECT_FALSE (page->isVocoderLampOn());
}

TEST_F (ProgramInformationComponentTest, APresetProgramIsShownLikeALibraryProgram)
{
    xTV200_data::PresetData preset;
    auto& presetProgram = preset.getProgram (2);
    setVoiceMode (presetProgram, 0);
    setOscillatorType (presetProgram, timbreA, 0, 73);
    DataCenter::getInstance()->getPresets().append (preset);

    CurrentProgramData::getInstance()->selectPresetProgram (0, 2);
    test::deliverPendingMessages();

    EXPECT_EQ (oscillatorDisplay (timbreA, 0).getLine1(), "073");
    EXPECT_EQ (oscillatorDisplay (timbreB, 0).getLine1(), "--------");
}

TEST_F (ProgramInformationComponentTest, DebugModeShowsTheInformationTextsOnATallerPage)
{
    program().getInformation().programmer = "Ada";
    program().getInformation().youTubeLink = "https://example.com/v";

    EXPECT_EQ (page->getHeight(), 550);
    EXPECT_FALSE (page->getInformationField (0).isVisible());
    EXPECT_FALSE (page->getWebButton().isVisible());

    xTV200_application::DebugModeModel::getInstance()->showDebugInformation = true;
    ProgramInformationComponent debugPage;
    EXPECT_EQ (debugPage.getHeight(), 700);
    EXPECT_TRUE (debugPage.getInformationField (0).isVisible());
    EXPECT_TRUE (debugPage.getInformationField (2).isReadOnly());
    EXPECT_EQ (debugPage.getInformationField (0).getText(), "Ada");
    EXPECT_EQ (debugPage.getInformationField (1).getText(), "");
    EXPECT_EQ (debugPage.getInformationField (2).getText(), "https://example.com/v");
    EXPECT_TRUE (debugPage.getWebButton().isVisible());
}

TEST_F (ProgramInformationComponentTest, PanelsSitWhereThePageLaysThemOut)
{
    EXPECT_EQ (page->getOscillatorPanel (timbreA, 1).getBounds(), juce::Rectangle<int> (184, 56, 153, 129));
    EXPECT_EQ (page->getOscillatorPanel (timbreB, 2).getBounds(), juce::Rectangle<int> (352, 248, 153, 129));
    EXPECT_EQ (page->getFilterPanel (timbreB).getBounds(), juce::Rectangle<int> (552, 248, 153, 93));
    EXPECT_EQ (page->getEffectLabel (2).getBounds(), juce::Rectangle<int> (143, 511, 144, 16));
    EXPECT_EQ (page->getOscillatorPanel (timbreA, 0).getSubDisplay().getBounds(),
               juce::Rectangle<int> (31, 13, 84, 42));
    EXPECT_EQ (page->getOscillatorPanel (timbreA, 0).getLamp (3).getBounds(),
               juce::Rectangle<int> (73, 93, 66, 32));
}
} // namespace
