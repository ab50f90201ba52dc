// The encoder list and the codec service. (Extensions are tested by saving.)
#include "imageio/ImageFormats.h"
#include "imageio/ImageLoad.h"
#include "imageio/ImageSave.h"
#include <gtest/gtest.h>

namespace {

TEST(Encoders, AreFoundByAnyPartOfTheirMimeTypeInAnyCase) {
    EXPECT_EQ(FindEncoderByMime("IMAGE/JPEG"), "image/jpeg");
    EXPECT_EQ(FindEncoderByMime("tif"), "image/tiff");
    EXPECT_EQ(FindEncoderByMime(""), Encoders().front().mime) << "empty: the first encoder";
    EXPECT_EQ(FindEncoderByMime("image/webp"), "");
}

TEST(CodecService, StartsWithEveryFormatWeNeed) {
    EXPECT_TRUE(StartCodecService());
    StopCodecService();
}

} // namespace
