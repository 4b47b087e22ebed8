#include "documentstepcommand.h"

#include "documentsession.h"

DocumentStepCommand::DocumentStepCommand(DocumentSession& session, const QString& text, DocumentDelta delta,
                                         int mergeKey)
    : QUndoCommand(text), m_session(session), m_delta(std::move(delta)), m_mergeKey(mergeKey)
{
}

void DocumentStepCommand::undo()
{
    m_session.ApplyStep(m_delta, false);
    m_done = false;
}

void DocumentStepCommand::redo()
{
    if (!m_done)
        m_session.ApplyStep(m_delta, true);
    m_done = true;
}

bool DocumentStepCommand::mergeWith(const QUndoCommand* other)
{
    if (other->id() != id())
        return false;
    m_delta.Absorb(static_cast<const DocumentStepCommand*>(other)->m_delta);
    return true;
}
