#pragma once

#include <QSize>

class QDialog;

namespace sorna {

// Lets Qt's own dialogs, which cannot shrink as they are, fit into `room`: a colour dialog too
// wide for it gives up its column of basic and custom colours and keeps the colour field, the
// value boxes and its buttons; a file dialog gives up the buttons that switch the list's view.
// Other dialogs are left as they are.
void FitDialogContent(QDialog& dialog, QSize room);

}  // namespace sorna
