#include <QApplication>

#include <gtest/gtest.h>

// One main for every test program: widget and font tests need a QApplication. Listing the
// tests (done at build time for test discovery) needs none, and no display either.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
