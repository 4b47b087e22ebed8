#include "documentsession.h"

#include "fileio.h"
#include "filepath.h"
#include "steprecorder.h"

#include <QFile>
#include <QFileInfo>

namespace {

QString Local(const std::string& text)
{
    return QString::fromLocal8Bit(text.data(), qsizetype(text.size()));
}

// A delta this large is announced as a whole new document: one reset costs
// the views less than two hundred row updates.
constexpr std::size_t kSlotsAnnouncedOneByOne = 32;

} // namespace

const QString& DocumentSession::Untitled()
{
    static const QString name = QStringLiteral("Untitled");
    return name;
}

DocumentSession::DocumentSession(QObject* parent) : QObject(parent), m_origin{Untitled(), false} {}

DocumentSession::~DocumentSession() = default;

QString DocumentSession::Title() const
{
    return m_origin.radio ? QStringLiteral("Radio") : m_origin.fileName;
}

void DocumentSession::SetFileName(const QString& name)
{
    SetOrigin({name, false});
}

void DocumentSession::SetOrigin(const Origin& origin)
{
    if (origin == m_origin)
        return;
    m_origin = origin;
    emit FileNameChanged(m_origin.fileName);
}

void DocumentSession::SetChanged(bool changed)
{
    if (changed == m_changed)
        return;
    m_changed = changed;
    emit ChangedFlagChanged(m_changed);
}

void DocumentSession::Replaced()
{
    if (m_recorder)
        m_recorder->Forget();
    SetChanged(false);
    emit DocumentReset();
}

void DocumentSession::StartWith(const BandPlan& plan)
{
    m_document.Plan() = plan;
    m_document.ClearDocument();
    Replaced();
}

void DocumentSession::New()
{
    m_document.ClearDocument();
    m_document.SetComment(std::string());
    SetFileName(Untitled());
    Replaced();
}

DocumentSession::FileResult DocumentSession::Load(const QString& path, Layouts layouts)
{
    return Load(FilePath::Bytes(path), path, layouts);
}

DocumentSession::FileResult DocumentSession::Save(const QString& path)
{
    return Save(FilePath::Bytes(path), path);
}

DocumentSession::FileResult DocumentSession::Load(const std::string& path, Layouts layouts)
{
    return Load(path, FilePath::FromBytes(path), layouts);
}

DocumentSession::FileResult DocumentSession::Save(const std::string& path)
{
    return Save(path, FilePath::FromBytes(path));
}

DocumentSession::FileResult DocumentSession::Load(const std::string& path, const QString& name, Layouts layouts)
{
    FileResult result;
    result.format = DataFile::FormatOfPath(path);
    if (layouts == Layouts::CurrentOnly && result.format != DataFile::Format::Current) {
        result.error = name + QStringLiteral(": not a .46 data file");
        return result;
    }
    // Read into a copy, so that a refused file leaves the document whole.
    ChannelDocument loaded = m_document;
    const DataFile::LoadResult read = DataFile::Load(path, loaded);
    if (!read.ok) {
        result.error = Local(read.error);
        return result;
    }
    m_document = loaded;
    if (read.format == DataFile::Format::Current) {
        SetFileName(name);
    } else {
        const QFileInfo info(name);
        SetFileName(info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".46"));
    }
    Replaced();
    result.ok = true;
    return result;
}

DocumentSession::FileResult DocumentSession::Save(const std::string& path, const QString& name)
{
    FileResult result;
    result.format = DataFile::Format::Current;
    std::string error;
    if (!FileIo::WriteFileAtomically(path, DataFile::WriteDataFile(m_document), &error)) {
        result.error = Local(error);
        return result;
    }
    SetFileName(name);
    TakeAsSaved();
    result.ok = true;
    return result;
}

void DocumentSession::Edit(const QString& text, const std::function<void(ChannelDocument&)>& change, int mergeKey)
{
    const ChannelDocument before = m_document;
    change(m_document);
    DocumentDelta delta = DocumentDelta::Between(before, m_document);
    SetChanged(true);
    if (delta.Empty())
        return;
    Announce(delta);
    if (m_recorder)
        m_recorder->Record(text, std::move(delta), mergeKey, std::nullopt);
}

ChannelDocument& DocumentSession::BeginLongChange()
{
    m_longChangeStart = m_document;
    return m_document;
}

void DocumentSession::EndLongChange(const QString& text, bool saved)
{
    if (!m_longChangeStart)
        return;
    DocumentDelta delta = DocumentDelta::Between(*m_longChangeStart, m_document);
    m_longChangeStart.reset();
    if (!delta.Empty()) {
        emit DocumentReset();
        // A change that ends as saved is never "changed" on the way.
        m_recording = saved;
        if (m_recorder)
            m_recorder->Record(text, std::move(delta), 0, std::nullopt);
        m_recording = false;
    }
    if (saved)
        TakeAsSaved();
}

void DocumentSession::TakeRead(const ChannelDocument& read, const QString& text)
{
    const Origin before = m_origin;
    const Origin after{Untitled(), true};
    DocumentDelta delta = DocumentDelta::Between(m_document, read);
    m_document = read;
    SetOrigin(after);
    if (!delta.Empty())
        emit DocumentReset();
    if (m_recorder && (!delta.Empty() || before != after)) {
        // The read ends as saved: it is never "changed" on the way.
        m_recording = true;
        m_recorder->Record(text, std::move(delta), 0, StepRecorder::OriginChange{before, after});
        m_recording = false;
    }
    TakeAsSaved();
}

void DocumentSession::TakeAsSaved()
{
    SetChanged(false);
    if (m_recorder)
        m_recorder->MarkSaved();
}

void DocumentSession::ApplyStep(const DocumentDelta& delta, bool forwards)
{
    if (forwards)
        delta.ApplyForwards(m_document);
    else
        delta.ApplyBackwards(m_document);
    Announce(delta);
}

void DocumentSession::SetAtSavedState(bool saved)
{
    if (!m_recording)
        SetChanged(!saved);
}

void DocumentSession::Announce(const DocumentDelta& delta)
{
    if (delta.PlanChanged() || delta.Slots().size() > kSlotsAnnouncedOneByOne) {
        emit DocumentReset();
        return;
    }
    for (const DocumentDelta::SlotChange& change : delta.Slots())
        emit SlotChanged(change.kind, change.slot);
    if (delta.CommentChanged())
        emit CommentChanged();
}
