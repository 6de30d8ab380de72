#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "app/Translations.h"

namespace sorna {
namespace {

QString ButtonText(const QMessageBox& box, QMessageBox::StandardButton button) {
    const QAbstractButton* found = box.button(button);
    return found != nullptr ? found->text() : QStringLiteral("(none)");
}

TEST(Translations, MessageBoxesSpeakKorean) {
    // Debian's qt6-translations-l10n is part of the set-up, so Qt's file is there.
    EXPECT_TRUE(LoadKoreanTranslation(*QCoreApplication::instance()));
    const QMessageBox confirmation(QMessageBox::Question, QStringLiteral("Sorna"),
                                   QStringLiteral("?"), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(ButtonText(confirmation, QMessageBox::Yes), QStringLiteral("예"));
    EXPECT_EQ(ButtonText(confirmation, QMessageBox::No), QStringLiteral("아니요"));
    const QMessageBox failure(QMessageBox::Warning, QStringLiteral("파일 열기 실패"),
                              QStringLiteral("!"), QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(ButtonText(failure, QMessageBox::Ok), QStringLiteral("확인"));
    // Texts the reader does not set itself come from Qt's translation.
    EXPECT_EQ(ButtonText(failure, QMessageBox::Cancel), QStringLiteral("취소"));
}

}  // namespace
}  // namespace sorna
