#pragma once

#include "channeldocument.h"
#include "datafile.h"
#include "documenthistory.h"
#include "documenthost.h"
#include "fakemessageservice.h"

#include <QObject>

// The main window as the editors see it, without a window: a session, the
// grids' current rows, and what the session told the windows. `doc` is the
// session's document, for setting up a test and looking at the result;
// changes made through it directly are not steps.
class FakeDocumentHost : public DocumentHost
{
public:
    DocumentSession session;
    DocumentHistory history{session};
    ChannelDocument& doc;
    FakeMessageService messages;
    int rows[5] = {0, 1, 1, 1, 1};
    // Slot, comment and whole-document signals: what a window would redraw.
    int refreshes = 0;
    QString port = QStringLiteral("COM1");

    FakeDocumentHost() : doc(session.BeginLongChange())
    {
        session.EndLongChange(QString(), true);
        doc.ClearDocument();
        auto count = [this] { ++refreshes; };
        QObject::connect(&session, &DocumentSession::SlotChanged, count);
        QObject::connect(&session, &DocumentSession::CommentChanged, count);
        QObject::connect(&session, &DocumentSession::DocumentReset, count);
    }

    bool Changed() const { return session.Changed(); }
    // The whole document, for comparing before and after a step.
    std::string Whole() const { return DataFile::WriteDataFile(doc) + std::string(doc.Plan().RadioType()); }
    DocumentSession& Session() override { return session; }
    int GridRow(int grid) const override { return grid >= 1 && grid <= 4 ? rows[grid] : 0; }
    const QString& PortChoice() const override { return port; }
    void AfterReadUpdate() override {}
    MessageService& Messages() override { return messages; }
};
