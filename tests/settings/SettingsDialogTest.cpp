#include <gtest/gtest.h>

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include "settings/SettingsDialog.h"
#include "tests/app/DialogControls.h"
#include "tests/app/ModalAnswer.h"

namespace sorna {
namespace {

using test::ModalAnswer;
using test::Press;
using test::SeenMessage;

class SettingsDialogTest : public testing::Test {
protected:
    void SetUp() override { owner.show(); }

    template <typename Control>
    Control& Find(const char* id) {
        return test::ControlOf<Control>(*dialog, id);
    }
    void Open() {
        dialog = std::make_unique<SettingsDialog>(owner, settings);
        dialog->show();
    }
    void Click(const char* id) { test::ClickButton(*dialog, id); }
    void Type(const char* id, const QString& text) {
        auto& box = Find<QLineEdit>(id);
        box.selectAll();
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClicks(&box, text);
    }
    void Arrow(const char* id, const char* direction) {
        QTest::mouseClick(Find<QWidget>(id).findChild<QToolButton*>(direction), Qt::LeftButton);
    }
    QString Text(const char* id) { return Find<QLineEdit>(id).text(); }
    QRgb SwatchColour(const char* id) {
        auto& swatch = Find<QWidget>(id);
        return swatch.grab().toImage().pixel(swatch.rect().center());
    }
    void ExpectDefaultsShown() {
        const std::pair<const char*, const char*> numbers[] = {
            {"1014", "4"}, {"1012", "4"}, {"1010", "3"}, {"1017", "15"}, {"1030", "0"}};
        for (const auto& [id, text] : numbers) {
            EXPECT_EQ(Text(id), QString::fromLatin1(text)) << id;
        }
        EXPECT_TRUE(Find<QCheckBox>("1028").isChecked());
        for (const char* id : {"1027", "1009", "1019", "1026"}) {
            EXPECT_FALSE(Find<QCheckBox>(id).isChecked()) << id;
        }
        const auto& speeds = Find<QComboBox>("1025");
        EXPECT_EQ(speeds.currentText(), QStringLiteral("100"));
        // Tahoma is not installed here: the list then shows no face rather than another one.
        const auto& fonts = Find<QComboBox>("1016");
        EXPECT_EQ(fonts.currentIndex(), fonts.findText("Tahoma", Qt::MatchStartsWith));
        EXPECT_EQ(SwatchColour("1022"), qRgb(255, 255, 255));
        EXPECT_EQ(SwatchColour("1023"), qRgb(0, 0, 0));
    }

    QWidget owner;
    Settings settings;
    std::unique_ptr<SettingsDialog> dialog;
};

TEST_F(SettingsDialogTest, StoresWhatWasTypedWhileTheArrowsKeepToTheirRange) {
    Open();
    ExpectDefaultsShown();
    Type("1017", QStringLiteral("9x9"));  // the box takes digits only
    EXPECT_EQ(Text("1017"), QStringLiteral("99"));
    Type("1014", QString());
    Type("1030", QStringLiteral("38"));
    Arrow("1031", "up");  // 38 is beyond 0..9
    EXPECT_EQ(Text("1030"), QStringLiteral("9"));
    Type("1010", QStringLiteral("20"));
    Arrow("1011", "up");
    Arrow("1011", "down");
    Click("1019");
    Find<QComboBox>("1025").setCurrentIndex(0);
    Type("1020", QStringLiteral("/usr/local/bin/dict"));

    // Escape and the close button do nothing: OK is the only way out.
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    dialog->close();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(settings.nFontSize, 15);
    Click("1");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(settings.nFontSize, 99);
    EXPECT_EQ(settings.nTBSpace, 0);
    EXPECT_EQ(settings.nShareLine, 9);
    EXPECT_EQ(settings.nLineSpace, 19);
    EXPECT_EQ(settings.bSmoothScroll, 1);
    EXPECT_EQ(settings.nAutoScrollSpeed, 20);
    EXPECT_EQ(settings.sEngDicPath, u"/usr/local/bin/dict");
}

TEST_F(SettingsDialogTest, ListsWithoutAMatchKeepTheirStoredValue) {
    settings.nAutoScrollSpeed = 10;  // not "100", which merely begins with its digits
    settings.sFontFaceName = u"No Such Face";
    Open();
    EXPECT_EQ(Find<QComboBox>("1025").currentIndex(), -1);
    EXPECT_EQ(Find<QComboBox>("1016").currentIndex(), -1);
    Click("1");
    EXPECT_EQ(settings.nAutoScrollSpeed, 10);
    EXPECT_EQ(settings.sFontFaceName, u"No Such Face");

    settings.sFontFaceName = u"nanumgothic";
    Open();
    EXPECT_EQ(Find<QComboBox>("1016").currentText(), QStringLiteral("NanumGothic"));
    Click("1");
    EXPECT_EQ(settings.sFontFaceName, u"NanumGothic");
}

TEST_F(SettingsDialogTest, ResetAsksAndThenRestoresEveryOptionButNotTheKeysOrLists) {
    settings.nFontSize = 30;
    settings.bSearchIgnoreCase = 1;
    settings.clrText = 0x0000FF;
    settings.keyCodes[0] = 0xCA;
    settings.recentSearches.RememberSearch(u"word");
    Open();
    SeenMessage seen;
    {
        ModalAnswer<QMessageBox> no(Press(QMessageBox::No, seen));
        Click("1021");
    }
    EXPECT_EQ(seen.text, QStringLiteral("환경설정을 초기화 하시겠습니까?"));
    EXPECT_EQ(seen.caption, QStringLiteral("Sorna"));
    EXPECT_EQ(Text("1017"), QStringLiteral("30"));

    ModalAnswer<QMessageBox> yes(Press(QMessageBox::Yes, seen));
    Click("1021");
    ExpectDefaultsShown();
    EXPECT_EQ(settings.bSearchIgnoreCase, 0);
    EXPECT_EQ(settings.keyCodes[0], 0xCA);
    EXPECT_EQ(settings.recentSearches.LatestSearch(), u"word");
}

TEST_F(SettingsDialogTest, AChosenColourIsStoredAtOnceAndACancelledOneNot) {
    Open();
    ModalAnswer<QColorDialog> cancel([](QColorDialog& chooser) {
        chooser.setCurrentColor(Qt::green);
        chooser.reject();
    });
    Click("1023");
    EXPECT_EQ(settings.clrBkgnd, 0x000000u);

    ModalAnswer<QColorDialog> choose([](QColorDialog& chooser) {
        EXPECT_EQ(chooser.currentColor(), QColor(Qt::white));
        chooser.setCurrentColor(QColor(0x11, 0x22, 0x33));
        chooser.accept();
    });
    Click("1022");
    EXPECT_EQ(settings.clrText, 0x332211u);
    EXPECT_EQ(settings.clrBkgnd, 0x000000u);
    EXPECT_EQ(SwatchColour("1022"), qRgb(0x11, 0x22, 0x33));
}

}  // namespace
}  // namespace sorna
