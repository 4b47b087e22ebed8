#pragma once

#include "documentdelta.h"
#include "steprecorder.h"

#include <QUndoCommand>

class DocumentSession;

// One step of the undo history: a recorded change of the document, put
// back and forth through the session so that every view hears of it.
class DocumentStepCommand : public QUndoCommand
{
public:
    DocumentStepCommand(DocumentSession& session, const QString& text, DocumentDelta delta, int mergeKey,
                        std::optional<StepRecorder::OriginChange> origin = std::nullopt);

    void undo() override;
    void redo() override;
    int id() const override { return m_mergeKey != 0 ? m_mergeKey : -1; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    DocumentSession& m_session;
    DocumentDelta m_delta;
    int m_mergeKey;
    std::optional<StepRecorder::OriginChange> m_origin;
    // The change was made before the step was recorded; the stack's first
    // redo must not make it again.
    bool m_done = true;
};
