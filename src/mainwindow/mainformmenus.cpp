#include "mainformmenus.h"

#include "appsettings.h"
#include "dataexchangecommands.h"
#include "languagechoice.h"
#include "menubarkey.h"
#include "tmainform.h"
#include "toolicons.h"
#include "uilanguage.h"
#include "writeplancommands.h"

#include <QAction>
#include <QActionGroup>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <QUndoStack>

MainFormMenus::Actions MainFormMenus::BuildMenus(TMainForm& window, QUndoStack& history, DataExchangeCommands& exchange,
                                                 WritePlanCommands& writePlan, AppSettings& settings,
                                                 MessageService& messages)
{
    Actions made;
    auto MakeAction = [&window](const char* objectName, const QString& text, void (TMainForm::*handler)(),
                                const QKeySequence& shortcut = QKeySequence()) {
        auto* action = new QAction(text, &window);
        action->setObjectName(QLatin1String(objectName));
        action->setShortcut(shortcut);
        QObject::connect(action, &QAction::triggered, &window, handler);
        return action;
    };
    const DataExchangeCommands::MenuItems exchanged = exchange.Items();
    const WritePlanCommands::MenuItems planned = writePlan.Items();
    QMenuBar* bar = window.menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* file = bar->addMenu(TMainForm::tr("文件"));
    file->setObjectName(QStringLiteral("File1"));
    QAction* newItem = MakeAction("New1", TMainForm::tr("新建"), &TMainForm::New1Click, Qt::CTRL | Qt::Key_N);
    QAction* open = MakeAction("Open1", TMainForm::tr("打开"), &TMainForm::Open1Click, Qt::CTRL | Qt::Key_O);
    QAction* save = MakeAction("Save1", TMainForm::tr("保存"), &TMainForm::Save1Click, Qt::CTRL | Qt::Key_S);
    auto* saveAs = new QAction(TMainForm::tr("另存为..."), &window);
    saveAs->setObjectName(QStringLiteral("Save2"));
    QObject::connect(saveAs, &QAction::triggered, &window, [&window] { window.Save2Click(); });
    made.print = MakeAction("Print1", TMainForm::tr("打印..."), &TMainForm::Print1Click);
    QAction* exitItem = MakeAction("Exit1", TMainForm::tr("退出"), &TMainForm::Exit1Click);
    file->addActions({newItem, open, exchanged.openBackup, save, saveAs});
    file->addSeparator();
    file->addActions({exchanged.importCsv, exchanged.exportCsv});
    file->addSeparator();
    file->addActions({made.print, exchanged.exportPdf});
    file->addSeparator();
    file->addAction(exitItem);

    QMenu* device = bar->addMenu(TMainForm::tr("设备"));
    device->setObjectName(QStringLiteral("Device1"));
    QAction* read = MakeAction("Read1", TMainForm::tr("读取"), &TMainForm::Read1Click);
    QAction* write = MakeAction("Write1", TMainForm::tr("写入"), &TMainForm::Write1Click);
    // Nothing else in the window uses R or W with Ctrl; a write asks before
    // it starts, so Ctrl+W pressed out of habit sends nothing to the radio.
    read->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    write->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    made.com1 = MakeAction("Com1_Mnu", TMainForm::tr("使用端口Com1"), &TMainForm::Com1_MnuClick);
    made.com2 = MakeAction("Com2_Mnu", TMainForm::tr("使用端口Com2"), &TMainForm::Com2_MnuClick);
    made.com1->setCheckable(true);
    made.com2->setCheckable(true);
    device->addActions({read, write, planned.previewBeforeWrite, exchanged.verify});
    device->addSeparator();
    device->addActions({made.com1, made.com2});
    device->addSeparator();
    device->addAction(MakeAction("PortSetup1", TMainForm::tr("端口设置..."), &TMainForm::OpenPortSetup));
    device->setToolTipsVisible(true);

    QMenu* edit = bar->addMenu(TMainForm::tr("编辑"));
    edit->setObjectName(QStringLiteral("Edit1"));
    auto* undo = new QAction(TMainForm::tr("撤销"), &window);
    undo->setObjectName(QStringLiteral("Undo1"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    undo->setEnabled(false);
    QObject::connect(undo, &QAction::triggered, &history, &QUndoStack::undo);
    QObject::connect(&history, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    auto* redo = new QAction(TMainForm::tr("重做"), &window);
    redo->setObjectName(QStringLiteral("Redo1"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    redo->setEnabled(false);
    QObject::connect(redo, &QAction::triggered, &history, &QUndoStack::redo);
    QObject::connect(&history, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    edit->addActions({undo, redo});
    edit->addSeparator();
    QAction* cut = MakeAction("Cut1", TMainForm::tr("剪切"), &TMainForm::Cut1Click, Qt::CTRL | Qt::Key_X);
    QAction* copy = MakeAction("Copy1", TMainForm::tr("复制"), &TMainForm::Copy1Click, Qt::CTRL | Qt::Key_C);
    QAction* paste = MakeAction("Paste1", TMainForm::tr("粘贴"), &TMainForm::Paste1Click, Qt::CTRL | Qt::Key_V);
    QAction* del = MakeAction("Delete1", TMainForm::tr("删除"), &TMainForm::Delete1Click, Qt::CTRL | Qt::Key_Delete);
    edit->addActions({cut, copy, paste, del});
    edit->addSeparator();
    QAction* insertRow = MakeAction("InsertRow1", TMainForm::tr("插入空行"), &TMainForm::InsertEmptyRow);
    QAction* deleteShift = MakeAction("DeleteShift1", TMainForm::tr("删除并上移"), &TMainForm::DeleteAndShiftUp);
    edit->addActions({insertRow, deleteShift});
    edit->addSeparator();
    QAction* table =
        MakeAction("ChannelTable1", TMainForm::tr("频道表..."), &TMainForm::OpenChannelTable, Qt::CTRL | Qt::Key_T);
    edit->addAction(table);
    edit->addAction(planned.checkChannels);

    QMenu* help = bar->addMenu(TMainForm::tr("帮助"));
    help->setObjectName(QStringLiteral("Help1"));
    help->addAction(MakeAction("Help2", TMainForm::tr("帮助主题"), &TMainForm::Help2Click));
    help->addSeparator();
    help->addAction(MakeAction("About1", TMainForm::tr("关于..."), &TMainForm::About1Click));
    help->addSeparator();
    // Left out of the translation: whoever cannot read the current language
    // still finds the way back to their own.
    QMenu* language = help->addMenu(QStringLiteral("语言 / Language"));
    language->setObjectName(QStringLiteral("Language1"));
    auto* languages = new QActionGroup(language);
    const LanguageChoice::Language current =
        LanguageChoice::Effective(settings.Store(), LanguageChoice::Environment::OfProcess());
    struct LanguageItem {
        const char* name;
        QString caption;
        LanguageChoice::Language language;
    };
    const LanguageItem items[] = {
        {"LanguageChinese1", QStringLiteral("中文"), LanguageChoice::Language::Chinese},
        {"LanguageEnglish1", QStringLiteral("English"), LanguageChoice::Language::English},
    };
    for (const LanguageItem& item : items) {
        QAction* action = language->addAction(item.caption);
        action->setObjectName(QLatin1String(item.name));
        action->setCheckable(true);
        action->setChecked(item.language == current);
        languages->addAction(action);
        const LanguageChoice::Language chosen = item.language;
        QObject::connect(action, &QAction::triggered, &window,
                         [&window, &messages, chosen] { UiLanguage::Choose(chosen, messages, &window); });
    }

    // The grids own their short-cut-free pop-up menus; the shortcuts live on
    // the main menu only, so Ctrl+C in the comment box still copies text.
    for (QAction* a : {cut, copy, paste, del, undo, redo})
        a->setShortcutContext(Qt::WindowShortcut);

    made.popup1 = new QMenu(&window);
    made.popup1->setObjectName(QStringLiteral("PopupMenu1"));
    QAction* cut2 = MakeAction("Cut2", TMainForm::tr("剪切"), &TMainForm::Cut1Click);
    made.popup1->addAction(cut2);
    made.popup1->addAction(MakeAction("Copy2", TMainForm::tr("复制"), &TMainForm::Copy1Click));
    made.pastePopup1 = MakeAction("Paste2", TMainForm::tr("粘贴"), &TMainForm::Paste1Click);
    made.popup1->addAction(made.pastePopup1);
    QAction* delete2 = MakeAction("Delete2", TMainForm::tr("删除"), &TMainForm::Delete1Click);
    made.popup1->addAction(delete2);
    // The memory grid's row commands; hidden while the DTMF grid has the menu.
    QAction* rowSeparator = made.popup1->addSeparator();
    QAction* insertRow2 = MakeAction("InsertRow2", TMainForm::tr("插入空行"), &TMainForm::InsertEmptyRow);
    QAction* deleteShift2 = MakeAction("DeleteShift2", TMainForm::tr("删除并上移"), &TMainForm::DeleteAndShiftUp);
    made.popup1->addActions({insertRow2, deleteShift2});
    made.popup2 = new QMenu(&window);
    made.popup2->setObjectName(QStringLiteral("PopupMenu2"));
    made.popup2->addAction(MakeAction("Copy3", TMainForm::tr("复制"), &TMainForm::Copy1Click));
    made.pastePopup2 = MakeAction("Paste3", TMainForm::tr("粘贴"), &TMainForm::Paste1Click);
    made.popup2->addAction(made.pastePopup2);

    MenuBarKey::Install(*bar);

    made.cutActions = {cut, cut2, del, delete2};
    made.rowActions = {insertRow, deleteShift, rowSeparator, insertRow2, deleteShift2};
    made.newItem = newItem;
    made.open = open;
    made.save = save;
    made.read = read;
    made.write = write;
    made.cut = cut;
    made.copy = copy;
    made.paste = paste;
    return made;
}

void MainFormMenus::BuildToolButtons(QWidget& client, int width, const Actions& actions)
{
    auto* line = new QFrame(&client);
    line->setObjectName(QStringLiteral("Bevel1"));
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setGeometry(0, 0, width, 2);

    struct Button {
        const char* name;
        QAction* Actions::*action;
        ToolIcons::Picture picture;
        const char* hint;
        int left;
    };
    const Button buttons[] = {
        {"SpeedButton7", &Actions::newItem, ToolIcons::Picture::New, QT_TRANSLATE_NOOP("TMainForm", "新建"), 4},
        {"SpeedButton6", &Actions::open, ToolIcons::Picture::Open, QT_TRANSLATE_NOOP("TMainForm", "打开"), 29},
        {"SpeedButton8", &Actions::save, ToolIcons::Picture::Save, QT_TRANSLATE_NOOP("TMainForm", "保存"), 54},
        {"SpeedButton9", &Actions::print, ToolIcons::Picture::Print, QT_TRANSLATE_NOOP("TMainForm", "打印"), 92},
        {"SpeedButton4", &Actions::read, ToolIcons::Picture::Read, QT_TRANSLATE_NOOP("TMainForm", "读取"), 132},
        {"SpeedButton5", &Actions::write, ToolIcons::Picture::Write, QT_TRANSLATE_NOOP("TMainForm", "写入"), 157},
        {"SpeedButton2", &Actions::cut, ToolIcons::Picture::Cut, QT_TRANSLATE_NOOP("TMainForm", "剪切"), 196},
        {"SpeedButton1", &Actions::copy, ToolIcons::Picture::Copy, QT_TRANSLATE_NOOP("TMainForm", "复制"), 221},
        {"SpeedButton3", &Actions::paste, ToolIcons::Picture::Paste, QT_TRANSLATE_NOOP("TMainForm", "粘贴"), 246},
    };
    for (const Button& b : buttons) {
        auto* button = new QToolButton(&client);
        button->setObjectName(QLatin1String(b.name));
        QAction* action = actions.*b.action;
        // The hint names the key that does the same, as the menu does.
        const QKeySequence key = action->shortcut();
        button->setToolTip(key.isEmpty() ? TMainForm::tr(b.hint)
                                         : TMainForm::tr(b.hint) + QStringLiteral(" (") +
                                               key.toString(QKeySequence::NativeText) + QLatin1Char(')'));
        button->setAccessibleName(TMainForm::tr(b.hint));
        button->setIcon(ToolIcons::Icon(b.picture));
        button->setIconSize(QSize(16, 16));
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(b.left, 4, 25, 25);
        QObject::connect(button, &QToolButton::clicked, action, &QAction::trigger);
        button->setEnabled(action->isEnabled());
        QObject::connect(action, &QAction::changed, button,
                         [button, action] { button->setEnabled(action->isEnabled()); });
    }
}
