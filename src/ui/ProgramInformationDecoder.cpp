#include "ui/ProgramInformationDecoder.h"

#include "data/CurrentProgramData.h"
#include "data/ParameterMap.h"

namespace xTV200_ui
{
namespace
{
using xTV200_data::ParameterId;
using xTV200_data::ParameterInfo;
using xTV200_data::ProgramData;

constexpr int programCommonGroup = 0;
constexpr int voiceModeIndex = 13;
constexpr int timbreAGroup = 2;
constexpr int timbreBGroup = 4;
constexpr int oscillatorTypeIndexes[] = {12, 17, 22};
constexpr int filterTypeIndex = 30;
constexpr int effectGroup = 6;
constexpr int effectTypeIndexes[] = {0, 3, 7};
constexpr int vocoderGroup = 7;
constexpr int arpeggiatorGroup = 8;
constexpr int switchIndex = 0;

xTV200_data::DataBlock bytesOf (const ProgramData& program)
{
    return {program.getBytes(), ProgramData::numBytes};
}

bool readParameter (const ProgramData& program, ParameterId id, ParameterInfo& info, int& value)
{
    if (! xTV200_data::getParameterInfo (id, bytesOf (program), info))
        return false;

    value = xTV200_data::readParameterValue (id, info, bytesOf (program));
    return true;
}

ParameterId oscillatorType (int timbre, int oscillator)
{
    const auto group = timbre == ProgramInformationDecoder::timbreB ? timbreBGroup : timbreAGroup;
    return {group, oscillatorTypeIndexes[juce::jlimit (0, 2, oscillator)]};
}

bool isSwitchedOn (const ProgramData* program, int group)
{
    return program != nullptr &&
           xTV200_data::getParameterValue ({group, switchIndex}, bytesOf (*program)) != 0;
}
} // namespace

const ProgramData* ProgramInformationDecoder::getCurrentProgram()
{
    const auto* current = xTV200_data::CurrentProgramData::getInstance();
    return current->getMode() == xTV200_data::CurrentProgramData::noProgram ? nullptr
                                                                            : &current->getProgram();
}

bool ProgramInformationDecoder::isTimbreUsed (const ProgramData* program, int timbre)
{
    if (program == nullptr)
        return false;

    return timbre != timbreB ||
           xTV200_data::getParameterValue ({programCommonGroup, voiceModeIndex}, bytesOf (*program)) != 0;
}

ProgramInformationDecoder::Lines ProgramInformationDecoder::getOscillatorLines (const ProgramData* program,
                                                                                int timbre, int oscillator)
{
    ParameterInfo info;
    int value = 0;

    if (! isTimbreUsed (program, timbre) ||
        ! readParameter (*program, oscillatorType (timbre, oscillator), info, value))
        return getUnusedLines();

    if (value == 0)
        return {{}, "Off"};

    // The map's text carries the category in brackets ("[ANLG] Saw"); the lamps show that.
    const auto text = xTV200_data::getParameterValueText (info, value);
    const auto name =
        text.containsChar (']') ? text.fromFirstOccurrenceOf ("]", false, false).trim() : juce::String();
    return {juce::String::formatted ("%03d", value), name};
}

int ProgramInformationDecoder::getOscillatorCategory (const ProgramData* program, int timbre, int oscillator)
{
    ParameterInfo info;
    int value = 0;

    if (! isTimbreUsed (program, timbre) ||
        ! readParameter (*program, oscillatorType (timbre, oscillator), info, value))
        return noCategory;

    return xTV200_data::getOscillatorTypeCategory (value);
}

ProgramInformationDecoder::Lines ProgramInformationDecoder::getFilterLines (const ProgramData* program,
                                                                            int timbre)
{
    ParameterInfo info;
    int value = 0;
    const auto group = timbre == timbreB ? timbreBGroup : timbreAGroup;

    if (! isTimbreUsed (program, timbre) || ! readParameter (*program, {group, filterTypeIndex}, info, value))
        return getUnusedLines();

    const auto shown = juce::jlimit (static_cast<int> (info.minimum), static_cast<int> (info.maximum), value);
    return {juce::String::formatted ("%02d", shown + 1), xTV200_data::getParameterValueText (info, shown)};
}

juce::String ProgramInformationDecoder::getEffectTypeName (const ProgramData* program, int effect)
{
    ParameterInfo info;
    int value = 0;
    const ParameterId id{effectGroup, effectTypeIndexes[juce::jlimit (0, 2, effect)]};

    if (program == nullptr || ! readParameter (*program, id, info, value))
        return "-------";

    return xTV200_data::getParameterValueText (info, value);
}

bool ProgramInformationDecoder::isArpeggiatorOn (const ProgramData* program)
{
    return isSwitchedOn (program, arpeggiatorGroup);
}

bool ProgramInformationDecoder::isVocoderOn (const ProgramData* program)
{
    return isSwitchedOn (program, vocoderGroup);
}
} // namespace xTV200_ui
