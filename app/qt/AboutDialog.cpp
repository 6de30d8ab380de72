#include "app/qt/AboutDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/ShellTexts.h"
#include "app/qt/PackagedResources.h"
#include "platform/qt/DialogGeometry.h"
#include "platform/qt/QtConversions.h"
#include "resources/AboutStrings.h"
#include "resources/AppStrings.h"
#include "resources/DialogStrings.h"
#include "resources/Format.h"

namespace sorna {
namespace {

constexpr int kIconSize = 32;

void AddLabel(QGridLayout& layout, int row, const QString& text, const QString& name = {}) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    layout.addWidget(label, row, 1);
}

QLabel* MakeIcon(const QWidget& owner) {
    auto* icon = new QLabel;
    icon->setPixmap(owner.windowIcon().pixmap(kIconSize, kIconSize));
    return icon;
}

}  // namespace

AboutDialog::AboutDialog(QWidget& owner) : QDialog(&owner) {
    setWindowTitle(ToQString(kAboutCaption));
    auto* layout = new QGridLayout(this);
    layout->addWidget(MakeIcon(owner), 0, 0, 2, 1, Qt::AlignTop);
    AddLabel(*layout, 0,
             ToQString(FormatText(kAboutVersionPattern, {kProductName, kProductVersion})),
             ObjectName(control::kAboutVersion));
    AddLabel(*layout, 1, ToQString(AboutDateText(__DATE__)), ObjectName(control::kAboutDate));
    AddLabel(*layout, 2, ToQString(kAboutDescription));
    AddLabel(*layout, 3, ToQString(kAboutFormats));
    AddLabel(*layout, 4, ToQString(kAboutPlatform));
    auto* text = new QPlainTextEdit(this);
    text->setObjectName(ObjectName(control::kAboutText));
    text->setReadOnly(true);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(text, 5, 0, 1, 2);
    auto* close = new QPushButton(ToQString(kCloseButton), this);
    close->setObjectName(ObjectName(control::kOk));
    layout->addWidget(close, 6, 0, 1, 2, Qt::AlignRight);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    LoadTextResource(*text, kAboutTextResource);
}

void RunAboutDialog(QWidget& owner) {
    AboutDialog dialog(owner);
    ExecFullScreenDialog(dialog);
}

}  // namespace sorna
