#pragma once

#include <QDialog>

namespace sorna {

// The program's name and version, the day it was built and the about text.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget& owner);
};

// Runs the about box modally over the main window.
void RunAboutDialog(QWidget& owner);

}  // namespace sorna
