#include "datafile.h"
#include "documenthistory.h"
#include "documentsession.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

std::string Whole(const DocumentSession& session)
{
    return DataFile::WriteDataFile(session.Document()) + std::string(session.Document().Plan().RadioType());
}

// Undo back to the saved state clears the changed flag, and away from it
// sets it again; New and Open start a fresh history.
TEST(DocumentHistory, ChangedFlagFollowsTheSavedState)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.46"));
    DocumentSession session;
    DocumentHistory history(session);
    auto store = [&](const char* name) {
        session.Edit(QString(), [&](ChannelDocument& doc) {
            doc.StoreMemory(3, std::string("003,00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,") + name);
        });
    };
    store("ONE");
    ASSERT_TRUE(session.Save(path).ok);
    const std::string saved = Whole(session);
    store("TWO");
    EXPECT_TRUE(session.Changed());
    history.undo();
    EXPECT_FALSE(session.Changed());
    EXPECT_EQ(Whole(session), saved);
    history.undo();
    EXPECT_TRUE(session.Changed());
    history.redo();
    EXPECT_FALSE(session.Changed());

    session.New();
    EXPECT_EQ(history.count(), 0);
    EXPECT_FALSE(session.Changed());
    store("THREE");
    ASSERT_TRUE(session.Load(path, DocumentSession::Layouts::CurrentOnly).ok);
    EXPECT_EQ(history.count(), 0);
    EXPECT_EQ(Whole(session), saved);
}

// Typing in the comment is one step however many characters it takes; a
// change of the radio's type comes back whole.
TEST(DocumentHistory, StepsRestoreTheWholeDocument)
{
    DocumentSession session;
    DocumentHistory history(session);
    const std::string before = Whole(session);
    for (const char* typed : {"a", "ab", "abc"})
        session.Edit(
            QString(), [&](ChannelDocument& doc) { doc.SetComment(typed); }, 1);
    ChannelDocument& doc = session.BeginLongChange();
    doc.StoreRadioType("0,1,00,0,0,1,2");
    doc.ClearDocument();
    doc.StoreDtmf(4, "04,99");
    session.EndLongChange(QString(), true);
    const std::string after = Whole(session);
    EXPECT_EQ(history.count(), 2);
    history.undo();
    history.undo();
    EXPECT_EQ(Whole(session), before);
    history.redo();
    EXPECT_EQ(session.Document().Comment(), "abc");
    history.redo();
    EXPECT_EQ(Whole(session), after);
}

} // namespace
