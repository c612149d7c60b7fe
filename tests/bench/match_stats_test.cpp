// The match figures against figures worked by hand from the formulas.
#include "match_stats.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace zk::bench;

// 60 wins, 20 draws, 20 losses: score 0.7, Elo 400 log10(0.7 / 0.3) =
// 147.19; per-game variance (60 * 0.3^2 + 20 * 0.2^2 + 20 * 0.7^2) / 100 =
// 0.16, so the mean's 95 % half width is 1.96 * 0.04 = 0.0784 and the Elo
// interval [elo(0.6216), elo(0.7784)] = [86.92, 218.95] has half width 66.01.
TEST(MatchStats, TrinomialEloAndMargin) {
    const EloEstimate e = trinomialElo(60, 20, 20);
    EXPECT_EQ(e.samples, 100);
    EXPECT_NEAR(e.score, 0.7, 1e-12);
    EXPECT_NEAR(e.elo, 147.19, 0.01);
    EXPECT_NEAR(e.margin, 66.01, 0.01);
    EXPECT_NEAR(eloFromScore(scoreFromElo(-123.4)), -123.4, 1e-9);
    // Even, and all won: no finite figure claimed.
    EXPECT_NEAR(trinomialElo(5, 10, 5).elo, 0, 1e-9);
    EXPECT_TRUE(std::isinf(trinomialElo(3, 0, 0).elo));
    EXPECT_TRUE(std::isinf(trinomialElo(3, 0, 0).margin));
}

// Pairs scoring 0, 1/2, 1, 3/2, 2 points: 2, 5, 20, 10, 3 (40 pairs). Mean
// of a pair scaled to [0, 1]: (5 * 0.25 + 20 * 0.5 + 10 * 0.75 + 3) / 40 =
// 0.54375, Elo 30.48; variance 0.0386, half width 50.20.
TEST(MatchStats, PentanomialEloAndMargin) {
    const EloEstimate e = pentanomialElo({2, 5, 20, 10, 3});
    EXPECT_EQ(e.samples, 40);
    EXPECT_NEAR(e.score, 0.54375, 1e-12);
    EXPECT_NEAR(e.elo, 30.48, 0.01);
    EXPECT_NEAR(e.margin, 50.20, 0.01);
}

// The GSPRT's normal approximation: N (s1 - s0)(2 mean - s0 - s1) / (2 var),
// s0 = 0.5 and s1 = 1 / (1 + 10^(-5/400)) = 0.507195 for elo0 0, elo1 5.
// 60/20/20: 100 * 0.007195 * 0.892805 / 0.32 = 0.8832. The pairs above:
// 0.2190. Bounds at alpha = beta = 0.05: +-ln 19 = +-2.9444.
TEST(MatchStats, SprtLogLikelihoodRatio) {
    const Sprt t = trinomialSprt(60, 20, 20, 0, 5, 0.05, 0.05);
    EXPECT_NEAR(t.llr, 0.8832, 1e-4);
    EXPECT_NEAR(t.upper, 2.9444, 1e-4);
    EXPECT_NEAR(t.lower, -2.9444, 1e-4);
    EXPECT_EQ(t.verdict, SprtVerdict::Continue);
    EXPECT_NEAR(pentanomialSprt({2, 5, 20, 10, 3}, 0, 5, 0.05, 0.05).llr, 0.2190, 1e-4);
    // Ten times the record is ten times the evidence: past the upper bound.
    const Sprt big = trinomialSprt(600, 200, 200, 0, 5, 0.05, 0.05);
    EXPECT_NEAR(big.llr, 8.832, 1e-3);
    EXPECT_EQ(big.verdict, SprtVerdict::AcceptH1);
    // A losing record against the same hypotheses accepts H0.
    EXPECT_EQ(trinomialSprt(200, 200, 600, 0, 5, 0.05, 0.05).verdict, SprtVerdict::AcceptH0);
}

}  // namespace
