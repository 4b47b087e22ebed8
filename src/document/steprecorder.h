#pragma once

#include "documentdelta.h"

#include <QString>

// Where a DocumentSession hands the steps it makes: the desktop program's
// undo history. The command-line tool runs without one.
class StepRecorder
{
public:
    virtual ~StepRecorder() = default;
    // One finished change. Steps with the same non-zero `mergeKey` that
    // follow each other may be folded into one (typing in the comment).
    virtual void Record(const QString& text, DocumentDelta delta, int mergeKey) = 0;
    // The document was replaced (New, Open): earlier steps no longer apply.
    virtual void Forget() = 0;
    // The document as it is now is what the file (or the radio) holds.
    virtual void MarkSaved() = 0;
};
