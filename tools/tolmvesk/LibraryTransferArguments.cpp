#include "tolmvesk/LibraryTransferArguments.h"

#include "tolmvesk/ArgumentFile.h"
#include "tolmvesk/FileKind.h"
#include "tolmvesk/ProgramList.h"

namespace tolmvesk
{
LibraryTransferArguments LibraryTransferArguments::take (const juce::String& commandName,
                                                         const juce::StringArray& arguments,
                                                         OptionReader& options)
{
    LibraryTransferArguments result;
    const auto listText = options.takeValue ("--programs");

    if (listText.has_value())
        result.programs = parseProgramList (*listText, 300);

    if (arguments.size() != 1)
        result.problem = commandName + " takes one .tvlib file";
    else if (getFileKind (getArgumentFile (arguments[0])) != FileKind::library)
        result.problem = commandName + " works on a .tvlib file, not " + arguments[0].quoted();
    else if (listText.has_value() && ! result.programs.has_value())
        result.problem =
            "--programs takes numbers 1 to 300 and ranges such as 1,5-9, not " + listText->quoted();
    else
        result.libraryFile = getArgumentFile (arguments[0]);

    return result;
}

juce::String LibraryTransferArguments::describeCount() const
{
    const auto count = programs.has_value() ? programs->size() : size_t (300);
    return juce::String (count) + (count == 1 ? " program" : " programs");
}
} // namespace tolmvesk
