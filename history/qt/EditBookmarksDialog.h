#pragma once

#include <QDialog>

#include "history/HistoryLists.h"

class QTreeWidget;

namespace sorna {

// Lists every bookmark, path and label, and deletes the rows the user selects. Row i always
// stands for bookmark i.
class EditBookmarksDialog : public QDialog {
    Q_OBJECT

public:
    EditBookmarksDialog(QWidget& owner, Bookmarks& bookmarks);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FillRows();
    void FitColumns();
    void DeletePressed();

    Bookmarks& bookmarks_;
    QTreeWidget* list_;  // owned by the dialog
};

// Runs the editor modally over the main window; its only effect is on `bookmarks`.
void RunEditBookmarksDialog(QWidget& owner, Bookmarks& bookmarks);

}  // namespace sorna
