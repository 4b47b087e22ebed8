#pragma once

class CliOptions;

// One function per verb of qxp-r46-cli. Each takes the verb's options,
// already checked against what the verb accepts (main.cpp's verb table),
// and returns the exit status: 0 done, 1 usage error, 2 file error,
// 3 the port or the radio failed, 4 the radio does not hold what was
// written (write --verify), 5 a write refused for a file the radio cannot
// take (write --preview or --backup-first without --force). diff answers 0
// same, 1 different, 2 trouble; check 0 nothing found, 1 warnings, 2 errors
// or trouble.
namespace CliCommands {

// In that order, from 0.
enum ExitStatus : int { ExitOk, ExitUsage, ExitFileError, ExitRadioError, ExitVerifyFailed, ExitRefused };
// diff's "different" and check's "warnings".
constexpr int ExitDifferent = 1;

int Convert(const CliOptions& options);
int List(const CliOptions& options);
int Read(const CliOptions& options);
int Write(const CliOptions& options);
int Ports(const CliOptions& options);
int ExportCsv(const CliOptions& options);
int ImportCsv(const CliOptions& options);
int Diff(const CliOptions& options);
int Check(const CliOptions& options);
// Built with the desktop libraries only (QXP_CLI_PRINT).
int Print(const CliOptions& options);

void PrintUsage(bool toStderr);

} // namespace CliCommands
