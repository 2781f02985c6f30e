#include "LanguageLibrary.h"
#include "ResourceChain.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

// The pictures the launcher shows, drawn at build time; the launcher places them by these
// sizes.
const QSize kBackground(640, 480);
const QSize kMainButton(280, 44);
const QSize kEndButton(120, 32);

// Normal, hover and pressed picture of each launcher button.
struct Button {
    int normal, hover, pressed;
    QSize size;
};
const Button kButtons[] = {
    {149, 152, 153, kMainButton}, // Unit Scan and Network Settings
    {159, 158, 157, kMainButton}, // System Settings
    {210, 211, 212, kMainButton}, // Message
    {164, 165, 166, kMainButton}, // Password change
    {154, 155, 156, kMainButton}, // Clock Setting
    {148, 150, 151, kEndButton},  // End
};

QString location(const QString& language, int id)
{
    return QStringLiteral(":/res/%1/bitmaps/%2.png").arg(language).arg(id);
}

QImage picture(const QString& language, int id)
{
    return QImage(location(language, id));
}

TEST(LauncherPictures, EnglishHasEveryPictureAtItsSize)
{
    const QImage background = picture(QStringLiteral("en"), 147);
    EXPECT_EQ(background.size(), kBackground);
    EXPECT_FALSE(background.hasAlphaChannel()) << "the launcher's background is opaque";

    for (const Button& button : kButtons) {
        for (int id : {button.normal, button.hover, button.pressed}) {
            SCOPED_TRACE(id);
            const QImage image = picture(QStringLiteral("en"), id);
            ASSERT_EQ(image.size(), button.size);
            // Rounded: the background shows at the corners, the plate covers the middle.
            EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
            EXPECT_EQ(qAlpha(image.pixel(image.width() - 1, image.height() - 1)), 0);
            EXPECT_EQ(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);
        }
        // Three ids mixed up would show the same picture for two states.
        const QImage normal = picture(QStringLiteral("en"), button.normal);
        EXPECT_TRUE(normal != picture(QStringLiteral("en"), button.hover)) << button.normal;
        EXPECT_TRUE(normal != picture(QStringLiteral("en"), button.pressed)) << button.normal;
    }
}

TEST(LauncherPictures, KoreanDrawsItsOwnCaptionsButLeavesTheMessageButtonToEnglish)
{
    ASSERT_TRUE(LanguageLibrary::load("ko", R4000_LANGUAGE_DIR));
    const QString ko = QStringLiteral("ko");
    for (const Button& button : kButtons) {
        if (button.normal == 210)
            continue;
        SCOPED_TRACE(button.normal);
        const QImage own = picture(ko, button.normal);
        ASSERT_EQ(own.size(), button.size);
        EXPECT_TRUE(own != picture(QStringLiteral("en"), button.normal))
            << "drawn with the English caption";
    }
    EXPECT_EQ(picture(ko, 147).size(), kBackground);

    const ResourceChain korean(ko);
    EXPECT_EQ(korean.path(QStringLiteral("bitmaps/210.png")), location(QStringLiteral("en"), 210));
    EXPECT_EQ(korean.path(QStringLiteral("bitmaps/149.png")), location(ko, 149));
}

} // namespace
