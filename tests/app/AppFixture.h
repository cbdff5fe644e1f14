#pragma once
// A fresh program for each test: scripted host, empty design state, a chosen locale.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/DesignState.h"
#include "platform/NumberFormat.h"
#include "platform/Paths.h"
#include "platform/ScriptedHost.h"
#include "platform/Window.h"

namespace kord::test {

class AppTest : public ::testing::Test {
  protected:
    explicit AppTest(bool decimalComma = true) { UseLocale(decimalComma); }
    ~AppTest() override { SetProgramFolder(""); }

    void UseLocale(bool decimalComma) {
        SetCurrentLocale(NumericLocale::FromName(decimalComma ? "pl_PL" : "en_US"));
        State() = DesignState{};
        State().DecimalComma = decimalComma;
    }

    std::vector<std::string> LoadedNames() const {
        std::vector<std::string> names;
        for (Window* w : Forms::Loaded()) names.push_back(w->Name());
        return names;
    }

    ScriptedHostScope scope;
    ScriptedHost& host = scope.host;
};

// Records the order in which windows are unloaded.
class UnloadRecorder : public WindowObserver {
  public:
    void Watch(Window& w) { w.AddObserver(this); }
    void ControlChanged(Control&, Prop) override {}
    void WindowChanged(Window& w, WindowEvent e) override {
        if (e == WindowEvent::Unloaded) order.push_back(w.Name());
    }
    std::vector<std::string> order;
};

}  // namespace kord::test
