#pragma once

#include "channeldocument.h"
#include "documenthost.h"
#include "documentsession.h"

// A document of its own for reading the radio back after a write: the read
// dialog fills it, while the main window's document, its grids and the
// remembered radio type stay as the user left them. Port and messages are
// the main window's.
class ReadBackHost : public DocumentHost
{
public:
    explicit ReadBackHost(DocumentHost& main) : m_main(main) {}

    DocumentSession& Session() override { return m_session; }
    int GridRow(int) const override { return 1; }
    const QString& PortChoice() const override { return m_main.PortChoice(); }
    void AfterReadUpdate() override {}
    MessageService& Messages() override { return m_main.Messages(); }

private:
    DocumentHost& m_main;
    DocumentSession m_session;
};
