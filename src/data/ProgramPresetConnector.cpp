#include "data/ProgramPresetConnector.h"

#include "data/DataCenter.h"

namespace xTV200_data
{
ProgramPresetConnector::ProgramPresetConnector (const ProgramData& programToFind)
    : ProgramPresetConnector (programToFind, DataCenter::getInstance()->getPresets())
{
}

ProgramPresetConnector::ProgramPresetConnector (const ProgramData& programToFind, const PresetLibrary& presets)
    : program (&programToFind)
{
    ProgramData initial;
    initHash = initial.getHash();

    for (int i = 0; i < ProgramData::nameLength; ++i)
        initial.setByte (i, ' ');
    blankInitHash = initial.getHash();

    search (presets);
}

void ProgramPresetConnector::search (const PresetLibrary& presets)
{
    const auto& hash = program->getHash();
    if (hash == initHash || hash == blankInitHash)
        return;

    for (int preset = 0; preset < presets.getNumPresets(); ++preset)
    {
        for (int index = 0; index < PresetData::numPrograms; ++index)
        {
            if (presets.getPreset (preset).getProgram (index).getHash() == hash)
            {
                found = true;
                presetIndex = preset;
                programIndex = index;
                return;
            }
        }
    }
}
} // namespace xTV200_data
