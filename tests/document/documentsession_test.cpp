#include "documentsession.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

const char* const kChannel = "012,00145500000,3,2,0,1,0,,09,,12,000600000,1,,,,,RPT1";

// Loading and saving keep the cause of a failure, and a failure changes
// neither the document, nor its name, nor the changed flag.
TEST(DocumentSession, FailedLoadsAndSavesKeepTheCauseAndTheDocument)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString readOnly = dir.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("locked")));
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner));
    const bool root = ::geteuid() == 0;

    struct Case {
        const char* name;
        bool save;
        QString path;
        QString cause;
    };
    const Case cases[] = {
        {"missing file", false, dir.filePath(QStringLiteral("none.46")), QStringLiteral("No such file or directory")},
        {"not a data file", false, dir.filePath(QStringLiteral("notes.txt")), QStringLiteral("not a .46 or .r46")},
        {"a folder", false, dir.filePath(QStringLiteral("locked.46")), QStringLiteral("not a regular file")},
        {"missing folder", true, dir.filePath(QStringLiteral("gone/x.46")),
         QStringLiteral("No such file or directory")},
        {"read-only folder", true, readOnly + QStringLiteral("/x.46"), QStringLiteral("Permission denied")},
    };
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("locked.46")));
    for (const Case& c : cases) {
        if (root && c.cause == QLatin1String("Permission denied"))
            continue; // root writes into read-only folders
        DocumentSession session;
        session.Edit(QString(), [](ChannelDocument& doc) { doc.StoreMemory(12, kChannel); });
        const auto result =
            c.save ? session.Save(c.path) : session.Load(c.path, DocumentSession::Layouts::CurrentOrOld);
        EXPECT_FALSE(result.ok) << c.name;
        EXPECT_TRUE(result.error.startsWith(c.path)) << c.name << ": " << result.error.toStdString();
        EXPECT_TRUE(result.error.contains(c.cause)) << c.name << ": " << result.error.toStdString();
        EXPECT_EQ(session.Document().Record(RecordKind::Memory, 12), kChannel) << c.name;
        EXPECT_EQ(session.FileName(), DocumentSession::Untitled()) << c.name;
        EXPECT_TRUE(session.Changed()) << c.name;
    }
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(DocumentSession, SaveAndLoadNameTheDocumentAndClearTheChangedFlag)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("saved.46"));
    DocumentSession session;
    session.Edit(QString(), [](ChannelDocument& doc) { doc.StoreMemory(12, kChannel); });
    ASSERT_TRUE(session.Save(path).ok);
    EXPECT_FALSE(session.Changed());
    EXPECT_EQ(session.FileName(), path);

    DocumentSession other;
    // A refused store changes nothing, yet counts as a change.
    other.Edit(QString(), [](ChannelDocument&) {});
    EXPECT_TRUE(other.Changed());
    ASSERT_TRUE(other.Load(path, DocumentSession::Layouts::CurrentOnly).ok);
    EXPECT_FALSE(other.Changed());
    EXPECT_EQ(other.Document().Record(RecordKind::Memory, 12), kChannel);
    EXPECT_FALSE(other.Load(dir.filePath(QStringLiteral("old.r46")), DocumentSession::Layouts::CurrentOnly).ok);
}

} // namespace
