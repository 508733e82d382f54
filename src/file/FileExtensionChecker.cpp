#include "file/FileExtensionChecker.h"

namespace file
{
FileExtensionChecker::FileExtensionChecker (const juce::String& extensionToUse)
    : extension (extensionToUse.startsWithChar ('.') ? extensionToUse : "." + extensionToUse)
{
}

juce::File FileExtensionChecker::applyTo (const juce::File& file) const
{
    return file.getSiblingFile (file.getFileNameWithoutExtension() + extension);
}
} // namespace file
