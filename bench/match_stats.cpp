#include "match_stats.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

namespace zk::bench {

namespace {

constexpr double kZ95 = 1.959963984540054;  // two-sided 95 % quantile of the normal law

// Outcomes of one trial (a game, or a pair scaled to [0, 1]) with their counts.
struct Sample {
    std::vector<double> values;
    std::vector<int> counts;
    int n() const {
        int s = 0;
        for (int c : counts) s += c;
        return s;
    }
    double mean() const {
        double s = 0;
        for (std::size_t i = 0; i < values.size(); ++i) s += values[i] * counts[i];
        return s / n();
    }
    // Variance of one trial about the sample's mean.
    double variance() const {
        const double m = mean();
        double s = 0;
        for (std::size_t i = 0; i < values.size(); ++i)
            s += (values[i] - m) * (values[i] - m) * counts[i];
        return s / n();
    }
};

Sample games(int wins, int draws, int losses) { return {{1.0, 0.5, 0.0}, {wins, draws, losses}}; }

Sample pairsOf(const std::array<int, 5>& pairs) {
    return {{0.0, 0.25, 0.5, 0.75, 1.0}, {pairs[0], pairs[1], pairs[2], pairs[3], pairs[4]}};
}

// Elo of a score, infinite at and beyond 0 and 1.
double eloOrInfinite(double s) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    if (s <= 0) return -inf;
    if (s >= 1) return inf;
    return eloFromScore(s);
}

// The Elo difference of the mean score and half the width of the Elo
// interval that the 95 % normal interval of the mean maps to.
EloEstimate estimate(const Sample& s) {
    EloEstimate e;
    e.samples = s.n();
    if (e.samples == 0) return e;
    e.score = s.mean();
    e.elo = eloOrInfinite(e.score);
    const double half = kZ95 * std::sqrt(s.variance() / e.samples);
    // An all-won or all-lost record has an infinite estimate and no finite interval.
    e.margin = std::isinf(e.elo)
                   ? std::numeric_limits<double>::infinity()
                   : (eloOrInfinite(e.score + half) - eloOrInfinite(e.score - half)) / 2;
    return e;
}

// With the mean and variance of a trial, the LLR of N trials between the
// two expected scores is N (s1 - s0) (2 mean - s0 - s1) / (2 variance).
Sprt sprt(const Sample& s, double elo0, double elo1, double alpha, double beta) {
    Sprt r;
    r.lower = std::log(beta / (1 - alpha));
    r.upper = std::log((1 - beta) / alpha);
    const int n = s.n();
    const double var = n ? s.variance() : 0;
    // No spread yet (every trial alike): no evidence either way.
    if (n == 0 || var <= 0) return r;
    const double s0 = scoreFromElo(elo0), s1 = scoreFromElo(elo1);
    r.llr = n * (s1 - s0) * (2 * s.mean() - s0 - s1) / (2 * var);
    r.verdict = r.llr >= r.upper   ? SprtVerdict::AcceptH1
                : r.llr <= r.lower ? SprtVerdict::AcceptH0
                                   : SprtVerdict::Continue;
    return r;
}

}  // namespace

// The logistic model: a difference of 400 Elo is odds of 10 to 1.
double eloFromScore(double score) { return -400.0 * std::log10(1.0 / score - 1.0); }
double scoreFromElo(double elo) { return 1.0 / (1.0 + std::pow(10.0, -elo / 400.0)); }

EloEstimate trinomialElo(int wins, int draws, int losses) {
    return estimate(games(wins, draws, losses));
}

EloEstimate pentanomialElo(const std::array<int, 5>& pairs) { return estimate(pairsOf(pairs)); }

Sprt trinomialSprt(int wins, int draws, int losses, double elo0, double elo1, double alpha,
                   double beta) {
    return sprt(games(wins, draws, losses), elo0, elo1, alpha, beta);
}

Sprt pentanomialSprt(const std::array<int, 5>& pairs, double elo0, double elo1, double alpha,
                     double beta) {
    return sprt(pairsOf(pairs), elo0, elo1, alpha, beta);
}

std::string formatElo(const EloEstimate& e) {
    const auto figure = [](double v, bool sign) -> std::string {
        if (std::isinf(v)) return v > 0 ? (sign ? "+inf" : "inf") : "-inf";
        char b[32];
        std::snprintf(b, sizeof b, sign ? "%+.1f" : "%.1f", std::fabs(v) < 0.05 ? 0.0 : v);
        return b;
    };
    return figure(e.elo, true) + " +- " + figure(e.margin, false);
}

const char* verdictName(SprtVerdict v) {
    return v == SprtVerdict::AcceptH1   ? "H1 accepted"
           : v == SprtVerdict::AcceptH0 ? "H0 accepted"
                                        : "continue";
}

}  // namespace zk::bench
