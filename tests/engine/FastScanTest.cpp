#include "engine/FastScan.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/StressBlock.h"
#include "tests/engine/LiteralScans.h"

namespace kord::test {
namespace {

struct ScanCase {
    double start, step, end;
};

// Every value of the program's scans against the repeated additions themselves.
TEST(StepScan, ReplaysTheAdditions) {
    for (const ScanCase& c : {ScanCase{5e-7, 5e-7, 4}, ScanCase{0.005, 0.005, 200},
                              ScanCase{0.0005, 0.0005, 200}, ScanCase{0, 1e-8, 0.02},
                              ScanCase{5e-7, 5e-7, 0.0035}, ScanCase{0.00073509, -5e-7, 5e-7}}) {
        const StepScan scan(c.start, c.step, c.end);
        std::int64_t k = 0;
        double v = c.start;
        for (; c.step > 0 ? v <= c.end : v >= c.end; v += c.step, ++k)
            ASSERT_EQ(scan.At(k), v) << c.step << " at " << k;
        EXPECT_EQ(scan.Count(), k) << c.step;
        EXPECT_EQ(scan.At(k), v) << c.step;
    }
}

TEST(FirstTrue, FromAnyHint) {
    for (std::int64_t answer : {0, 1, 7, 500, 999, 1000})
        for (std::int64_t hint : {-1, 0, 3, 499, 500, 501, 999})
            EXPECT_EQ(FirstTrue(
                          0, 1000, [&](std::int64_t k) { return k >= answer; }, hint),
                      answer);
}

// The trials a scan ran last for each field, run again in the scan's order, each once.
TEST(RunAgain, AscendingOnceWithoutNegatives) {
    std::vector<std::int64_t> ran;
    RunAgain({7, -1, 0, 7, 3, -1, 12}, [&](std::int64_t k) { ran.push_back(k); });
    EXPECT_EQ(ran, (std::vector<std::int64_t>{0, 3, 7, 12}));
    ran.clear();
    RunAgain({-1, -1}, [&](std::int64_t k) { ran.push_back(k); });
    EXPECT_TRUE(ran.empty());
}

TEST(FastScans, CreepStrainLimitAsTheLiteralScan) {
    for (double phi = 0; phi <= 8; phi += 0.125)
        EXPECT_EQ(CreepStrainLimit(phi), LiteralCreepStrainLimit(phi)) << phi;
}

}  // namespace
}  // namespace kord::test
