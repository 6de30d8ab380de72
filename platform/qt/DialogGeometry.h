#pragma once

#include <QFont>
#include <QSize>

class QDialog;

// Where dialogs open and how large their controls are.
namespace sorna {

// Runs a dialog that may cover the screen modally over its owner and returns its result. It opens
// maximised where OpensFullScreen says so for the main window it belongs to and that window's
// screen, and otherwise as an ordinary dialog sized to its content.
int ExecFullScreenDialog(QDialog& dialog);

// Pixels for a size in dialog units of the given font: a horizontal unit is a quarter of the
// font's average character width, a vertical unit an eighth of its height, so dialogs grow with
// their font.
QSize DialogUnitsToPixels(QSize units, const QFont& font);

}  // namespace sorna
