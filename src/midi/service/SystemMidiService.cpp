#include "midi/service/SystemMidiService.h"

#include "midi/service/AlsaMidiService.h"

namespace midi
{
std::shared_ptr<MidiService> createSystemMidiService()
{
    return std::make_shared<AlsaMidiService>();
}
} // namespace midi
