#include "data/PresetInformation.h"

namespace xTV200_data
{
bool PresetInformation::operator== (const PresetInformation& other) const
{
    return dataID == other.dataID && name == other.name && author == other.author && copyright == other.copyright
           && date == other.date && prefix == other.prefix && version == other.version;
}
} // namespace xTV200_data
