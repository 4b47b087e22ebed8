#include "writepreviewdialog.h"

#include "messageservice.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

QTreeWidgetItem* Group(QTreeWidget& list, const QString& title, int count)
{
    auto* group = new QTreeWidgetItem(&list, {QStringLiteral("%1 (%2)").arg(title).arg(count)});
    QFont bold = group->font(0);
    bold.setBold(true);
    group->setFont(0, bold);
    group->setFirstColumnSpanned(true);
    group->setExpanded(true);
    return group;
}

void AddChange(QTreeWidgetItem& group, const DocumentDiff::RecordChange& change)
{
    for (const DocumentDiff::FieldChange& field : change.fields)
        new QTreeWidgetItem(&group, {Text(change.label), Text(field.field), Text(field.before), Text(field.after)});
}

} // namespace

WritePreviewDialog::WritePreviewDialog(const WritePreview::Result& preview, const QString& backupName, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("WritePreviewDialog"));
    setWindowTitle(tr("写入预览"));
    setSizeGripEnabled(true);
    resize(720, 480);
    auto* layout = new QVBoxLayout(this);

    auto* counts = new QLabel(Text(preview.CountLine()), this);
    counts->setObjectName(QStringLiteral("CountLabel"));
    counts->setWordWrap(true);
    layout->addWidget(counts);
    auto* backup = new QLabel(tr("电台现在的内容已备份：%1").arg(backupName), this);
    backup->setObjectName(QStringLiteral("BackupLabel"));
    backup->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(backup);

    if (preview.NeedsConfirmation()) {
        // First, before the changes: this is what the user must not miss.
        auto* refusal = new QLabel(this);
        refusal->setObjectName(QStringLiteral("RefusalLabel"));
        refusal->setWordWrap(true);
        refusal->setStyleSheet(QStringLiteral("color: #b00000;"));
        QStringList lines;
        for (const std::string& line : preview.RefusalLines())
            lines << Text(line).toHtmlEscaped();
        refusal->setText(
            QStringLiteral("<b>%1</b><br>%2")
                .arg(tr("此文件不是为这部电台制作的，电台无法保存以下记录："), lines.join(QStringLiteral("<br>"))));
        layout->addWidget(refusal);
    }

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("ChangeList"));
    m_list->setAccessibleName(tr("写入将作的更改"));
    m_list->setHeaderLabels({tr("标签"), tr("字段"), tr("电台现在"), tr("写入后")});
    m_list->setRootIsDecorated(true);
    m_list->setUniformRowHeights(true);
    // Labels and field names are short; the values share what is left.
    m_list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(2, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(3, QHeaderView::Stretch);
    std::vector<const DocumentDiff::RecordChange*> added, removed, changed, others;
    for (const DocumentDiff::RecordChange& change : preview.changes) {
        switch (WritePreview::GroupOf(change)) {
        case WritePreview::Group::Added: added.push_back(&change); break;
        case WritePreview::Group::Removed: removed.push_back(&change); break;
        case WritePreview::Group::Changed: changed.push_back(&change); break;
        case WritePreview::Group::Other: others.push_back(&change); break;
        }
    }
    const struct {
        QString title;
        const std::vector<const DocumentDiff::RecordChange*>& changes;
    } groups[] = {
        {tr("新增的频道"), added},
        {tr("删除的频道"), removed},
        {tr("更改的频道"), changed},
        {tr("VFO、CALL 和 DTMF"), others},
    };
    for (const auto& g : groups) {
        if (g.changes.empty())
            continue;
        QTreeWidgetItem* group = Group(*m_list, g.title, static_cast<int>(g.changes.size()));
        for (const DocumentDiff::RecordChange* change : g.changes)
            AddChange(*group, *change);
    }
    if (!preview.findings.empty()) {
        QTreeWidgetItem* group = Group(*m_list, tr("检查结果"), static_cast<int>(preview.findings.size()));
        for (const PlanCheck::Finding& finding : preview.findings)
            new QTreeWidgetItem(
                group, {Text(finding.label), Text(PlanCheck::SeverityName(finding.severity)), Text(finding.reason)});
    }
    if (preview.hasComment) {
        auto* comment = new QTreeWidgetItem(m_list, {tr("注释不是电台的一部分，不会写入。")});
        comment->setFirstColumnSpanned(true);
    }
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    layout->addWidget(m_list, 1);

    auto* buttons = new QDialogButtonBox(this);
    m_write = buttons->addButton(preview.NothingToChange() ? tr("仍然写入") : tr("写入"), QDialogButtonBox::AcceptRole);
    m_write->setObjectName(QStringLiteral("WriteButton"));
    m_cancel = buttons->addButton(tr("取消"), QDialogButtonBox::RejectRole);
    m_cancel->setObjectName(QStringLiteral("CancelButton"));
    // Nothing to change, or a file made for another radio: Enter must not
    // write by habit.
    const bool cautious = preview.NothingToChange() || preview.NeedsConfirmation();
    m_write->setDefault(!cautious);
    m_write->setAutoDefault(!cautious);
    m_cancel->setDefault(cautious);
    m_cancel->setAutoDefault(cautious);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setTabOrder(m_list, m_write);
    setTabOrder(m_write, m_cancel);
    m_list->setFocus();
}
