#pragma once
// What the report prints besides the design state: the choices and texts of the input window as
// they stood when the design succeeded, and the print options as they stand when printing
// starts. The program takes both and hands them over; the report reads no window.

#include <array>
#include <string>

#include "platform/Control.h"
#include "platform/Host.h"
#include "platform/Picture.h"

namespace kord {

struct ReportInputs {
    // By design case (Flexure, Shear, Confinement): the section drawing of its tab, whether its
    // concrete is given by class, and the class as the list shows it.
    std::array<Picture, 3> drawing;
    std::array<bool, 3> concreteByClass{};
    std::array<std::string, 3> concreteClass;

    // Flexure: the section type; with neither set the text of the last report stays.
    bool tSection = false;
    bool rectangularSection = false;

    // Shear: the scheme, the form, and the fibre kind as shown with its list position (-1: none).
    bool closedScheme = false;
    bool openScheme = false;
    bool shearSheet = false;
    bool shearStrips = false;
    std::string fibreKind;
    int fibreKindIndex = -1;

    // Confinement: the column section, the form, the requirements asked for, and the rupture
    // strain with its factor exactly as typed.
    bool rectangularColumn = false;
    bool circularColumn = false;
    bool confinementSheet = false;
    bool strengthRequired = false;
    bool strainRequired = false;
    std::string ruptureStrain;
    std::string ruptureStrainFactor;
};

struct PrintOptions {
    PrinterChoice printer;
    // No name: Arial.
    Font font{"", 0};
    // The header lines of the first page.
    bool printProject = false;
    std::string project;
    bool printUser = false;
    std::string author;
    std::string company;
    bool printDate = false;
};

}  // namespace kord
