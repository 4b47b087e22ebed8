#include "taboutbox.h"

#include "toolicons.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(QStringLiteral("About QXP-R46"));
    setFixedSize(298, 164);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(9);
    setFont(font);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(8, 8, 282, 115);

    auto* icon = new QLabel(panel);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(ToolIcons::RadioEmblem(32));
    icon->setGeometry(12, 12, 32, 32);

    auto* product = new QLabel(tr("QZ-R46频率写码程序"), panel);
    product->setObjectName(QStringLiteral("ProductName"));
    product->setGeometry(60, 14, 210, 18);

    auto* version = new QLabel(tr("版本：2.00"), panel);
    version->setObjectName(QStringLiteral("Version"));
    version->setGeometry(60, 36, 210, 18);

    auto* about = new QLabel(tr("读取、编辑、保存并写回 QZ-R46 的全部频道。\n适用于 Linux 的 Qt 版本。"), panel);
    about->setObjectName(QStringLiteral("Comments"));
    about->setWordWrap(true);
    about->setGeometry(12, 62, 258, 44);

    auto* ok = new QPushButton(tr("确定"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    ok->setGeometry(111, 131, 75, 25);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
