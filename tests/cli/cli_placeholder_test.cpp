#include <gtest/gtest.h>

#include "cli/batch_runner.h"

namespace staffel::cli {
namespace {

TEST(ZeileLesen, NeedsFourTabSeparatedFields) {
    EXPECT_TRUE(zeileLesen("7\t00\t2\t3", false).has_value());
    EXPECT_TRUE(zeileLesen("3\t\t3\t4\r", false).has_value());
    EXPECT_FALSE(zeileLesen("7 00 2 3", false).has_value());
    EXPECT_FALSE(zeileLesen("7\t00\t2", false).has_value());
    EXPECT_TRUE(zeileLesen("7\t00\t2", true).has_value());
    EXPECT_FALSE(zeileLesen("7\t00\t2\t3\t4", false).has_value());
}

}  // namespace
}  // namespace staffel::cli
