#pragma once

#include <QDialog>
#include <optional>
#include <span>

#include "document/Chapter.h"

class QListWidget;

namespace sorna {

// The document's chapters, indented by level, the one that holds the reading place selected.
// A tap, Enter or a double click chooses one; a document without chapters says so.
class ChaptersDialog : public QDialog {
    Q_OBJECT

public:
    ChaptersDialog(QWidget& owner, std::span<const Chapter> chapters,
                   std::optional<size_t> current);

    std::optional<size_t> Chosen() const { return chosen_; }

private:
    QListWidget* list_;  // owned by the dialog
    std::optional<size_t> chosen_;
};

// Runs the dialog modally over the main window; the chosen chapter, none when it was closed.
std::optional<size_t> RunChaptersDialog(QWidget& owner, std::span<const Chapter> chapters,
                                        std::optional<size_t> current);

}  // namespace sorna
