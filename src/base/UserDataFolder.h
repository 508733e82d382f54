#pragma once

#include <juce_core/juce_core.h>

/** The folder of the user's librarian data: the preferences file, the marker
    files, the installed presets and the Twitter files live in it. On Linux it
    is "VESK/VESK TolmVESK Sound Librarian" inside the XDG config folder.
*/
inline juce::File getUserDataFolder()
{
    return juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory)
        .getChildFile ("VESK")
        .getChildFile ("VESK TolmVESK Sound Librarian");
}
