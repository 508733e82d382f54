#include "tolmvesk/FileKind.h"

namespace tolmvesk
{
FileKind getFileKind (const juce::File& file)
{
    const auto extension = file.getFileExtension();

    if (extension.equalsIgnoreCase (".tvlib"))
        return FileKind::library;

    if (extension.equalsIgnoreCase (".tvprog"))
        return FileKind::program;

    if (extension.equalsIgnoreCase (".tvpreset") || extension.equalsIgnoreCase (".itvpreset"))
        return FileKind::preset;

    if (extension.equalsIgnoreCase (".XTV200_all"))
        return FileKind::olderEditorLibrary;

    return FileKind::unknown;
}

juce::String getKindName (FileKind kind)
{
    switch (kind)
    {
    case FileKind::library:
    case FileKind::olderEditorLibrary:
        return "library";
    case FileKind::program:
        return "program";
    case FileKind::preset:
        return "preset";
    case FileKind::unknown:
        break;
    }

    return {};
}
} // namespace tolmvesk
