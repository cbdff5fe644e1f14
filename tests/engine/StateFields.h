#pragma once
// Every field of the design state by name: two states whose fields hold the same bits are the same
// design, whatever their padding holds.

#include <cstring>
#include <string>
#include <vector>

#include "engine/DesignState.h"

namespace kord::test {

// A field added to the design state changes its size: list it below as well.
static_assert(sizeof(DesignState) == 1672, "list the new field of the design state here");

// The names of the fields in which a differs from b, bit for bit (an empty list: the same state).
inline std::vector<std::string> DifferentFields(const DesignState& a, const DesignState& b) {
    std::vector<std::string> differ;
    auto compare = [&](const char* name, const auto& x, const auto& y) {
        if (std::memcmp(&x, &y, sizeof x) != 0) differ.push_back(name);
    };
#define F(name) compare(#name, a.name, b.name)
    // Flags, small integers and counts.
    F(DecimalComma);
    F(LaminateApplied);
    F(PrintStrain);
    F(PrintBond);
    F(SteelAtYield);
    F(OuterLayer11);
    F(AbortCalc);
    F(TeeSection);
    F(OnlyDesiredModes);
    F(MeanStrengthTyped);
    F(ShearSheet);
    F(ShearClosed);
    F(ShearAramid);
    F(ColumnRectangular);
    F(ConfinementSheet);
    F(ResultKind);
    F(ConfinementGoal);
    F(LaminateGeneration);
    F(BondCheckGeneration);
    // Numbers.
    F(IterStep);
    F(IterTol);
    F(b);
    F(h);
    F(Ef);
    F(fck);
    F(fcm);
    F(eps_f_lim);
    F(Es);
    F(fyk);
    F(beff);
    F(hf);
    F(As2);
    F(As12);
    F(As11);
    F(d2);
    F(d12);
    F(d11);
    F(Mo);
    F(Msd);
    F(Mser_r);
    F(Mser_qp);
    F(phi);
    F(eps_c_qp_lim);
    F(psi);
    F(deltaG);
    F(psi2);
    F(deltaG2);
    F(eps_c2);
    F(dz_T);
    F(x_new);
    F(sigma_s11);
    F(sigma_s12);
    F(sigma_s2);
    F(x);
    F(eps_c);
    F(eps_f);
    F(x_o);
    F(eps_co);
    F(eps_o);
    F(M_initial);
    F(MRd_o);
    F(MRd);
    F(MRd_max);
    F(Af);
    F(Af_req);
    F(eps_s);
    F(eps_s_ser);
    F(eps_s_ser_qp);
    F(Mser_r_o);
    F(Mser_r_o_s);
    F(Mser_qp_o);
    F(Mser_qp_o_s);
    F(x_r);
    F(eps_c_r);
    F(eps_f_r);
    F(x_qp);
    F(eps_c_qp);
    F(eps_f_qp);
    F(Mser_r_calc);
    F(Mser_qp_calc);
    F(Mser_r_max);
    F(Mser_qp_max);
    F(Af_r_trial);
    F(Af_qp_trial);
    F(Af_req_r);
    F(Af_req_qp);
    F(sigma_s11_r);
    F(sigma_s12_r);
    F(sigma_s2_r);
    F(sigma_s11_qp);
    F(sigma_s12_qp);
    F(sigma_s2_qp);
    F(alpha);
    F(d);
    F(bf);
    F(sf);
    F(eps_fu);
    F(Vfd);
    F(k_eff);
    F(gamma_fb);
    F(gamma_fl);
    F(gamma_ff);
    F(eps_fe_rupture);
    F(eps_fe_debond);
    F(eps_fd_e);
    F(rho_f);
    F(tf);
    F(Vfd_calc);
    F(D);
    F(R);
    F(bf_c);
    F(sf_c);
    F(eps_fu_e);
    F(fcc_req);
    F(eps_cu_req);
    F(fco);
    F(Ec);
    F(Esec);
    F(Esec_u);
    F(beta_c);
    F(Ag);
    F(A_uncf);
    F(Ag_s);
    F(A_uncf_s);
    F(b_cl);
    F(h_cl);
    F(k_strip);
    F(ke);
    F(ks);
    F(rho_fc);
    F(rho_fx);
    F(rho_fy);
    F(El);
    F(El_x);
    F(El_y);
    F(fl);
    F(fl_x);
    F(fl_y);
    F(fcc_fco);
    F(k_fl);
    F(tf_c);
    F(fcc);
    F(eps_cu);
    F(fcc_max);
    F(eps_cu_max);
    F(bf_strip);
    F(tf_strip);
    F(n_strips);
    F(Af_applied);
    F(MRd_applied);
    F(Mser_r_applied);
    F(Mser_qp_applied);
    F(tf_layer);
    F(n_layers);
    F(tf_total_shear);
    F(tf_total_conf);
    F(Vfd_applied);
    F(fcc_applied);
    F(eps_cu_applied);
    F(applied_bf_strip);
    F(applied_tf_strip);
    F(applied_n_strips);
    F(applied_Af);
    F(applied_tf_layer);
    F(applied_n_layers);
    F(applied_tf_total);
    F(fctm);
    F(Msd_A);
    F(As2_A);
    F(As12_A);
    F(As11_A);
    F(d2_A);
    F(d12_A);
    F(d11_A);
    F(Es_A);
    F(fyk_A);
    F(n_layers_bond);
    F(nf_max);
    F(k_b);
    F(Nbd_max);
    F(lbd_max);
    F(Nfd_A);
    F(x_A);
    F(eps_c_A);
    F(M_A);
    F(StrainScale);
    F(DepthScale);
    F(Width_0);
    F(Width_r);
    F(Width_qp);
    F(Axis_0);
    F(Axis_r);
    F(Axis_qp);
    F(y_bond);
    F(i);
#undef F
#define F(name) \
    if (a.name != b.name) differ.push_back(#name)
    // Texts.
    F(FailureModeText);
    F(SectionTypeText);
    F(ShearSchemeText);
    F(ShearFormText);
    F(ColumnSectionText);
    F(PrintFontName);
    F(SymbolFontName);
#undef F
    return differ;
}

}  // namespace kord::test
