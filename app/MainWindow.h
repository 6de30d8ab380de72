#pragma once

#include <QMainWindow>

#include "settings/Settings.h"

namespace sorna {

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(Settings& settings);

protected:
    // Closing the window saves every setting and list.
    void closeEvent(QCloseEvent* event) override;

private:
    Settings& settings_;
};

}  // namespace sorna
