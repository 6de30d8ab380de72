#pragma once

#include <QLabel>
#include <QTimer>
#include <string_view>

namespace sorna {

// A line told over the bottom of the page for a few seconds, which needs no click: a find that
// found nothing more, a document without chapters.
class PageNotice : public QLabel {
    Q_OBJECT

public:
    explicit PageNotice(QWidget& page);

    void Show(std::u16string_view text);

private:
    void Place();

    QTimer hideTimer_;
};

}  // namespace sorna
