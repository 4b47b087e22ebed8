#pragma once

#include <QList>

class AppSettings;
class DataExchangeCommands;
class MessageService;
class QAction;
class QMenu;
class QUndoStack;
class QWidget;
class TMainForm;
class WritePlanCommands;

// The main window's menus, pop-up menus and tool buttons. Every action is
// made here, connected to the window's command, and put where it shows; the
// window keeps the ones whose state it changes.
class MainFormMenus
{
public:
    struct Actions {
        QAction* newItem = nullptr;
        QAction* open = nullptr;
        QAction* save = nullptr;
        QAction* print = nullptr;
        QAction* read = nullptr;
        QAction* write = nullptr;
        QAction* com1 = nullptr;
        QAction* com2 = nullptr;
        QAction* cut = nullptr;
        QAction* copy = nullptr;
        QAction* paste = nullptr;       // Paste1 (and its tool button)
        QAction* pastePopup1 = nullptr; // Paste2, memory and DTMF grids
        QAction* pastePopup2 = nullptr; // Paste3, VFO and CALL grids
        QList<QAction*> cutActions;     // Cut1, Cut2, Delete1, Delete2
        QList<QAction*> rowActions;     // InsertRow1, DeleteShift1 and their pop-up twins
        QMenu* popup1 = nullptr;        // memory and DTMF grids
        QMenu* popup2 = nullptr;        // VFO and CALL grids
    };

    // The menu bar of `window`, with the file exchange commands where they
    // belong, and the grids' pop-up menus.
    static Actions BuildMenus(TMainForm& window, QUndoStack& history, DataExchangeCommands& exchange,
                              WritePlanCommands& writePlan, AppSettings& settings, MessageService& messages);
    // The row of tool buttons along the top of `client`, each the face of a
    // menu action.
    static void BuildToolButtons(QWidget& client, int width, const Actions& actions);
};
