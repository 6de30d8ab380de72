#include "settings/qt/HardwareKeys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <bitset>

#include "platform/qt/KeyCodes.h"
#include "settings/KeySlots.h"

namespace sorna {
namespace {

constexpr size_t kCodeCount = kLastHardwareKey - kFirstHardwareKey + 1;

// Watches the key events of every widget of one window for the codes it holds. It belongs to the
// window, so it goes away with it.
class HardwareKeyClaim : public QObject {
    Q_OBJECT

public:
    explicit HardwareKeyClaim(QWidget& window) : QObject(&window), window_(window) {
        QCoreApplication::instance()->installEventFilter(this);
    }

    void Claim(uint32_t code) {
        if (IsHardwareKeyCode(code)) {
            claimed_.set(code - kFirstHardwareKey);
        }
    }
    void ReleaseAll() { claimed_.reset(); }

    bool eventFilter(QObject* receiver, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress &&
            type != QEvent::KeyRelease) {
            return false;
        }
        auto* key = static_cast<QKeyEvent*>(event);
        if (!IsClaimed(*key) || !InWindow(receiver)) {
            return false;
        }
        if (type == QEvent::ShortcutOverride) {
            // Accepted, the key goes to the widget instead of a shortcut.
            key->accept();
            return true;
        }
        return key->isAutoRepeat();
    }

private:
    bool IsClaimed(const QKeyEvent& key) const {
        const uint32_t code = HardwareKeyCode(key.key());
        return IsHardwareKeyCode(code) && claimed_.test(code - kFirstHardwareKey);
    }

    bool InWindow(QObject* receiver) const {
        auto* widget = qobject_cast<QWidget*>(receiver);
        return widget != nullptr && widget->window() == &window_;
    }

    QWidget& window_;
    std::bitset<kCodeCount> claimed_;
};

HardwareKeyClaim* FindClaim(QWidget& window) {
    return window.findChild<HardwareKeyClaim*>(QString(), Qt::FindDirectChildrenOnly);
}

}  // namespace

void ClaimHardwareKeys(QWidget& window, std::span<const uint32_t> codes) {
    HardwareKeyClaim* claim = FindClaim(window);
    if (claim == nullptr) {
        claim = new HardwareKeyClaim(window);
    }
    for (const uint32_t code : codes) {
        claim->Claim(code);
    }
}

void ReleaseHardwareKeys(QWidget& window) {
    if (HardwareKeyClaim* claim = FindClaim(window)) {
        claim->ReleaseAll();
    }
}

}  // namespace sorna

#include "HardwareKeys.moc"
