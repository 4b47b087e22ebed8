#pragma once

#include "steprecorder.h"

#include <QUndoStack>

class DocumentSession;

// The desktop program's undo history of one session: every change the
// session records is one step; New and Open start afresh; the saved state
// is the stack's clean state, so undoing back to it clears the changed flag.
class DocumentHistory : public QUndoStack, public StepRecorder
{
    Q_OBJECT

public:
    explicit DocumentHistory(DocumentSession& session, QObject* parent = nullptr);
    ~DocumentHistory() override;

    void Record(const QString& text, DocumentDelta delta, int mergeKey, std::optional<OriginChange> origin) override;
    void Forget() override { clear(); }
    void MarkSaved() override { setClean(); }

private:
    DocumentSession& m_session;
};
