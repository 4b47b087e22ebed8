#pragma once

#include <QString>

#include <string>

// A path as the windows and the settings hold it (Unicode) and as the
// system calls take it (bytes in the file system's encoding). Every path
// that leaves Qt for the model, the serial component or the simulated radio
// passes through here, so a name that is not plain ASCII opens the file it
// names and comes back unchanged.
namespace FilePath {

std::string Bytes(const QString& path);
QString FromBytes(const std::string& bytes);

} // namespace FilePath
