#include "filepath.h"

#include <QFile>

namespace FilePath {

std::string Bytes(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString FromBytes(const std::string& bytes)
{
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

} // namespace FilePath
