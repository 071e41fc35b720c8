#include <gtest/gtest.h>

#include "shell/embedded_updater.h"
#include "support/temp_dir.h"

namespace velmora::testing {
namespace {

#ifdef VELMORA_BUILT_UPDATER
TEST(EmbeddedUpdater, CarriesTheBuiltUpdaterByteForByte)
{
    const std::string built = readFileBytes(VELMORA_BUILT_UPDATER);
    ASSERT_FALSE(built.empty());
    const auto carried = embeddedUpdater();
    EXPECT_EQ(std::string(carried.begin(), carried.end()), built);
}
#else
TEST(EmbeddedUpdater, ABuildWithoutTheWindowsCarriesNone)
{
    EXPECT_TRUE(embeddedUpdater().empty());
}
#endif

}  // namespace
}  // namespace velmora::testing
