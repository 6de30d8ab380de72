#pragma once

#include <QMainWindow>

namespace sorna {

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow();
};

}  // namespace sorna
