// Writes the factory preset bundle that the librarian carries:
//
//     tolmvesk-factory-preset resources/presets/Factory.tvpreset
//
// The programs come from FactoryPresetBuilder, so this only checks the result
// and writes the file.

#include "file/FactoryPresetBuilder.h"
#include "file/PresetFileWriter.h"

#include <juce_core/juce_core.h>

#include <iostream>

int main (int argc, char* argv[])
{
    if (argc != 2)
    {
        std::cerr << "usage: tolmvesk-factory-preset OUT.tvpreset\n";
        return 1;
    }

    xTV200_data::PresetData preset;

    if (! xTV200_file::FactoryPresetBuilder::build (preset))
    {
        std::cerr << "error: a factory program has a value outside its parameter's range\n";
        return 2;
    }

    const auto file = juce::File::getCurrentWorkingDirectory().getChildFile (juce::String (argv[1]));

    if (const auto code = xTV200_file::PresetFileWriter (preset).write (file); code != 0)
    {
        std::cerr << "error: " << code << " could not write " << file.getFullPathName() << "\n";
        return 2;
    }

    std::cout << "wrote " << file.getFullPathName() << " (" << file.getSize() << " bytes)\n";
    return 0;
}
