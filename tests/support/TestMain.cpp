#include "tests/support/StrictServices.h"

#include <QApplication>

#include <gtest/gtest.h>

// One main for every test program: widget and font tests need a QApplication. Listing the
// tests (done at build time for test discovery) needs none, and no display either. A dialog
// shown without a test's script fails the test.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    QApplication application(argc, argv);
    lccd::test::StrictDialogs strictDialogs;
    const lccd::Service<lccd::DialogAdapter>::Override failOnDialogs(strictDialogs);
    return RUN_ALL_TESTS();
}
