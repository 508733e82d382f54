#include "data/PresetData.h"

namespace xTV200_data
{
std::unique_ptr<PresetData> PresetData::makeFromLibrary (const LibraryData& library,
                                                        const PresetInformation& information)
{
    auto preset = std::make_unique<PresetData>();
    preset->information = information;

    for (int index = 0; index < numPrograms; ++index)
    {
        auto& program = preset->getProgram (index);
        program.copyFrom (library.getProgram (index));
        program.getInformation().programmer.clear();
        program.getInformation().comment.clear();
    }

    return preset;
}

void PresetData::initialize()
{
    programs.initializeAll();
    information = PresetInformation();
}

bool PresetData::operator== (const PresetData& other) const
{
    return programs == other.programs && information == other.information;
}
} // namespace xTV200_data
