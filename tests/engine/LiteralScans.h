#pragma once
// The searches of the designs as literal scans, trial by trial: the reference that the fast
// scans of the program are compared against.

#include "engine/Searches.h"

namespace kord::test {

double LiteralCreepStrainLimit(double phi);
void LiteralCapacityDepth(DesignState& s);
void LiteralInitialState(DesignState& s);
void LiteralSlsUnstrengthenedScans(DesignState& s, const SlsCombination& sc);
void LiteralSlsCompositeScans(DesignState& s, const SlsCombination& sc);
void LiteralSlsStrengthened(DesignState& s, const SlsCombination& sc);
bool LiteralAnchorageStrains(DesignState& s, double& ef);
bool LiteralShearThickness(DesignState& s, const ShearForm& form);
ConfinementScanResult LiteralConfinementThickness(DesignState& s, bool rectangular, short goal);

// The table of the literal scans.
Searches LiteralSearches();

// Puts a table in place of the thread's for the life of the scope.
class SearchesScope {
  public:
    explicit SearchesScope(const Searches& use) : saved_(DesignSearches()) {
        DesignSearches() = use;
    }
    ~SearchesScope() { DesignSearches() = saved_; }
    SearchesScope(const SearchesScope&) = delete;
    SearchesScope& operator=(const SearchesScope&) = delete;

  private:
    Searches saved_;
};

}  // namespace kord::test
