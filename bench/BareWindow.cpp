// The floor of bench/startup.sh: the simplest Qt program that shows a line of text, a bare window
// with one line of Korean. startup.sh times it exactly as it times the reader, from its start
// until the caption it waits for is on the window.
#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

// startup.sh waits for a window of this name.
constexpr char kCaption[] = "Sorna bare window";

// Names itself once its line is painted, so that the caption appears when the text is shown.
class BareWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("첫 쪽"));
        if (!named_) {
            named_ = true;
            setWindowTitle(QString::fromLatin1(kCaption));
        }
    }

private:
    bool named_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    BareWindow window;
    window.show();
    return QApplication::exec();
}
