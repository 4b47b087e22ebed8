#include "thelpviewer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

THelpViewer::THelpViewer(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("THelpViewer"));
    setWindowTitle(tr("QXP-R46 帮助"));
    resize(640, 520);

    auto* contents = new QPushButton(tr("目录"), this);
    contents->setObjectName(QStringLiteral("ContentsButton"));
    auto* back = new QPushButton(tr("后退"), this);
    back->setObjectName(QStringLiteral("BackButton"));
    auto* forward = new QPushButton(tr("前进"), this);
    forward->setObjectName(QStringLiteral("ForwardButton"));
    back->setEnabled(false);
    forward->setEnabled(false);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setAccessibleName(tr("帮助内容"));

    connect(contents, &QPushButton::clicked, this, [this] { m_browser->setSource(ContentsPage()); });
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);
}

QUrl THelpViewer::ContentsPage()
{
    // The pages are built into this static library; referencing the
    // initialiser keeps the linker from dropping them.
    Q_INIT_RESOURCE(help);
    // The page goes with the translation in use, so the help never speaks
    // another language than the windows, even when a translation is missing.
    //: File name of the help contents page written in the translation's language.
    const QString page = tr("index.html");
    const QString dir = QCoreApplication::applicationDirPath();
    for (const QString& candidate :
         {dir + QStringLiteral("/help/") + page, dir + QStringLiteral("/../share/qxp-r46/help/") + page}) {
        if (QFileInfo(candidate).isFile())
            return QUrl::fromLocalFile(QFileInfo(candidate).canonicalFilePath());
    }
    return QUrl(QStringLiteral("qrc:/help/") + page);
}

void THelpViewer::ShowContents()
{
    m_browser->setSource(ContentsPage());
    show();
    raise();
    activateWindow();
}
