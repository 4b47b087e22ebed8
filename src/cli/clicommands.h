#pragma once

#include <string>
#include <vector>

// One function per verb of qxp-r46-cli. Each takes the arguments after the
// verb and returns the exit status: 0 done, 1 usage error, 2 file error,
// 3 the port or the radio failed, 4 the radio does not hold what was
// written (write --verify), 5 a write refused for a file the radio cannot
// take (write --preview or --backup-first without --force). diff answers 0
// same, 1 different, 2 trouble; check 0 nothing found, 1 warnings, 2 errors
// or trouble.
namespace CliCommands {

constexpr int ExitOk = 0;
constexpr int ExitUsage = 1;
constexpr int ExitFileError = 2;
constexpr int ExitRadioError = 3;
constexpr int ExitVerifyFailed = 4;
constexpr int ExitRefused = 5;
constexpr int ExitDifferent = 1;

int Convert(const std::vector<std::string>& args);
int List(const std::vector<std::string>& args);
int Read(const std::vector<std::string>& args);
int Write(const std::vector<std::string>& args);
int Ports(const std::vector<std::string>& args);
int ExportCsv(const std::vector<std::string>& args);
int ImportCsv(const std::vector<std::string>& args);
int Diff(const std::vector<std::string>& args);
int Check(const std::vector<std::string>& args);
// Built with the desktop libraries only (QXP_CLI_PRINT).
int Print(const std::vector<std::string>& args);

void PrintUsage(bool toStderr);

} // namespace CliCommands
