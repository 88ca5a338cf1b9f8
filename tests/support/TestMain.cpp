#include "tests/support/MockServices.h"

#include <QApplication>

// One main for every test program: widget and font tests need a QApplication. Listing the
// tests (done at build time for test discovery) needs none, and no display either. A dialog
// shown without a test's script fails the test.
int main(int argc, char** argv) {
    ::testing::InitGoogleMock(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    QApplication application(argc, argv);
    ::testing::StrictMock<lccd::test::MockDialogs> strictDialogs;
    const lccd::Service<lccd::DialogAdapter>::Override failOnDialogs(strictDialogs);
    return RUN_ALL_TESTS();
}
