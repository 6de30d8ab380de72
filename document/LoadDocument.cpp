#include "document/LoadDocument.h"

#include <cerrno>
#include <string>

#include "document/DecodeBook.h"
#include "document/DecodeDocument.h"
#include "platform/FileSystem.h"
#include "platform/MappedFile.h"
#include "resources/DocumentStrings.h"
#include "resources/Format.h"

namespace sorna {
namespace {

// The steps after the file is open; the file closes when the caller's object goes.
bool MapAndDecode(DocumentText& document, MappedFile& file, std::u16string_view path,
                  ProgressText* progress, std::string_view encoding, std::stop_token stop) {
    if (!file.CreateMapping()) {
        return document.Fail(FormatText(kOpenFailedMessage, {path}));
    }
    if (file.Size() > kMaxDocumentBytes) {
        return document.Fail(FormatText(kOutOfMemoryMessage, {static_cast<int64_t>(file.Size())}));
    }
    if (!file.MapView()) {
        return document.Fail(FormatText(kViewFailedMessage, {int64_t{file.LastError()}}));
    }
    document.kind = KindOfDocument(path, file.Bytes());
    // A book's items say their own encodings; no choice by hand applies to them.
    const bool decoded =
        document.kind == DocumentKind::Book
            ? DecodeBook(document, file.Bytes(), progress)
            : DecodeDocument(document, file.Bytes(), document.kind == DocumentKind::Html, progress,
                             encoding, std::move(stop));
    // What was read after the file shrank is not the file's text.
    if (file.Faulted()) {
        return document.Fail(FormatText(kViewFailedMessage, {int64_t{EIO}}));
    }
    if (decoded) {
        document.documentPath = path;
    }
    return decoded;
}

}  // namespace

bool LoadDocument(DocumentText& document, std::u16string_view path, ProgressText* progress,
                  std::string_view encoding, std::stop_token stop) {
    document.Clear();
    if (!FileExists(path)) {
        return document.Fail(FormatText(kFileMissingMessage, {path}));
    }
    ReportProgress(progress, kOpeningProgress);
    MappedFile file;
    if (!file.Open(path)) {
        return document.Fail(FormatText(kOpenFailedMessage, {path}));
    }
    const bool loaded = MapAndDecode(document, file, path, progress, encoding, std::move(stop));
    if (!loaded) {
        document.Clear();
    }
    return loaded;
}

}  // namespace sorna
