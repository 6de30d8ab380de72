#include "document/LoadDocument.h"

#include <unicode/uchar.h>

#include <cerrno>
#include <string>

#include "document/DecodeDocument.h"
#include "platform/FileSystem.h"
#include "platform/MappedFile.h"
#include "resources/DocumentStrings.h"
#include "resources/Format.h"

namespace sorna {
namespace {

// Decided on the path's part from its last full stop (the whole path when it has none).
bool IsHtmlPath(std::u16string_view path) {
    const size_t dot = path.find_last_of(u'.');
    const std::u16string_view extension =
        dot == std::u16string_view::npos ? path : path.substr(dot);
    std::u16string lower;
    for (const char16_t unit : extension) {
        lower.push_back(static_cast<char16_t>(u_tolower(unit)));
    }
    return lower == u".html" || lower == u".htm";
}

// The steps after the file is open; the file closes when the caller's object goes.
bool MapAndDecode(DocumentText& document, MappedFile& file, std::u16string_view path,
                  ProgressText* progress, std::string_view encoding) {
    if (!file.CreateMapping()) {
        return document.Fail(FormatText(kOpenFailedMessage, {path}));
    }
    if (file.Size() > kMaxDocumentBytes) {
        return document.Fail(FormatText(kOutOfMemoryMessage, {static_cast<int64_t>(file.Size())}));
    }
    if (!file.MapView()) {
        return document.Fail(FormatText(kViewFailedMessage, {int64_t{file.LastError()}}));
    }
    document.isHtml = IsHtmlPath(path);
    const bool decoded =
        DecodeDocument(document, file.Bytes(), document.isHtml, progress, encoding);
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
                  std::string_view encoding) {
    document.Clear();
    if (!FileExists(path)) {
        return document.Fail(FormatText(kFileMissingMessage, {path}));
    }
    document.isHtml = false;
    ReportProgress(progress, kOpeningProgress);
    MappedFile file;
    if (!file.Open(path)) {
        return document.Fail(FormatText(kOpenFailedMessage, {path}));
    }
    const bool loaded = MapAndDecode(document, file, path, progress, encoding);
    if (!loaded) {
        document.Clear();
    }
    return loaded;
}

}  // namespace sorna
