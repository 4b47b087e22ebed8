#pragma once

#include "../mainwindow/fakemessageservice.h"
#include "channeldocument.h"
#include "documenthost.h"

// The main window as the editors see it, without a window: a document, the
// grids' current rows, and counters for the changed flag and the redraws.
class FakeDocumentHost : public DocumentHost
{
public:
    ChannelDocument doc;
    FakeMessageService messages;
    int rows[5] = {0, 1, 1, 1, 1};
    bool changed = false;
    int refreshes = 0;
    QString port = QStringLiteral("COM1");

    FakeDocumentHost() { doc.ClearDocument(); }

    ChannelDocument& Document() override { return doc; }
    void SetChanged(bool value) override { changed = value; }
    void RefreshGrids() override { ++refreshes; }
    int GridRow(int grid) const override { return grid >= 1 && grid <= 4 ? rows[grid] : 0; }
    const QString& PortChoice() const override { return port; }
    void AfterReadUpdate() override {}
    MessageService& Messages() override { return messages; }
};
