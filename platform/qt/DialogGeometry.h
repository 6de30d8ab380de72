#pragma once

#include <QFont>
#include <QSize>

class QDialog;
class QWidget;

// Where dialogs open and how large their controls are.
namespace sorna {

// Whether the main window the widget belongs to is on a phone's screen.
bool OnPocketScreen(const QWidget& widget);

// Runs a dialog modally over its owner and returns its result. Sized to its content, it never
// grows past the room the screen of the main window it belongs to has; on a phone's screen its
// buttons are finger-sized.
int ExecDialog(QDialog& dialog);

// Runs a dialog that may cover the screen as ExecDialog does. It opens maximised where
// OpensFullScreen says so for the main window it belongs to and that window's screen.
int ExecFullScreenDialog(QDialog& dialog);

// Lets an open dialog that has shown more controls grow to their size, within the same room.
void RefitDialog(QDialog& dialog);

// Pixels for a size in dialog units of the given font: a horizontal unit is a quarter of the
// font's average character width, a vertical unit an eighth of its height, so dialogs grow with
// their font.
QSize DialogUnitsToPixels(QSize units, const QFont& font);

}  // namespace sorna
