#pragma once

#include "documentdelta.h"
#include "documentsession.h"

#include <QString>

#include <optional>

// Where a DocumentSession hands the steps it makes: the desktop program's
// undo history. The command-line tool runs without one.
class StepRecorder
{
public:
    virtual ~StepRecorder() = default;
    // A step that also changes what the document stands for (a read from
    // the radio): undo puts back `before`, redo `after`.
    struct OriginChange {
        DocumentSession::Origin before;
        DocumentSession::Origin after;
    };
    // One finished change. Steps with the same non-zero `mergeKey` that
    // follow each other may be folded into one (typing in the comment).
    virtual void Record(const QString& text, DocumentDelta delta, int mergeKey, std::optional<OriginChange> origin) = 0;
    // The document was replaced (New, Open): earlier steps no longer apply.
    virtual void Forget() = 0;
    // The document as it is now is what the file (or the radio) holds.
    virtual void MarkSaved() = 0;
};
