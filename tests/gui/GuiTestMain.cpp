#include <gtest/gtest.h>

#include <QApplication>

// One QApplication for the whole test program; tests create their own widgets.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
