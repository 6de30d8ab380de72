#pragma once

class QDialog;

namespace sorna {

// Runs a dialog that may cover the screen modally over its owner and returns its result. It opens
// maximised where OpensFullScreen says so for the main window it belongs to and that window's
// screen, and otherwise as an ordinary dialog sized to its content.
int ExecFullScreenDialog(QDialog& dialog);

}  // namespace sorna
