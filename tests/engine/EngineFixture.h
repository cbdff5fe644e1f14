#pragma once
// A fresh design state of the test's own for a design run without windows: the numbers as a user
// types them in the chosen locale, read and converted as the input readers do.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "engine/ConcreteClasses.h"
#include "engine/DesignOutcome.h"
#include "engine/DesignState.h"
#include "engine/StressBlock.h"
#include "platform/NumberFormat.h"

namespace kord::test {

class EngineTest : public ::testing::Test {
  protected:
    explicit EngineTest(bool decimalComma = false) { UseLocale(decimalComma); }

    void UseLocale(bool decimalComma) {
        SetCurrentLocale(NumericLocale::FromName(decimalComma ? "pl_PL" : "en_US"));
        s = DesignState{};
        s.DecimalComma = decimalComma;
    }

    // A typed number; a text that is not one counts as 0, as in a field the design does not use.
    static double Typed(const std::string& text) { return ParseNumber(text).value_or(0); }
    static double Metres(const std::string& text) { return Typed(text) * 100; }
    static double SquareMm(const std::string& text) { return Typed(text) / 100; }

    // A number written in its point form, typed in the current locale.
    double Local(std::string text) const {
        if (s.DecimalComma)
            for (char& c : text)
                if (c == '.') c = ',';
        return Typed(text);
    }

    // The reference beam of the tests that design one: a rectangle 0.30 × 0.50 m, 500 mm² at
    // 0.05 m, C20/25, phi 2.5, fyk 500, Es 200, Ef 165, εf,lim 0.008, Mo 30, Mser,r 80,
    // Mser,q-p 60 kNm, only the desired failure modes; as the flexure reader leaves it.
    void FillReferenceBeam(const char* Msd = "120") {
        s.TeeSection = false;
        s.OnlyDesiredModes = true;
        s.IterStep = 5e-7;
        s.IterTol = 0.0005;
        s.b = Local("0.30") * 100;
        s.h = Local("0.50") * 100;
        s.beff = s.hf = s.As2 = s.d2 = s.As12 = s.d12 = 0;
        s.As11 = Local("500") / 100;
        s.d11 = Local("0.05") * 100;
        ChooseConcrete(2, nullptr);
        s.phi = Local("2.5");
        s.fyk = 500;
        s.Es = 200;
        s.Ef = 165;
        s.eps_f_lim = Local("0.008");
        s.Mo = 30;
        s.Msd = Local(Msd);
        s.Mser_r = 80;
        s.Mser_qp = 60;
        s.eps_c_qp_lim = CreepStrainLimit(s.phi);
        s.x = 0;
        s.eps_c = 0;
    }

    // The concrete of a tab: a class by its list position, or a typed mean strength.
    void ChooseConcrete(int concreteClass, const char* fcm) {
        s.MeanStrengthTyped = fcm != nullptr;
        if (fcm) {
            s.fcm = Typed(fcm);
            s.fck = s.fcm - kFcmOverFck;
            if (s.fck < 0) s.fck = 0;
        } else {
            s.fck = kConcreteClasses[static_cast<size_t>(concreteClass)].fck;
            s.fcm = s.fck + kFcmOverFck;
        }
    }

    // The refusal a design returned: its message, the warning title, the input it concerns.
    static void ExpectRefused(const DesignOutcome& o, const std::string& message,
                              DesignField focus) {
        EXPECT_FALSE(o.success);
        EXPECT_EQ(o.message, message);
        EXPECT_EQ(o.title, "Uwaga !!!");
        EXPECT_EQ(o.focus, focus);
    }

    // The state the test designs on.
    DesignState s;
};

}  // namespace kord::test
