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

// A language that draws the launcher's pictures with its own captions. The Message button's
// pictures are its own exactly when its launcher shows that button; otherwise the English ones
// stand in for them.
struct LanguagePictures {
    const char* code;
    bool showsMessage;
};

class LanguageLauncherPictures : public ::testing::TestWithParam<LanguagePictures>
{
};

TEST_P(LanguageLauncherPictures, DrawnWithItsOwnCaptions)
{
    ASSERT_TRUE(LanguageLibrary::load(GetParam().code, R4000_LANGUAGE_DIR));
    const QString code = QString::fromLatin1(GetParam().code);
    const QString en = QStringLiteral("en");
    const ResourceChain chain(code);
    EXPECT_EQ(chain.launcherShowsMessage(), GetParam().showsMessage);
    EXPECT_EQ(picture(code, 147).size(), kBackground);

    for (const Button& button : kButtons) {
        SCOPED_TRACE(button.normal);
        const bool own = button.normal != 210 || GetParam().showsMessage;
        EXPECT_EQ(chain.bitmapPath(button.normal), location(own ? code : en, button.normal));
        if (!own)
            continue;
        for (int id : {button.normal, button.hover, button.pressed}) {
            SCOPED_TRACE(id);
            const QImage image = picture(code, id);
            ASSERT_EQ(image.size(), button.size);
            EXPECT_TRUE(image != picture(en, id)) << "drawn with the English caption";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(LauncherPictures, LanguageLauncherPictures,
                         ::testing::Values(LanguagePictures{"ko", false},
                                           LanguagePictures{"ja", true}),
                         [](const ::testing::TestParamInfo<LanguagePictures>& info) {
                             return std::string(info.param.code);
                         });

} // namespace
