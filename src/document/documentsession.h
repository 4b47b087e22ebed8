#pragma once

#include "channeldocument.h"
#include "datafile.h"
#include "documentdelta.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class StepRecorder;

// The one open document of a program run: the channel document, the name of
// its file and the changed flag. Every change goes through here, so that
// whoever shows the document learns of it from the signals, and every
// finished change becomes one step of the recorder (the undo history).
//
// Opening reads through the core's file reader and saving writes through
// the atomic writer; both keep the cause of a failure ("Permission denied")
// in the result's error text. The desktop program still shows the fixed
// "File Open error." and leaves the cause to the status bar; the command-line
// tool prints the fixed text and exits.
//
// Qt Core only: the command-line tool uses it as the desktop program does.
class DocumentSession : public QObject
{
    Q_OBJECT

public:
    struct FileResult {
        bool ok = false;
        DataFile::Format format = DataFile::Format::Unknown;
        // Why it failed: the file name and the system's reason.
        QString error;
    };
    // A file named on the desktop program's command line is taken in the
    // current layout only; Open and the command-line tool take both.
    enum class Layouts { CurrentOnly, CurrentOrOld };

    // "Untitled", the name of a document that has no file yet.
    static const QString& Untitled();

    explicit DocumentSession(QObject* parent = nullptr);
    ~DocumentSession() override;

    // What the document stands for: its file, or, after a complete read,
    // what the radio holds (it then has no file: "Untitled").
    struct Origin {
        QString fileName;
        bool radio = false;
        bool operator==(const Origin& other) const { return fileName == other.fileName && radio == other.radio; }
        bool operator!=(const Origin& other) const { return !(*this == other); }
    };

    const ChannelDocument& Document() const { return m_document; }
    bool Changed() const { return m_changed; }
    const QString& FileName() const { return m_origin.fileName; }
    const Origin& CurrentOrigin() const { return m_origin; }
    // The name a window caption shows: "Radio" for what a read brought,
    // else the file name.
    QString Title() const;
    // Names the document without saving it; it then stands for that file.
    void SetFileName(const QString& name);

    // Not owned; null for none. Set once, before the first change.
    void SetRecorder(StepRecorder* recorder) { m_recorder = recorder; }

    // The document a program run starts with: the band defaults of the
    // radio remembered from the last run. Nothing to undo, nothing changed.
    void StartWith(const BandPlan& plan);
    // Empties the document (the radio type and band limits stay); the name
    // becomes "Untitled"; nothing is changed.
    void New();
    // Replaces the document by the file's contents. An old-layout file is
    // converted and takes the same name with ".46". On failure the document
    // and its name stay as they were.
    FileResult Load(const QString& path, Layouts layouts);
    // Writes the document to `path` atomically and makes it the document's
    // name; on failure the old file is kept and nothing else changes.
    FileResult Save(const QString& path);
    // The same for a path given as the system's bytes, as a command line
    // gives it: a name that is no valid text in the locale still opens.
    FileResult Load(const std::string& path, Layouts layouts);
    FileResult Save(const std::string& path);

    // One change of the user's, made by `change` on the document; whatever
    // it altered becomes one step. The document counts as changed even when
    // nothing was altered: a refused store and a Delete on an empty row do
    // too, as they always have.
    void Edit(const QString& text, const std::function<void(ChannelDocument&)>& change, int mergeKey = 0);

    // A change that runs a while, such as a read from the radio, which
    // fills the document reply by reply: the document may be changed
    // through the returned reference until EndLongChange, which makes all
    // of it one step and tells the views that the whole document changed.
    // With `saved`, the result counts as unchanged (it is what the radio
    // holds).
    ChannelDocument& BeginLongChange();
    void EndLongChange(const QString& text, bool saved);

    // The document as it is now stands for what its file or the radio
    // holds: the changed flag goes off.
    void TakeAsSaved();

    // A complete read from the radio: `read` becomes the document, unnamed
    // and unchanged, standing for the radio. It is one step of the undo
    // history, which puts back the document and the name it had before.
    void TakeRead(const ChannelDocument& read, const QString& text);

    // What Paste will paste: working space beside the document, neither a
    // change nor a step.
    void SetPasteBuffer(std::string_view text) { m_document.StorePasteBuffer(text); }

    // For the undo history: puts a recorded step back or forth, and tells
    // whether the document is now as it was saved.
    void ApplyStep(const DocumentDelta& delta, bool forwards);
    void SetAtSavedState(bool saved);
    void SetOrigin(const Origin& origin);

signals:
    // One slot's record changed.
    void SlotChanged(RecordKind kind, int slot);
    void CommentChanged();
    // Anything may have changed, the radio's bands included.
    void DocumentReset();
    void ChangedFlagChanged(bool changed);
    // The file name, or whether the document stands for the radio, changed.
    void FileNameChanged(const QString& name);

private:
    FileResult Load(const std::string& path, const QString& name, Layouts layouts);
    FileResult Save(const std::string& path, const QString& name);
    void SetChanged(bool changed);
    void Announce(const DocumentDelta& delta);
    void Replaced();

    ChannelDocument m_document;
    Origin m_origin;
    bool m_changed = false;
    StepRecorder* m_recorder = nullptr;
    std::optional<ChannelDocument> m_longChangeStart;
    bool m_recording = false;
};
