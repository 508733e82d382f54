#pragma once

#include <juce_core/juce_core.h>

namespace tolmvesk
{
/** The kinds of file the tool reads and writes. */
enum class FileKind
{
    unknown,
    library,
    program,
    preset,
    olderEditorLibrary
};

/** The kind a file's extension names, compared without regard to letter case. */
FileKind getFileKind (const juce::File& file);

/** "library", "program" or "preset" (an older editor's file holds a library);
    an empty text for an unknown kind. */
juce::String getKindName (FileKind kind);
} // namespace tolmvesk
