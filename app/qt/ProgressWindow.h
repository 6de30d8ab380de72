#pragma once

#include <QDialog>
#include <string_view>

#include "document/ProgressText.h"

class QLabel;

namespace sorna {

// The small captionless window that shows the stage of a long load or layout over its owner.
// It is shown as soon as it is made and goes away with the object.
class ProgressWindow : public QDialog, public ProgressText {
    Q_OBJECT

public:
    explicit ProgressWindow(QWidget& owner);

    // Shows the text at once: pending events, this window's repaint among them, are handled.
    void SetProgressText(std::u16string_view text) override;

private:
    void CentreOver(const QWidget& owner);

    QLabel* label_;  // owned by the dialog
};

}  // namespace sorna
