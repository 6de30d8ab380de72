#include "platform/qt/FitDialogContent.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QLayout>

namespace sorna {

namespace {

QLayout* SubLayout(const QLayout* layout, int index) {
    QLayoutItem* item = layout != nullptr ? layout->itemAt(index) : nullptr;
    return item != nullptr ? item->layout() : nullptr;
}

void HideWidgetsOf(const QLayout& layout) {
    for (int index = 0; index < layout.count(); ++index) {
        if (QWidget* widget = layout.itemAt(index)->widget()) {
            widget->hide();
        }
    }
}

// The dialog's top row holds the column of colour wells beside the colour field, unless Qt left
// the wells out for a small screen already.
void NarrowColourDialog(QColorDialog& dialog, QSize room) {
    const QLayout* top = SubLayout(dialog.layout(), 0);
    if (top == nullptr || top->count() < 2 || dialog.sizeHint().width() <= room.width()) {
        return;
    }
    if (const QLayout* wells = SubLayout(top, 0)) {
        HideWidgetsOf(*wells);
    }
}

// The row of tool buttons above the file list is the widest part of the dialog; the two that
// switch the list between names and details give way.
void NarrowFileDialog(QFileDialog& dialog, QSize room) {
    if (dialog.minimumSizeHint().width() <= room.width()) {
        return;
    }
    for (const char* name : {"listModeButton", "detailModeButton"}) {
        if (auto* button = dialog.findChild<QWidget*>(QString::fromLatin1(name))) {
            button->hide();
        }
    }
}

}  // namespace

void FitDialogContent(QDialog& dialog, QSize room) {
    if (auto* colours = qobject_cast<QColorDialog*>(&dialog)) {
        NarrowColourDialog(*colours, room);
    } else if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
        NarrowFileDialog(*files, room);
    }
}

}  // namespace sorna
