#pragma once
// The shear and confinement tabs as a user fills them, numbers in the comma form: the engine's
// tests read them into a design state, the input window's tests type them into the window.

namespace kord::test {

enum Fibre { CFRP = 0, AFRP = 1, GFRP = 2 };

struct ShearInput {
    Fibre fibre = CFRP;
    bool sheet = true;
    bool closed = true;
    const char* b = "0,3";
    const char* d = "0,5";
    const char* alpha = "90";
    const char* Ef = "230";
    const char* efu = "0,015";
    const char* limit = "0,006";
    const char* Vfd = "100";
    int concreteClass = 0;      // C 12/15
    const char* fcm = nullptr;  // typed mean strength instead of a class
    const char* bf = "0,1";
    const char* sf = "0,3";
};

enum Goal { Strength = 1, Strain = 2, Both = 3 };

// The default is a rectangular 0.40 × 0.30 m column with R = 0.03 m, C 20/25, a carbon sheet.
struct ColumnInput {
    bool rectangular = true;
    bool sheet = true;
    Goal goal = Strength;
    const char* b = "0,4";
    const char* h = "0,3";
    const char* R = "0,03";
    const char* D = "0,4";
    int concreteClass = 2;      // C 20/25
    const char* fcm = nullptr;  // typed mean strength instead of a class
    const char* Ef = "230";
    const char* efu = "0,015";
    const char* factor = "0,9";
    const char* bf = "0";
    const char* sf = "0";
    const char* fcc = "35";
    const char* ecu = "0,012";
};

}  // namespace kord::test
