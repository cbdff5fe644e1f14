#pragma once
// The record through which the computations of a design talk to each other: the inputs of the
// design, the options it uses, intermediates, results and flags. Plain scalars only;
// it starts all zero and is never cleared as a whole: each run overwrites what it computes.
// Units: section lengths cm, areas cm², laminate sizes mm, moduli kN/mm², stresses N/mm²,
// forces kN, moments kNm, strains plain numbers, angles degrees.

#include <string>

namespace kord {

// The design case: the index of the input tab and of every control array of the input window.
enum DesignCase : int { Flexure = 0, Shear = 1, Confinement = 2 };

struct DesignState {
    // Flags and small integers.
    bool DecimalComma = false;
    short ResultKind = 0;
    bool LaminateApplied = false;
    bool PrintStrain = false;
    bool PrintBond = false;
    bool SteelAtYield = false;
    bool OuterLayer11 = false;
    bool AbortCalc = false;
    short ConfinementGoal = 0;

    // Copies of the choices of the input and options windows that a design uses, set by the
    // input readers: the designs and recomputations never look at a window.
    bool TeeSection = false;         // flexure: a T section, else a rectangle
    bool OnlyDesiredModes = false;   // flexure: only the desired failure modes are accepted
    bool MeanStrengthTyped = false;  // the tab's concrete by its typed mean strength, not a class
    bool ShearSheet = false;         // shear: a sheet, else L-shaped strips
    bool ShearClosed = false;        // shear: a closed wrap, else an open one
    bool ShearAramid = false;        // shear: aramid fibres (their own rupture expression)
    bool ColumnRectangular = false;  // confinement: a rectangular column, else a circular one
    bool ConfinementSheet = false;   // confinement: a sheet, else strips

    // Search constants, set by the input readers.
    double IterStep = 0;
    double IterTol = 0;

    // Materials and section, shared by the three cases.
    double b = 0, h = 0, Ef = 0, fck = 0, fcm = 0, eps_f_lim = 0, Es = 0, fyk = 0;

    // Flexure inputs.
    double beff = 0, hf = 0;
    double As2 = 0, As12 = 0, As11 = 0;
    double d2 = 0, d12 = 0, d11 = 0;
    double Mo = 0, Msd = 0, Mser_r = 0, Mser_qp = 0;
    double phi = 0, eps_c_qp_lim = 0;

    // Flexure intermediates and results.
    double psi = 0, deltaG = 0, psi2 = 0, deltaG2 = 0, eps_c2 = 0, dz_T = 0, x_new = 0;
    double sigma_s11 = 0, sigma_s12 = 0, sigma_s2 = 0;
    double x = 0, eps_c = 0, eps_f = 0;
    double x_o = 0, eps_co = 0, eps_o = 0;
    double M_initial = 0, MRd_o = 0, MRd = 0, MRd_max = 0;
    double Af = 0, Af_req = 0;
    double eps_s = 0, eps_s_ser = 0, eps_s_ser_qp = 0;
    double Mser_r_o = 0, Mser_r_o_s = 0, Mser_qp_o = 0, Mser_qp_o_s = 0;
    double x_r = 0, eps_c_r = 0, eps_f_r = 0;
    double x_qp = 0, eps_c_qp = 0, eps_f_qp = 0;
    double Mser_r_calc = 0, Mser_qp_calc = 0, Mser_r_max = 0, Mser_qp_max = 0;
    double Af_r_trial = 0, Af_qp_trial = 0, Af_req_r = 0, Af_req_qp = 0;
    double sigma_s11_r = 0, sigma_s12_r = 0, sigma_s2_r = 0;
    double sigma_s11_qp = 0, sigma_s12_qp = 0, sigma_s2_qp = 0;

    // Shear.
    double alpha = 0, d = 0, bf = 0, sf = 0, eps_fu = 0, Vfd = 0;
    double k_eff = 0, gamma_fb = 0, gamma_fl = 0, gamma_ff = 0;
    double eps_fe_rupture = 0, eps_fe_debond = 0, eps_fd_e = 0;
    double rho_f = 0, tf = 0, Vfd_calc = 0;

    // Confinement.
    double D = 0, R = 0, bf_c = 0, sf_c = 0, eps_fu_e = 0;
    double fcc_req = 0, eps_cu_req = 0, fco = 0;
    double Ec = 0, Esec = 0, Esec_u = 0, beta_c = 0;
    double Ag = 0, A_uncf = 0, Ag_s = 0, A_uncf_s = 0;
    double b_cl = 0, h_cl = 0, k_strip = 0, ke = 0, ks = 0;
    double rho_fc = 0, rho_fx = 0, rho_fy = 0;
    double El = 0, El_x = 0, El_y = 0, fl = 0, fl_x = 0, fl_y = 0;
    double fcc_fco = 0, k_fl = 0, tf_c = 0;
    double fcc = 0, eps_cu = 0, fcc_max = 0, eps_cu_max = 0;

    // Applied laminate.
    double bf_strip = 0, tf_strip = 0, n_strips = 0, Af_applied = 0;
    double MRd_applied = 0, Mser_r_applied = 0, Mser_qp_applied = 0;
    double tf_layer = 0, n_layers = 0, tf_total_shear = 0, tf_total_conf = 0;
    double Vfd_applied = 0, fcc_applied = 0, eps_cu_applied = 0;
    // The laminate of the last accepted recomputation. "Obliczenia" of the dimensioning rewrites
    // the fields above whether or not the results are then recomputed; these change only with the
    // results, so the report and the anchorage check read the laminate whose capacity is shown.
    double applied_bf_strip = 0, applied_tf_strip = 0, applied_n_strips = 0, applied_Af = 0;
    double applied_tf_layer = 0, applied_n_layers = 0, applied_tf_total = 0;
    // Counts the accepted recomputations. Every successful design clears LaminateApplied, so a
    // laminate is current while LaminateApplied holds and this number is unchanged.
    int LaminateGeneration = 0;

    // Anchorage.
    double fctm = 0, Msd_A = 0;
    double As2_A = 0, As12_A = 0, As11_A = 0, d2_A = 0, d12_A = 0, d11_A = 0;
    double Es_A = 0, fyk_A = 0, n_layers_bond = 0, nf_max = 0, k_b = 0;
    double Nbd_max = 0, lbd_max = 0, Nfd_A = 0, x_A = 0, eps_c_A = 0, M_A = 0;
    // The LaminateGeneration of the laminate whose check the anchorage fields hold; 0 when the
    // last "Obliczanie" gave no verdict.
    int BondCheckGeneration = 0;

    // Drawing of the strain window.
    double StrainScale = 0, DepthScale = 0;
    double Width_0 = 0, Width_r = 0, Width_qp = 0, Axis_0 = 0, Axis_r = 0, Axis_qp = 0;

    // Texts of the printed report.
    std::string FailureModeText, SectionTypeText, ShearSchemeText, ShearFormText, ColumnSectionText,
        PrintFontName, SymbolFontName;
    double y_bond = 0;

    // Shared scan counter and list position scratch.
    double i = 0;
};

}  // namespace kord
