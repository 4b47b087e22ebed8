#include "documentstepcommand.h"

#include "documentsession.h"

DocumentStepCommand::DocumentStepCommand(DocumentSession& session, const QString& text, DocumentDelta delta,
                                         int mergeKey, std::optional<StepRecorder::OriginChange> origin)
    : QUndoCommand(text), m_session(session), m_delta(std::move(delta)), m_mergeKey(mergeKey),
      m_origin(std::move(origin))
{
}

void DocumentStepCommand::undo()
{
    m_session.ApplyStep(m_delta, false);
    if (m_origin)
        m_session.SetOrigin(m_origin->before);
    m_done = false;
}

void DocumentStepCommand::redo()
{
    if (!m_done) {
        m_session.ApplyStep(m_delta, true);
        if (m_origin)
            m_session.SetOrigin(m_origin->after);
    }
    m_done = true;
}

bool DocumentStepCommand::mergeWith(const QUndoCommand* other)
{
    if (other->id() != id())
        return false;
    m_delta.Absorb(static_cast<const DocumentStepCommand*>(other)->m_delta);
    return true;
}
