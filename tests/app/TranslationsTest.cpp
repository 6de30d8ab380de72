#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "app/qt/PackagedResources.h"

namespace sorna {
namespace {

TEST(Translations, MessageBoxesSpeakKorean) {
    // Debian's qt6-translations-l10n is part of the set-up, so Qt's file is there.
    EXPECT_TRUE(LoadKoreanTranslation(*QCoreApplication::instance()));
    const QMessageBox box(
        QMessageBox::Question, QStringLiteral("Sorna"), QStringLiteral("?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QStringLiteral("예"));
    EXPECT_EQ(box.button(QMessageBox::No)->text(), QStringLiteral("아니요"));
    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QStringLiteral("확인"));
    // Texts the reader does not set itself come from Qt's translation.
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("취소"));
}

}  // namespace
}  // namespace sorna
