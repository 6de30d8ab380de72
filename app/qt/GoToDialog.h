#pragma once

#include <QDialog>
#include <optional>

#include "app/GoToTarget.h"
#include "view/PageNumbers.h"

class QLineEdit;
class QPushButton;

namespace sorna {

// Asks for a page number or a percentage; "이동" is offered only for one the reader can go to.
class GoToDialog : public QDialog {
    Q_OBJECT

public:
    GoToDialog(QWidget& owner, PageNumbers pages);

    std::optional<GoToTarget> Target() const;

private:
    QLineEdit* text_;  // owned by the dialog, as is the button
    QPushButton* go_;
};

// Runs the dialog modally over the main window; where to go, none when it was closed.
std::optional<GoToTarget> RunGoToDialog(QWidget& owner, PageNumbers pages);

}  // namespace sorna
