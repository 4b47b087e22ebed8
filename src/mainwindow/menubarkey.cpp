#include "menubarkey.h"

#include <QAction>
#include <QMenuBar>
#include <QShortcut>

void MenuBarKey::Install(QMenuBar& bar)
{
    QWidget* window = bar.window();
    auto* key = new QShortcut(QKeySequence(Qt::Key_F10), window);
    key->setObjectName(QStringLiteral("MenuBarKey"));
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, &bar, [&bar] {
        const QList<QAction*> menus = bar.actions();
        if (!menus.isEmpty())
            bar.setActiveAction(menus.first());
    });
}
