#include "app/qt/DroppedDocument.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace sorna {
namespace {

std::u16string FirstLocalFile(const QMimeData& data) {
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile() && !url.toLocalFile().isEmpty()) {
            return url.toLocalFile().toStdU16String();
        }
    }
    return {};
}

}  // namespace

std::u16string AcceptDroppedDocument(QDropEvent& event) {
    std::u16string path;
    if (event.possibleActions().testFlag(Qt::CopyAction) && event.mimeData() != nullptr) {
        path = FirstLocalFile(*event.mimeData());
    }
    if (path.empty()) {
        event.ignore();
        return path;
    }
    event.setDropAction(Qt::CopyAction);
    event.accept();
    return path;
}

}  // namespace sorna
