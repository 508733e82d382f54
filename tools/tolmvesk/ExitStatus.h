#pragma once

namespace tolmvesk
{
/** The exit statuses of the command-line tool, which scripts rely on. */
namespace ExitStatus
{
constexpr int success = 0;
constexpr int wrongCommandLine = 1;
constexpr int fileError = 2;
constexpr int communicationError = 3;
} // namespace ExitStatus
} // namespace tolmvesk
