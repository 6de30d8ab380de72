#include "app/qt/PageNotice.h"

#include <algorithm>

#include "platform/qt/QtConversions.h"

namespace sorna {
namespace {

constexpr int kShownMs = 2500;
constexpr int kMarginPx = 12;

}  // namespace

PageNotice::PageNotice(QWidget& page) : QLabel(&page) {
    setObjectName(QStringLiteral("notice"));
    setWordWrap(true);
    setAlignment(Qt::AlignCenter);
    setStyleSheet(QStringLiteral(
        "background: rgba(40, 40, 40, 220); color: white; border-radius: 6px; padding: 8px;"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    hideTimer_.setSingleShot(true);
    hideTimer_.setInterval(kShownMs);
    connect(&hideTimer_, &QTimer::timeout, this, &QWidget::hide);
}

void PageNotice::Show(std::u16string_view text) {
    setText(ToQString(text));
    Place();
    show();
    raise();
    hideTimer_.start();
}

// Centred near the bottom of the page, as wide as its text needs and the page allows.
void PageNotice::Place() {
    const QWidget& page = *parentWidget();
    const int width = std::min(sizeHint().width(), page.width() - 2 * kMarginPx);
    const int height = heightForWidth(width) > 0 ? heightForWidth(width) : sizeHint().height();
    setGeometry((page.width() - width) / 2, page.height() - height - 4 * kMarginPx, width, height);
}

}  // namespace sorna
