#include "audio/AudioLog.h"
#include "disc/DiscLog.h"
#include "layout/LayoutLog.h"
#include "platform/PlatformLog.h"
#include "render/RenderLog.h"

#include <gtest/gtest.h>

namespace lccd {
namespace {

TEST(LogCategoriesTest, TracesAreOffUnlessAskedFor) {
    for (const QLoggingCategory* category :
         {&lcLayout(), &lcRender(), &lcDisc(), &lcAudio(), &lcPlatform()}) {
        SCOPED_TRACE(category->categoryName());
        EXPECT_FALSE(category->isDebugEnabled());
        EXPECT_TRUE(category->isInfoEnabled());
    }
}

} // namespace
} // namespace lccd
