#include "data/LibraryData.h"

#include <gtest/gtest.h>

using xTV200_data::FavoriteData;
using xTV200_data::LibraryData;
using xTV200_data::ProgramData;

TEST (FavoriteData, InitialAssignment)
{
    const FavoriteData favorites;

    EXPECT_EQ (favorites.getValue (0, 0), 0);
    EXPECT_EQ (favorites.getValue (0, 1), 35);
    EXPECT_EQ (favorites.getValue (2, 3), 103);
    EXPECT_EQ (favorites.getValue (4, 7), 195);
    EXPECT_EQ (favorites.getValue (5, 0), 200);
    EXPECT_EQ (favorites.getValue (5, 7), 207);
}

TEST (FavoriteData, SlotsOutOfRangeReadZeroAndIgnoreWrites)
{
    FavoriteData favorites;
    const FavoriteData initial;

    for (auto [bank, slot] : { std::pair { -1, 0 }, { 6, 0 }, { 0, -1 }, { 0, 8 } })
    {
        favorites.setValue (bank, slot, 99);
        EXPECT_EQ (favorites.getValue (bank, slot), 0);
    }

    EXPECT_EQ (favorites, initial);
}

TEST (LibraryData, StartsWithInitialProgramsAndFavourites)
{
    const LibraryData library;

    for (int i = 0; i < LibraryData::numPrograms; ++i)
        ASSERT_EQ (library.getProgram (i), ProgramData()) << i;

    EXPECT_EQ (library.getFavorites(), FavoriteData());
}

TEST (LibraryData, IndicesOutOfRangeShareTheFallbackAndLeaveTheProgramsAlone)
{
    LibraryData library;
    const LibraryData untouched;

    auto& fallbackAbove = library.getProgram (300);
    auto& fallbackBelow = library.getProgram (-1);
    EXPECT_EQ (&fallbackAbove, &fallbackBelow);

    fallbackAbove.setByte (0, 'X');
    EXPECT_EQ (library, untouched);
    EXPECT_EQ (library.getProgram (-1).getByte (0), 'X');
}

TEST (LibraryData, CopiesTakeProgramsAndFavouritesButNotTheFallback)
{
    LibraryData source;
    source.getProgram (7).setByte (0, 'Q');
    source.getProgram (7).getInformation().comment = "seven";
    source.getFavorites().setValue (3, 3, 250);
    source.getProgram (1000).setByte (0, 'F');

    const LibraryData copy (source);

    EXPECT_EQ (copy, source);
    EXPECT_EQ (copy.getProgram (7).getInformation().comment, "seven");
    EXPECT_EQ (copy.getProgram (-1), ProgramData());
}

TEST (LibraryData, InitializeResetsProgramsAndFavourites)
{
    LibraryData library;
    library.getProgram (0).setByte (5, 1);
    library.getFavorites().setValue (0, 0, 42);

    library.initialize();

    EXPECT_EQ (library, LibraryData());
}
