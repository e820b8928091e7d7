#include <QImage>
#include <QMovie>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

QString shipped(const char* name) {
    return QString::fromStdString((std::filesystem::path(CLIMORA_SHIPPED_DIR) / name).string());
}

} // namespace

// The busy pictures ship with the program: the still gear and the same gear
// turning, an endless animation whose first frame is the still picture.
TEST(GearPictures, StillGearIsTheFirstFrameOfTheTurningOne) {
    QImage still(shipped("Gear.bmp"));
    ASSERT_FALSE(still.isNull());
    QMovie turning(shipped("Gear.gif"));
    ASSERT_TRUE(turning.isValid());
    EXPECT_GT(turning.frameCount(), 1);
    EXPECT_EQ(turning.loopCount(), -1); // for ever
    ASSERT_TRUE(turning.jumpToFrame(0));
    QImage first = turning.currentImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(first, still.convertToFormat(QImage::Format_RGB32));

    QImage previous = first;
    for (int frame = 1; frame < turning.frameCount(); ++frame) {
        ASSERT_TRUE(turning.jumpToNextFrame()) << frame;
        QImage image = turning.currentImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(image.size(), still.size());
        EXPECT_NE(image, previous) << "frame " << frame << " does not turn";
        // The corners stay background, whole frames decode.
        EXPECT_EQ(image.pixel(0, 0), still.pixel(0, 0));
        EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1), still.pixel(0, 0));
        previous = image;
    }
}
