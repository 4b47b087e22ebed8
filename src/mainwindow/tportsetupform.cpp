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

} // namespace

TPortSetupForm::TPortSetupForm(QWidget* parent, const QString& byIdFolder) : QDialog(parent), m_byIdFolder(byIdFolder)
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

    auto* ports = new QGridLayout;
    for (int port = 1; port <= 2; ++port) {
        auto* label = new QLabel(QStringLiteral("COM%1:").arg(port), this);
        auto* choice = new QComboBox(this);
        choice->setObjectName(QStringLiteral("ComboBox%1").arg(port));
        choice->setEditable(true);
        choice->setInsertPolicy(QComboBox::NoInsert);
        choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        choice->setMinimumContentsLength(40);
        auto* state = new QLabel(this);
        state->setObjectName(QStringLiteral("State%1").arg(port));
        state->setWordWrap(true);
        state->setTextInteractionFlags(Qt::TextSelectableByMouse);
        ports->addWidget(label, port - 1, 0);
        ports->addWidget(choice, port - 1, 1);
        ports->addWidget(state, port - 1, 2);
        m_choices[port - 1] = choice;
        m_states[port - 1] = state;
        connect(choice, &QComboBox::currentIndexChanged, this, [this, port] { ShowState(port); });
        connect(choice->lineEdit(), &QLineEdit::editingFinished, this, [this, port] { ShowState(port); });
    }
    ports->setColumnStretch(2, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("确定"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("Button1"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("取消"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("Button2"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TPortSetupForm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TPortSetupForm::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(ports);
    layout->addWidget(buttons);

    m_refresh.setInterval(RefreshMs);
    connect(&m_refresh, &QTimer::timeout, this, &TPortSetupForm::Refresh);
}

TPortSetupForm::~TPortSetupForm() = default;

void TPortSetupForm::showEvent(QShowEvent* event)
{
    // Each showing starts from what is stored and what is plugged in now.
    auto model = std::make_unique<PortSetupModel>(m_settings, m_byIdFolder);
    m_list->setModel(model.get());
    m_model = std::move(model);
    for (QComboBox* choice : m_choices)
        choice->clear();
    FillChoices();
    for (int port = 1; port <= 2; ++port)
        SetChoice(port, m_model->Assignment(port));
    m_list->resizeColumnsToContents();
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
    if (m_model)
        m_states[port - 1]->setText(m_model->StateOf(port, Choice(port)));
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
