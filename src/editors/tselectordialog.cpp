#include "tselectordialog.h"

#include "channelcontrols.h"
#include "documenthost.h"
#include "editorkeys.h"
#include "editorwidgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

using namespace EditorWidgets;

TSelectorDialog::TSelectorDialog(DocumentHost& host, QWidget* parent, const char* objectName, const QString& caption,
                                 const ChannelControls::Options& options)
    : TEditorDialog(host, parent), m_navigator(*this)
{
    setObjectName(QLatin1String(objectName));
    setWindowTitle(caption);

    auto* top = new QHBoxLayout;
    QLabel* listLabel = Label(this, "Label11", tr("波段"));
    top->addWidget(listLabel);
    m_list = List(this, "ComboBox5", {});
    listLabel->setBuddy(m_list); // the list's name for a screen reader
    m_list->setMinimumWidth(90);
    top->addWidget(m_list);
    top->addStretch(1);

    m_controls = new ChannelControls(this, options);

    LayOut(top, {m_controls->GroupBox1, m_controls->GroupBox2}, tr("确定"), tr("关闭"));

    connect(m_controls, &ChannelControls::Edited, this, &TSelectorDialog::SetModified);
    connect(m_list, &QComboBox::activated, this, &TSelectorDialog::ComboBox5Click);
    InstallKeyHandler();
}

void TSelectorDialog::OpenSelector(const QStringList& items, int gridRow)
{
    m_list->clear();
    m_list->addItems(items);
    m_navigator.Open(static_cast<int>(items.size()), gridRow - 1);
    m_list->setCurrentIndex(m_navigator.Selected());
    m_controls->Edit1->setFocus();
}

void TSelectorDialog::LoadShown(int item)
{
    m_loading = true;
    m_controls->Apply(LoadItem(item));
    m_loading = false;
    m_modified = false;
}

bool TSelectorDialog::StoreShown()
{
    // The document counts as changed even when the entry is refused; the
    // session marks it so.
    const int item = CurrentItem();
    const ChannelForm form = m_controls->Read();
    ChannelRules::StoreResult result;
    m_host.Session().Edit(windowTitle(), [&](ChannelDocument& doc) { result = StoreItem(doc, item, form); });
    if (Refused(result.outcome))
        return false;
    // The boxes show what was stored.
    LoadShown(item);
    if (result.rounded)
        Inform(Rounded);
    return true;
}

void TSelectorDialog::ApplyEntry()
{
    const ChannelForm form = m_controls->Read();
    const ChannelRules::EntryResult result = EntryItem(CurrentItem(), form);
    if (Refused(result.outcome))
        return;
    if (result.form != form) {
        m_controls->Apply(result.form);
        m_modified = true;
    }
    if (result.rounded)
        Inform(Rounded);
}

void TSelectorDialog::ComboBox5Click(int index)
{
    PickInList(m_navigator, m_list, index);
}

void TSelectorDialog::Navigate(NavKey key)
{
    NavigateList(m_navigator, m_list, key);
}

bool TSelectorDialog::EditKeyPress(QLineEdit* edit, char c)
{
    if (!m_controls->IsFrequencyBox(edit))
        return false;
    const EditorKeys::KeyResult key = EditorKeys::FrequencyKey(c);
    if (key.action == EditorKeys::Action::Apply)
        ApplyEntry();
    return key.action != EditorKeys::Action::Insert;
}
