#pragma once

#include <QDialog>
#include <QTimer>
#include <memory>

#include "history/FindActions.h"
#include "history/HistoryLists.h"
#include "view/FindAllScan.h"
#include "view/TextView.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;

namespace sorna {

// The find dialog: each press of "찾기" searches the document forward from the line after the
// view's top line and makes the line of the hit the top line. It stays open between presses, so
// pressing again walks on to the next hit. "모두 찾기" lists every occurrence with its line and
// their count, filled in as the search goes on; choosing one goes there. Searched strings go to
// the recent searches, and the check boxes are the settings they show.
class FindDialog : public QDialog {
    Q_OBJECT

public:
    FindDialog(QWidget& owner, RecentSearches& searches, SearchFlags flags, const TextView& view,
               FindActions& actions);

private:
    void FillSearches();
    // The word in the field as a search with the boxes' options, stored as the last search;
    // none, after saying so, when the field is empty.
    std::optional<TextSearch> TakeSearch();
    void FindPressed();
    void FindAllPressed();
    void ScanOn();
    void ListNewHits();
    void ShowCount();
    void HitChosen(int row);
    void ClearListPressed();

    RecentSearches& searches_;
    SearchFlags flags_;
    const TextView& view_;
    FindActions& actions_;
    QComboBox* searchText_;  // owned by the dialog, as are all its controls
    QCheckBox* ignoreCase_;
    QCheckBox* ignoreSpacing_;
    QLabel* count_;
    QListWidget* hits_;
    std::unique_ptr<FindAllScan> scan_;
    QTimer scanTimer_;
};

// Runs the find dialog modally over the main window; its searches act on `view` through
// `actions`.
void RunFindDialog(QWidget& owner, RecentSearches& searches, SearchFlags flags,
                   const TextView& view, FindActions& actions);

}  // namespace sorna
