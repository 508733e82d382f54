#include "app/FrameworkTranslations.h"

namespace application
{
juce::String FrameworkTranslations::getTranslationFileText()
{
    // Kept as a UTF-8 literal so that the Japanese survives whatever encoding the
    // compiler assumes for the source file.
    return juce::String::fromUTF8 (u8R"(language: Japanese
countries: ja

"Cut" = "カット"
"Copy" = "コピー"
"Paste" = "ペースト"
"Delete" = "クリア"
"Select All" = "すべてを選択"
"Undo" = "元に戻す"
"Redo" = "やり直す"
"OK" = "OK"
"Cancel" = "キャンセル"
"Yes" = "はい"
"No" = "いいえ"
)");
}

void FrameworkTranslations::install()
{
    // The framework takes ownership of the mappings.
    juce::LocalisedStrings::setCurrentMappings (new juce::LocalisedStrings (getTranslationFileText(), false));
}
} // namespace application
