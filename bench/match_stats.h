// The figures a match between two engines is read by: the score, the
// logistic Elo difference with its 95 % interval, and the sequential
// probability ratio test, each from the game results (trinomial: win, draw,
// loss) or from pairs of games on one opening with the colours swapped
// (pentanomial: a pair scores 0, 1/2, 1, 3/2 or 2).
#pragma once

#include <array>
#include <string>

namespace zk::bench {

// Elo difference of a score in (0, 1), and the expected score of a difference.
double eloFromScore(double score);
double scoreFromElo(double elo);

// A score with its Elo difference and the half width of the 95 % interval
// of that difference (infinite where the interval's end reaches 0 or 1).
struct EloEstimate {
    int samples = 0;  // games, or pairs
    double score = 0.5;
    double elo = 0;
    double margin = 0;
};
EloEstimate trinomialElo(int wins, int draws, int losses);
// pairs[k]: the pairs in which the first engine scored k half points.
EloEstimate pentanomialElo(const std::array<int, 5>& pairs);

// The generalised SPRT's log-likelihood ratio of H1 (elo1) against H0
// (elo0), by the normal approximation, and its verdict within the bounds
// ln(beta / (1 - alpha)) and ln((1 - beta) / alpha).
enum class SprtVerdict { Continue, AcceptH0, AcceptH1 };
struct Sprt {
    double llr = 0;
    double lower = 0, upper = 0;
    SprtVerdict verdict = SprtVerdict::Continue;
};
Sprt trinomialSprt(int wins, int draws, int losses, double elo0, double elo1, double alpha,
                   double beta);
Sprt pentanomialSprt(const std::array<int, 5>& pairs, double elo0, double elo1, double alpha,
                     double beta);

// "+12.3 +- 45.6", with "inf" for an infinite figure.
std::string formatElo(const EloEstimate& e);
const char* verdictName(SprtVerdict v);

}  // namespace zk::bench
