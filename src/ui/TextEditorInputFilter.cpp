#include "ui/TextEditorInputFilter.h"

namespace xTV200_ui
{
TextEditorInputFilter::TextEditorInputFilter (int maximumLength) noexcept
    : maxLength (maximumLength)
{
}

TextEditorInputFilter::~TextEditorInputFilter() = default;

juce::String TextEditorInputFilter::filterNewText (juce::TextEditor& editor, const juce::String& newText)
{
    if (newText.length() + editor.getTotalNumChars() <= maxLength)
        return newText;

    return {};
}
} // namespace xTV200_ui
