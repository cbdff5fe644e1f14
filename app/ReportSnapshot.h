#pragma once
// What the report is handed: the inputs of the last successful design, taken from the input
// window when "Obliczanie" succeeds, and the print options as the options window holds them
// when printing starts.

#include "report/ReportInputs.h"

namespace kord {

class FrmData;
class FrmOptions;

// The choices and texts of the input window that the report prints, for every design case.
ReportInputs ReportInputsOf(const FrmData& w);
// The inputs of the last successful design; set by "Obliczanie".
const ReportInputs& DesignedInputs();
void KeepDesignedInputs(const FrmData& w);

PrintOptions PrintOptionsOf(const FrmOptions& o);

// "Drukowanie": the report of the last successful design with the print options of the moment.
void PrintLastDesign();

}  // namespace kord
