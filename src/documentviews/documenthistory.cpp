#include "documenthistory.h"

#include "documentsession.h"
#include "documentstepcommand.h"

DocumentHistory::DocumentHistory(DocumentSession& session, QObject* parent) : QUndoStack(parent), m_session(session)
{
    // Each step keeps only the slots it changed, a few hundred bytes; a
    // whole read from the radio is some 25 KB.
    setUndoLimit(1000);
    m_session.SetRecorder(this);
    connect(this, &QUndoStack::cleanChanged, &m_session, &DocumentSession::SetAtSavedState);
}

DocumentHistory::~DocumentHistory()
{
    m_session.SetRecorder(nullptr);
}

void DocumentHistory::Record(const QString& text, DocumentDelta delta, int mergeKey, std::optional<OriginChange> origin)
{
    push(new DocumentStepCommand(m_session, text, std::move(delta), mergeKey, std::move(origin)));
}
