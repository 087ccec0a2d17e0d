// Every test program runs with the application object, so window tests and
// core tests share one main. Windows are offscreen.
#include "platform/Application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication application(argc, argv);
    application.Title = "Pixolen";
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
