#include "app/ChineseInterface.h"
#include "app/WebEngineSetup.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    velkora::prepareWebEngine();
    QApplication app(argc, argv);
    velkora::installChineseInterface(app);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
