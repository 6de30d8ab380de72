#pragma once

#include <string>

class QDropEvent;

namespace sorna {

// Takes a drag or drop onto the window when it carries a document: the first local file among
// its addresses, since the reader opens one document at a time and cannot read from the
// network. The drop is taken as a copy, so the program it comes from never removes the file;
// a source that offers no copy is refused, as is a drop without a local file. The path of the
// document taken, or the empty string when the drop was refused.
std::u16string AcceptDroppedDocument(QDropEvent& event);

}  // namespace sorna
