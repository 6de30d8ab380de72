#pragma once

#include <QDialog>
#include <cstddef>
#include <string>

class QLineEdit;

namespace sorna {

// Lets the user edit the label proposed for a new bookmark. The label goes back into the caller's
// buffer however the dialog ends, at most capacity - 1 code units of it; only "추가" adds.
class AddBookmarkDialog : public QDialog {
    Q_OBJECT

public:
    AddBookmarkDialog(QWidget& owner, std::u16string& label, size_t capacity);

    void done(int result) override;

private:
    std::u16string& label_;
    QLineEdit* labelEdit_;  // owned by the dialog
};

// Runs the dialog modally over the main window with the proposed label in `label`, a buffer of
// `capacity` code units with its terminator. True when it ended with "추가"; `label` then holds
// the label to store (which may be empty, and then adds nothing).
[[nodiscard]] bool RunAddBookmarkDialog(QWidget& owner, std::u16string& label, size_t capacity);

}  // namespace sorna
