#pragma once

#include "view/TextSearch.h"
#include "view/TextSpan.h"

namespace sorna {

// The stored find options the find dialog shows and sets: flags of the settings.
struct SearchFlags {
    bool& ignoreCase;
    bool& ignoreSpacing;

    SearchOptions Options() const { return {ignoreCase, ignoreSpacing}; }
};

// What the find dialog asks of the reader: going to an occurrence, so that the reader can
// remember the place it left.
class FindActions {
public:
    virtual ~FindActions() = default;

    // Finds the search from the line after the top line on and shows the occurrence; false when
    // there is none, and the page stays.
    virtual bool FindFromPage(const TextSearch& search) = 0;
    // Shows an occurrence the list of all of them offered.
    virtual void ShowOccurrence(TextSpan found) = 0;
};

}  // namespace sorna
