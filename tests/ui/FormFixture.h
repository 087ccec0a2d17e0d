#pragma once
// A fresh main window per test, shown offscreen, with scripted dialogs.
#include "app/Unit1.h"
#include "platform/Application.h"
#include "tests/ui/FakeDialogs.h"

#include <gtest/gtest.h>

#include <memory>

class FormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto fake = std::make_unique<FakeDialogs>();
        dialogs = fake.get();
        Application()->SetDialogs(std::move(fake));
        form = std::make_unique<TForm1>();
        form->show();
        Application()->ProcessMessages();
    }
    void TearDown() override
    {
        form.reset();
        Application()->SetDialogs(std::make_unique<FakeDialogs>());
    }

    std::string Panel(TStatusBar* bar, int i) const { return bar->PanelText(i); }

    FakeDialogs* dialogs = nullptr;
    std::unique_ptr<TForm1> form;
};
