#pragma once

#include <juce_core/juce_core.h>

namespace test
{
/** A fresh empty folder in the system's temporary folder, deleted with
    everything in it when the object goes. Declare it before the objects that
    write into it, so that they are gone before it is deleted. */
class TemporaryFolder final
{
public:
    TemporaryFolder() : folder (juce::File::createTempFile ("tolmvesk-test")) { folder.createDirectory(); }
    ~TemporaryFolder() { folder.deleteRecursively(); }

    const juce::File& get() const noexcept { return folder; }
    juce::File getChildFile (const juce::String& relativePath) const { return folder.getChildFile (relativePath); }

private:
    juce::File folder;

    JUCE_DECLARE_NON_COPYABLE (TemporaryFolder)
};
} // namespace test
