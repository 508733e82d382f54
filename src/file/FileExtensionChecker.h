#pragma once

#include <juce_core/juce_core.h>

namespace file
{
/** Forces one extension on the files the user chooses to save. */
class FileExtensionChecker
{
public:
    /** The extension may be given with or without its leading ".". */
    explicit FileExtensionChecker (const juce::String& extension);
    virtual ~FileExtensionChecker() = default;

    /** Always begins with ".". */
    const juce::String& getExtension() const noexcept { return extension; }

    /** The file in the same folder named as file without its last extension,
        followed by this extension: "my.lib" becomes "my.tvlib", "my" becomes
        "my.tvlib", and "my.tvlib" stays as it is.
    */
    juce::File applyTo (const juce::File& file) const;

private:
    juce::String extension;

    JUCE_LEAK_DETECTOR (FileExtensionChecker)
};
} // namespace file
