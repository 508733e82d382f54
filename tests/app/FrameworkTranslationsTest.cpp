#include "app/FrameworkTranslations.h"

#include <gtest/gtest.h>

namespace
{
class FrameworkTranslations : public testing::Test
{
protected:
    void SetUp() override { juce::LocalisedStrings::setCurrentMappings (nullptr); }
    void TearDown() override { juce::LocalisedStrings::setCurrentMappings (nullptr); }
};

juce::String utf8 (const char* text)
{
    return juce::String::fromUTF8 (text);
}
} // namespace

TEST_F (FrameworkTranslations, InstallTranslatesTheFrameworksOwnTexts)
{
    ASSERT_EQ (juce::translate ("Cut"), "Cut");

    application::FrameworkTranslations::install();

    const std::pair<const char*, const char*> expected[] = {
        {"Cut", u8"カット"},
        {"Copy", u8"コピー"},
        {"Paste", u8"ペースト"},
        {"Delete", u8"クリア"},
        {"Select All", u8"すべてを選択"},
        {"Undo", u8"元に戻す"},
        {"Redo", u8"やり直す"},
        {"OK", "OK"},
        {"Cancel", u8"キャンセル"},
        {"Yes", u8"はい"},
        {"No", u8"いいえ"},
    };

    for (const auto& [english, japanese] : expected)
        EXPECT_EQ (juce::translate (english), utf8 (japanese)) << english;

    EXPECT_EQ (juce::translate ("Save"), "Save") << "texts without a translation pass through";

    auto* mappings = juce::LocalisedStrings::getCurrentMappings();
    ASSERT_NE (mappings, nullptr);
    EXPECT_EQ (mappings->getLanguageName(), "Japanese");
    EXPECT_EQ (mappings->getCountryCodes(), juce::StringArray ("ja"));
}
