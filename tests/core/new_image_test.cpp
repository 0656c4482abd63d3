#include <gtest/gtest.h>

#include "image/image_layout.h"
#include "image/new_image.h"

TEST(NewImage, IsAllFFButTheDefaultSettings) {
    const zrx::RadioImage image = zrx::makeNewImage();
    const std::uint8_t defaults[12] = {0xFF, 0x05, 0x05, 0x02, 0x03, 0xE1,
                                       0x00, 0x11, 0x22, 0x04, 0x07, 0x07};
    for (std::size_t offset = 0; offset < zrx::RadioImage::kSize; ++offset) {
        const bool isDefault = offset >= 0x3C0 && offset < 0x3CC;
        EXPECT_EQ(image.byte(offset), isDefault ? defaults[offset - 0x3C0] : 0xFF) << offset;
    }
    EXPECT_EQ(image.byte(zrx::layout::kModelIndex), 0xFF);
    EXPECT_EQ(image.byte(zrx::layout::kRangeIndex), 0xFF);
}
