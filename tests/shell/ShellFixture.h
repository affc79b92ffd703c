#pragma once
// A scratch folder standing in for "beside the program", the dialogs in scripted mode and the
// program's windows created as at start-up.
#include "TestSupport.h"

#include "common/AppPaths.h"
#include "common/ErrorSink.h"
#include "shell/AppWindows.h"
#include "shell/Dialogs.h"

#include <gtest/gtest.h>
#include <memory>

namespace tevo::test {

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setProgramDir(scratch.path());
        Dialogs::setScripted(true);
        Dialogs::reset();
        Dialogs::installErrorHandler();
    }

    void TearDown() override
    {
        windows.reset();
        Dialogs::reset();
        setErrorHandler({});
        setProgramDir({});
    }

    AppWindows &open()
    {
        windows = std::make_unique<AppWindows>();
        return *windows;
    }

    // Windows made and activated once.
    AppWindows &activated()
    {
        AppWindows &w = open();
        w.mainWindow.runActivationSteps();
        Dialogs::reset();
        return w;
    }

    ScratchDir scratch;
    std::unique_ptr<AppWindows> windows;
};

} // namespace tevo::test
