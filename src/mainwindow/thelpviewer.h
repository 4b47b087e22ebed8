#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

// The help window: the program's own HTML help, shown in a browser inside
// the program. A copy installed beside the program takes precedence over the
// one built into it, so the help can be corrected without a rebuild.
class THelpViewer : public QWidget
{
    Q_OBJECT

public:
    explicit THelpViewer(QWidget* parent = nullptr);

    // Shows the window on the contents page.
    void ShowContents();
    static QUrl ContentsPage();
    QTextBrowser* Browser() const { return m_browser; }

private:
    QTextBrowser* m_browser = nullptr;
};
