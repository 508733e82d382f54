#pragma once

namespace xTV200_application
{
/** The name and version the application reports about itself. */
struct ApplicationInfo
{
    static constexpr const char* name = "TolmVESK Sound Librarian";
    static constexpr const char* version = "1.0.0.28";
};
} // namespace xTV200_application
