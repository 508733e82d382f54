#pragma once

namespace xTV200_data
{
/** The type and section ids of the librarian's serialized containers. */
namespace ContainerIds
{
constexpr const char* programType = "TolmProg";
constexpr const char* programBytes = "TolmPrgD";
constexpr const char* programInformation = "TolmPrgI";
constexpr const char* favoritesType = "TolmFavS";
constexpr const char* favoritesDocument = "TolmFavD";
constexpr const char* libraryType = "TolmLibD";
constexpr const char* libraryProgram = "TolmLibP";
constexpr const char* libraryFavorites = "TolmLibF";
} // namespace ContainerIds
} // namespace xTV200_data
