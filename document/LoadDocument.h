#pragma once

#include <stop_token>
#include <string_view>

#include "document/DocumentText.h"
#include "document/ProgressText.h"

namespace sorna {

// Reads one file into the document: clears it, maps the file read-only and decodes it as the
// kind of document KindOfDocument finds. On success the document holds the text, its length,
// its kind and the path as given. On failure it holds no document and loadError
// holds the message to show. Stages go to `progress` when one is given. `encoding` names an
// encoding chosen by hand; empty, or a name no decoder knows, lets the bytes decide. A stop
// request ends the decoding of a plain text early: false, with no document and no message.
[[nodiscard]] bool LoadDocument(DocumentText& document, std::u16string_view path,
                                ProgressText* progress, std::string_view encoding = {},
                                std::stop_token stop = {});

}  // namespace sorna
