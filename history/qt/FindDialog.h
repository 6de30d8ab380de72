#pragma once

#include <QDialog>

#include "history/HistoryLists.h"
#include "view/TextView.h"

class QCheckBox;
class QComboBox;

namespace sorna {

// The find dialog: each press of "찾기" searches the document forward from the line after the
// view's top line and makes the line of the hit the top line. It stays open between presses, so
// pressing again walks on to the next hit. Searched strings go to the recent searches, and the
// ignore-case box is the setting it shows.
class FindDialog : public QDialog {
    Q_OBJECT

public:
    // `ignoreCase` is the stored setting the check box shows and sets.
    FindDialog(QWidget& owner, RecentSearches& searches, int32_t& ignoreCase, TextView& view);

private:
    void FillSearches();
    void FindPressed();
    void ClearListPressed();

    RecentSearches& searches_;
    int32_t& ignoreCaseSetting_;
    TextView& view_;
    QComboBox* searchText_;  // owned by the dialog, as are all its controls
    QCheckBox* ignoreCase_;
};

// Runs the find dialog modally over the main window; its searches act on `view`.
void RunFindDialog(QWidget& owner, RecentSearches& searches, int32_t& ignoreCase, TextView& view);

}  // namespace sorna
