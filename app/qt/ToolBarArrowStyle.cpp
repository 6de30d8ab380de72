#include "app/qt/ToolBarArrowStyle.h"

#include <QIconEngine>
#include <QPointer>
#include <QStyleOption>
#include <functional>
#include <optional>

namespace sorna {
namespace {

// An icon that is made the first time it is drawn or measured.
class IconOnFirstUse : public QIconEngine {
public:
    explicit IconOnFirstUse(std::function<QIcon()> make) : make_(std::move(make)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new IconOnFirstUse(*this); }

private:
    const QIcon& Icon() {
        if (!icon_) {
            icon_ = make_();
        }
        return *icon_;
    }

    std::function<QIcon()> make_;
    std::optional<QIcon> icon_;
};

}  // namespace

QIcon ToolBarArrowStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                      const QWidget* widget) const {
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton) {
        return QProxyStyle::standardIcon(icon, option, widget);
    }
    // Only the option's direction counts, which way the arrow points; the option itself is gone
    // by the time the arrow is drawn, and so may the style be.
    const std::optional<Qt::LayoutDirection> direction =
        option != nullptr ? std::optional(option->direction) : std::nullopt;
    return QIcon(
        new IconOnFirstUse([style = QPointer<const ToolBarArrowStyle>(this), icon, direction] {
            if (!style) {
                return QIcon();
            }
            QStyleOption pointing;
            pointing.direction = direction.value_or(Qt::LeftToRight);
            return style->QProxyStyle::standardIcon(icon, direction ? &pointing : nullptr);
        }));
}

}  // namespace sorna
