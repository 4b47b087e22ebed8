#include "tportsetupform.h"

#include "portsetupmodel.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int RefreshMs = 2000;
// A state's room: three lines hold the reasons at the list's least width
// but brltty's, which is also named in full above the ports.
constexpr int StateLines = 3;

// A command to copy: one line that is never wrapped, selectable whole.
QLineEdit* CommandLine(QWidget* parent, const QString& name, bool keepRoom)
{
    auto* line = new QLineEdit(parent);
    line->setObjectName(name);
    line->setReadOnly(true);
    line->setFrame(false);
    // Hidden, a port's keeps its room, so a command coming or going moves nothing.
    QSizePolicy policy = line->sizePolicy();
    policy.setRetainSizeWhenHidden(keepRoom);
    line->setSizePolicy(policy);
    line->hide();
    return line;
}

void ShowCommand(QLineEdit* line, const QString& command)
{
    line->setText(command);
    line->setToolTip(command);
    line->setVisible(!command.isEmpty());
}

} // namespace

TPortSetupForm::TPortSetupForm(QWidget* parent, const QString& byIdFolder, const PortDiagnosis::Roots& roots)
    : QDialog(parent), m_byIdFolder(byIdFolder), m_roots(roots)
{
    setObjectName(QStringLiteral("TPortSetupForm"));
    setWindowTitle(tr("端口设置"));

    m_list = new QTableView(this);
    m_list->setObjectName(QStringLiteral("DeviceList"));
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setStretchLastSection(true);
    // The reasons are long; their heads stay in sight under a left title.
    m_list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_list->setWordWrap(false);
    m_list->setMinimumSize(640, 160);
    m_list->setAccessibleName(tr("串口设备"));

    m_unlisted = new QLabel(this);
    m_unlisted->setObjectName(QStringLiteral("Unlisted"));
    m_unlisted->setWordWrap(true);
    m_unlisted->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_unlisted->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_unlisted->hide();
    m_unlisted->setAccessibleName(tr("列表之外的发现"));
    m_unlistedCommand = CommandLine(this, QStringLiteral("UnlistedCommand"), false);
    m_unlistedCommand->setAccessibleName(tr("修复命令"));

    auto* ports = new QGridLayout;
    for (int port = 1; port <= 2; ++port) {
        const int row = (port - 1) * 3;
        auto* label = new QLabel(QStringLiteral("COM%1:").arg(port), this);
        auto* choice = new QComboBox(this);
        choice->setObjectName(QStringLiteral("ComboBox%1").arg(port));
        choice->setEditable(true);
        choice->setInsertPolicy(QComboBox::NoInsert);
        choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        choice->setMinimumContentsLength(40);
        // Below its port, as wide as the window and of a fixed height: a
        // longer reason neither widens nor grows the window, nor spills
        // over the list.
        auto* state = new QLabel(this);
        state->setObjectName(QStringLiteral("State%1").arg(port));
        state->setWordWrap(true);
        state->setTextInteractionFlags(Qt::TextSelectableByMouse);
        state->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        state->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        QLineEdit* command = CommandLine(this, QStringLiteral("Command%1").arg(port), true);
        // Names for a screen reader: the port's own label names its list.
        label->setBuddy(choice);
        state->setAccessibleName(tr("COM%1 状态").arg(port));
        command->setAccessibleName(tr("COM%1 修复命令").arg(port));
        ports->addWidget(label, row, 0);
        ports->addWidget(choice, row, 1);
        ports->addWidget(state, row + 1, 1);
        ports->addWidget(command, row + 2, 1);
        m_choices[port - 1] = choice;
        m_states[port - 1] = state;
        m_commands[port - 1] = command;
        connect(choice, &QComboBox::currentIndexChanged, this, [this, port] { ShowState(port); });
        connect(choice->lineEdit(), &QLineEdit::editingFinished, this, [this, port] { ShowState(port); });
    }
    ports->setColumnStretch(1, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("确定"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("Button1"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("取消"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("Button2"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TPortSetupForm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TPortSetupForm::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_unlisted);
    layout->addWidget(m_unlistedCommand);
    layout->addLayout(ports);
    layout->addWidget(buttons);

    m_refresh.setInterval(RefreshMs);
    connect(&m_refresh, &QTimer::timeout, this, &TPortSetupForm::Refresh);
}

TPortSetupForm::~TPortSetupForm() = default;

void TPortSetupForm::showEvent(QShowEvent* event)
{
    // In the font the window shows in, which it has from its parent by now.
    for (QLabel* state : m_states)
        state->setFixedHeight(state->fontMetrics().lineSpacing() * StateLines + 2 * state->margin());
    // Each showing starts from what is stored and what is plugged in now.
    auto model = std::make_unique<PortSetupModel>(m_settings, m_byIdFolder, m_roots);
    m_list->setModel(model.get());
    m_model = std::move(model);
    for (QComboBox* choice : m_choices)
        choice->clear();
    FillChoices();
    for (int port = 1; port <= 2; ++port)
        SetChoice(port, m_model->Assignment(port));
    m_list->resizeColumnsToContents();
    ShowUnlisted();
    m_refresh.start();
    QDialog::showEvent(event);
}

void TPortSetupForm::hideEvent(QHideEvent* event)
{
    m_refresh.stop();
    QDialog::hideEvent(event);
}

void TPortSetupForm::Refresh()
{
    if (!m_model)
        return;
    m_model->Refresh();
    ShowUnlisted();
    FillChoices();
    for (int port = 1; port <= 2; ++port)
        ShowState(port);
}

void TPortSetupForm::FillChoices()
{
    QStringList values{QString()};
    for (int row = 0; row < m_model->rowCount(); ++row)
        values << m_model->index(row, 0).data(PortSetupModel::ValueRole).toString();
    for (int port = 1; port <= 2; ++port) {
        QComboBox* choice = m_choices[port - 1];
        QStringList shown;
        for (int i = 0; i < choice->count(); ++i)
            shown << choice->itemData(i).toString();
        if (shown == values)
            continue;
        const QString kept = choice->count() ? Choice(port) : QString();
        const QSignalBlocker quiet(choice);
        choice->clear();
        choice->addItem(tr("默认 (%1)").arg(PortSetupModel::DefaultDevice(port)), QString());
        for (int row = 0; row < m_model->rowCount(); ++row) {
            const QModelIndex index = m_model->index(row, PortSetupModel::DeviceColumn);
            choice->addItem(index.data().toString(), index.data(PortSetupModel::ValueRole));
            choice->setItemData(choice->count() - 1, index.data(Qt::ToolTipRole), Qt::ToolTipRole);
        }
        if (!shown.isEmpty())
            SetChoice(port, kept);
    }
}

QString TPortSetupForm::Choice(int port) const
{
    const QComboBox* choice = m_choices[port - 1];
    const int index = choice->currentIndex();
    if (index >= 0 && choice->itemText(index) == choice->currentText())
        return choice->itemData(index).toString();
    return choice->currentText().trimmed();
}

void TPortSetupForm::SetChoice(int port, const QString& assignment)
{
    QComboBox* choice = m_choices[port - 1];
    int index = assignment.isEmpty() ? 0 : -1;
    const int row = m_model->RowOf(assignment);
    if (row >= 0)
        index = choice->findData(m_model->index(row, 0).data(PortSetupModel::ValueRole));
    if (index >= 0)
        choice->setCurrentIndex(index);
    else
        choice->setEditText(assignment);
    ShowState(port);
}

void TPortSetupForm::ShowState(int port)
{
    if (!m_model)
        return;
    const SerialPortList::Entry entry = m_model->EntryOf(port, Choice(port));
    QLabel* state = m_states[port - 1];
    state->setText(entry.StateText());
    // The whole, where three lines cannot hold it.
    state->setToolTip(entry.StateText());
    ShowCommand(m_commands[port - 1], entry.command);
}

void TPortSetupForm::ShowUnlisted()
{
    const CableDoctor::Finding& unlisted = m_model->Unlisted();
    m_unlisted->setText(QString::fromStdString(unlisted.reason));
    m_unlisted->setVisible(unlisted.Found());
    ShowCommand(m_unlistedCommand, QString::fromStdString(unlisted.command));
}

void TPortSetupForm::accept()
{
    if (!m_model)
        return;
    for (int port = 1; port <= 2; ++port)
        m_model->Assign(port, Choice(port));
    m_model->Store();
    QDialog::accept();
}
