#include "app/DisplayLanguage.h"

#include <gtest/gtest.h>

using application::chooseDisplayLanguage;
using application::DisplayLanguage;

namespace
{
struct LocaleCase
{
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    DisplayLanguage expected;
    const char* why;
};

constexpr auto ja = DisplayLanguage::japanese;
constexpr auto en = DisplayLanguage::english;

const LocaleCase localeCases[] = {
    {"ja_JP.UTF-8", "", "", ja, "LC_ALL decides"},
    {"", "ja", "", ja, "an empty LC_ALL counts as unset"},
    {"", "", "ja_JP.UTF-8", ja, "LANG decides when nothing else is set"},
    {"en_US.UTF-8", "", "ja_JP.UTF-8", en, "LC_ALL outranks LANG"},
    {"", "en_GB.UTF-8", "ja_JP.UTF-8", en, "LC_MESSAGES outranks LANG"},
    {"ja_JP.eucJP", "en_US", "en_US", ja, "LC_ALL outranks LC_MESSAGES"},
    {"C", "", "ja_JP.UTF-8", en, "the C locale is English, not a fall-through"},
    {"", "", "", en, "nothing set"},
    {"ja", "", "", ja, "a bare language code"},
    {"ja.UTF-8", "", "", ja, "language and codeset only"},
    {"ja_JP@variant", "", "", ja, "language with a modifier"},
    {"JA_JP", "", "", ja, "letter case does not matter"},
    {"japanese", "", "", ja, "the C library's alias for Japanese"},
    {"jam", "", "", en, "another language whose code starts with the letters ja"},
    {"jam_JM.UTF-8", "", "", en, "the same with a territory"},
    {"en_JP.UTF-8", "", "", en, "a Japanese territory does not make the language Japanese"},
};
} // namespace

TEST (DisplayLanguage, FirstSetLocaleVariableDecides)
{
    for (const auto& c : localeCases)
        EXPECT_EQ (chooseDisplayLanguage (c.lcAll, c.lcMessages, c.lang), c.expected)
            << c.why << ": LC_ALL=\"" << c.lcAll << "\" LC_MESSAGES=\"" << c.lcMessages << "\" LANG=\""
            << c.lang << "\"";
}
