#include "data/ProgramInformation.h"

namespace xTV200_data
{
bool ProgramInformation::operator== (const ProgramInformation& other) const
{
    return programmer == other.programmer && comment == other.comment && playListID == other.playListID
           && searchWord == other.searchWord && youTubeLink == other.youTubeLink;
}
} // namespace xTV200_data
