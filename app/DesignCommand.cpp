#include "app/DesignCommand.h"

#include "app/InputReaders.h"
#include "app/InputWindow.h"
#include "app/ReportSnapshot.h"
#include "engine/ConfinementDesign.h"
#include "engine/DesignOutcome.h"
#include "engine/DesignState.h"
#include "engine/FlexureDesign.h"
#include "engine/ShearDesign.h"
#include "kit/ProgramState.h"
#include "platform/Host.h"

namespace kord {

TextBox* FieldBox(FrmData& w, int tab, DesignField field) {
    const bool shear = tab == Shear;
    switch (field) {
        case DesignField::None:
            return nullptr;
        case DesignField::FlangeWidth:
            return &w.Text3(0);
        case DesignField::FlangeDepth:
            return &w.Text2(0);
        case DesignField::BottomSteel:
            return &w.Text6(0);
        case DesignField::d11:
            return &w.Text10(0);
        case DesignField::d12:
            return &w.Text17;
        case DesignField::d2:
            return &w.Text9(0);
        case DesignField::Mo:
            return &w.Text7;
        case DesignField::Msd:
            return &w.Text8;
        case DesignField::MeanStrength:
            return &w.Text22(tab);
        case DesignField::Modulus:
            return &w.Text24(tab);
        case DesignField::ShearForce:
            return &w.Text12;
        case DesignField::StripWidth:
            return shear ? &w.Text18 : &w.Text28;
        case DesignField::StripSpacing:
            return shear ? &w.Text19 : &w.Text29;
        case DesignField::CornerRadius:
            return &w.Text20;
        case DesignField::Diameter:
            return &w.Text27;
        case DesignField::RuptureStrain:
            return &w.Text11;
        case DesignField::RequiredStrength:
            return &w.Text21;
        case DesignField::RequiredStrain:
            return &w.Text23;
    }
    return nullptr;
}

namespace {

bool ReadTab(DesignCase tab) {
    switch (tab) {
        case Flexure:
            return ReadFlexureInput(tab);
        case Shear:
            return ReadShearInput(tab);
        case Confinement:
            return ReadConfinementInput(tab);
        default:
            return false;
    }
}

DesignOutcome Design(DesignCase tab) {
    switch (tab) {
        case Shear:
            return DesignShear(State());
        case Confinement:
            return DesignConfinement(State());
        default:
            return DesignFlexure(State());
    }
}

}  // namespace

bool DesignTab(DesignCase tab) {
    if (!ReadTab(tab)) return false;
    DesignOutcome outcome;
    {
        BusyPointer busy;
        outcome = Design(tab);
    }
    if (outcome.success) {
        KeepDesignedInputs(frmData());
        return true;
    }
    TextBox* box = FieldBox(frmData(), tab, outcome.focus);
    if (box && outcome.focusFirst) box->SetFocus();
    Warn(outcome.message, outcome.title);
    if (box && !outcome.focusFirst) box->SetFocus();
    return false;
}

}  // namespace kord
