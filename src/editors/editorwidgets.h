#pragma once

#include "editorhost.h"

#include <QString>
#include <QStringList>

#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;
class SelectorNavigator;

// Building blocks and fixed texts shared by the four editors.
namespace EditorWidgets {

extern const QString ChangeQuestion; // before leaving a changed item
extern const QString CloseQuestion;  // the same before closing; ends with a space
extern const QString Rounded;
extern const QString InvalidFrequency;
extern const QString InvalidOffset;
extern const QString InvalidCharacter;
extern const QString InvalidChannel;

// Characters each kind of box may hold.
extern const QString FrequencyChars;
extern const QString NameChars;
extern const QString NumberChars;
extern const QString DtmfChars;

QStringList StepItems();
QStringList ToneItems();

QLabel* Label(QWidget* parent, const char* name, const QString& caption);
// `maxLength` 0 leaves the box unlimited. What the user types or pastes is
// kept to `chars`.
QLineEdit* Edit(QWidget* parent, const char* name, int maxLength, const QString& chars, bool upperCase);
// Shows a text taken from a record in a box made by Edit, as it stands:
// neither filtered nor cut, so storing it untouched writes it back unchanged.
void ShowLoaded(QLineEdit* edit, const QString& text);
QComboBox* List(QWidget* parent, const char* name, const QStringList& items);
QCheckBox* Check(QWidget* parent, const char* name, const QString& caption);
QRadioButton* Radio(QWidget* parent, const char* name, const QString& caption);
QPushButton* Button(QWidget* parent, const char* name, const QString& caption);
QGroupBox* Group(QWidget* parent, const char* name, const QString& caption);

// A selector list driven by its navigator: an item picked in the list, or a
// navigation key, goes through the navigator's questions, and the list then
// shows where the navigator stands.
void PickInList(SelectorNavigator& navigator, QComboBox* list, int index);
void NavigateList(SelectorNavigator& navigator, QComboBox* list, NavKey key);

// The character a key press types, as the key filters see it: Backspace
// '\b', Enter '\r', Esc '\x1b', printable ASCII as itself, any other typed
// character '\x01' (refused by every filter). Nothing for keys that type no
// character (arrows, Delete) and for Ctrl/Alt combinations (copy, paste),
// which the box handles itself.
std::optional<char> TypedChar(const QKeyEvent& key);

} // namespace EditorWidgets
