#pragma once

// The side of an editor dialog that its navigator drives: the unsaved-changes
// flag, the change question, and loading and storing the shown item. The
// dialogs implement it over their widgets; tests implement it from a script.
class EditorHost
{
public:
    // The change question comes in two wordings: the one asked before the
    // dialog closes ends with a space.
    enum class Question { Change, Close };

    virtual ~EditorHost() = default;
    virtual bool Modified() const = 0;
    // Forgets the unsaved changes without reloading the controls.
    virtual void DropChanges() = 0;
    // True for Yes.
    virtual bool AskYes(Question question) = 0;
    // Writes the shown item into the document; false when the entry was
    // refused (the editor has already said why) and nothing was stored.
    virtual bool Store() = 0;
    // Fills the controls from item n of the document and clears Modified.
    virtual void Load(int item) = 0;

    // Close: with unsaved changes, ask; Yes stores, and a refused store keeps
    // the dialog open so the user can correct the entry.
    bool CloseAllowed()
    {
        if (!Modified())
            return true;
        if (AskYes(Question::Close) && !Store())
            return false;
        DropChanges();
        return true;
    }
};

// Page Up, Page Down, Home and End in an editor.
enum class NavKey { PageUp, PageDown, Home, End };
