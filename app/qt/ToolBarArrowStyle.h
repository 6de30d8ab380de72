#pragma once

#include <QProxyStyle>

namespace sorna {

// The reader's style: Qt's own, but for the arrows of a tool bar's extension button. Qt reads
// them from image files, and reading any image asks every image plugin there is, each loaded
// for it, whether it reads the file; every tool bar makes its extension button at once, and so
// the plugins would load before the first page. Here the arrows are Qt's own, read the first
// time they are drawn, which is when a bar has more buttons than it can show.
class ToolBarArrowStyle : public QProxyStyle {
public:
    // Over a new instance of the style named `key`, the one the user or the desktop chose.
    explicit ToolBarArrowStyle(const QString& key) : QProxyStyle(key) {}

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace sorna
