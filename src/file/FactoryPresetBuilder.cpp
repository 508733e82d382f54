#include "file/FactoryPresetBuilder.h"

#include "file/FactoryProgramComposer.h"
#include "file/FactoryProgramTable.h"

namespace xTV200_file
{
bool FactoryPresetBuilder::build (xTV200_data::PresetData& preset)
{
    xTV200_data::PresetData result;
    result.getInformation() = createInformation();

    const auto& entries = getFactoryProgramEntries();
    bool allProgramsFit = true;

    for (int index = 0; index < xTV200_data::PresetData::numPrograms; ++index)
    {
        FactoryProgramComposer composer (entries[static_cast<size_t> (index)], index);

        if (! composer.compose (result.getProgram (index)))
            allProgramsFit = false;
    }

    preset = result;
    return allProgramsFit;
}

xTV200_data::PresetInformation FactoryPresetBuilder::createInformation()
{
    xTV200_data::PresetInformation information;
    information.dataID = "TolmVESK-Factory-0001";
    information.name = "Factory";
    information.author = "TolmVESK Sound Librarian team";
    information.copyright = "(C) 2026 TolmVESK Sound Librarian contributors, GPL-3.0-or-later";
    information.date = "2026-12-10";
    information.prefix = "FAC";
    information.version = 1;
    return information;
}

} // namespace xTV200_file
