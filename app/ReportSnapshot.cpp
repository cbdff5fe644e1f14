#include "app/ReportSnapshot.h"

#include "app/InputWindow.h"
#include "app/OptionsWindow.h"
#include "engine/DesignState.h"
#include "report/PrintDriver.h"

namespace kord {

namespace {

ReportInputs& Kept() {
    static ReportInputs inputs;
    return inputs;
}

}  // namespace

ReportInputs ReportInputsOf(const FrmData& w) {
    ReportInputs in;
    for (int tab : {Flexure, Shear, Confinement}) {
        in.drawing[tab] = w.Picture1(tab).Picture();
        in.concreteByClass[tab] = w.Option10(tab).Value();
        in.concreteClass[tab] = w.Combo1(tab).Text();
    }
    in.tSection = w.Option4.Value();
    in.rectangularSection = w.Option5.Value();
    in.closedScheme = w.Option1.Value();
    in.openScheme = w.Option2.Value();
    in.shearSheet = w.Option6.Value();
    in.shearStrips = w.Option7.Value();
    in.fibreKind = w.Combo3.Text();
    in.fibreKindIndex = w.Combo3.ListIndex();
    in.rectangularColumn = w.Option8.Value();
    in.circularColumn = w.Option9.Value();
    in.confinementSheet = w.Option3.Value();
    in.strengthRequired = w.Check1.Value() == 1;
    in.strainRequired = w.Check2.Value() == 1;
    in.ruptureStrain = w.Text11.Text();
    in.ruptureStrainFactor = w.Text25.Text();
    return in;
}

const ReportInputs& DesignedInputs() {
    return Kept();
}

void KeepDesignedInputs(const FrmData& w) {
    Kept() = ReportInputsOf(w);
}

PrintOptions PrintOptionsOf(const FrmOptions& o) {
    return {.printer = o.Printer,
            .font = o.ReportFont,
            .printProject = o.Check3.Value() == 1,
            .project = o.Text9.Text(),
            .printUser = o.Check2.Value() == 1,
            .author = o.Text1.Text(),
            .company = o.Text2.Text(),
            .printDate = o.Check1.Value() == 1};
}

void PrintLastDesign() {
    PrintReport(DesignedInputs(), PrintOptionsOf(frmOptions()));
}

}  // namespace kord
