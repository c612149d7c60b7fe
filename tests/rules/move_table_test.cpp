// The move table against the rules it replaced: the move check, the lion
// protection, promotion, the two-step starts and the empty-board steps as the
// hand-written switch answered them, on an empty board and on seeded boards.
#include "move_table.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "move_check.h"
#include "rules_fixture.h"

namespace zk {
namespace {

// ---- The rules as they were written before the table, kept as reference ----

namespace before {

bool isLion(PieceCode c) { return c == 33 || c == 34 || c == -33 || c == -34; }

struct Step {
    int fx, fy, tx, ty;
    int dx, dy, adx, ady, f;
    bool oneStep() const { return adx <= 1 && ady <= 1; }
};

int secondStepRule(const Step& m, int tenths) {
    switch (tenths) {
        case 331:
        case 341:
        case -331:
        case -341:
            return m.oneStep() ? 1 : 0;
        case 241:
        case -241:
            return (m.dx == 0 && m.ady == 1) ? 1 : 0;
        case 181:
        case -182:
            return (m.adx == 1 && m.ady == 1 && m.dx == -m.dy) ? 1 : 0;
        case 182:
        case -181:
            return (m.adx == 1 && m.ady == 1 && m.dx == m.dy) ? 1 : 0;
        default:
            return 0;
    }
}

int pieceRule(const BoardGrid& b, const Step& m, int kind) {
    auto vertical = [&] { return lineFile(b, m.fx, m.fy, m.tx, m.ty) == 1; };
    auto horizontal = [&] { return lineRank(b, m.fx, m.fy, m.tx, m.ty) == 1; };
    auto rookLine = [&] { return lineRook(b, m.fx, m.fy, m.tx, m.ty) == 1; };
    auto diagonal = [&] { return lineDiagonal(b, m.fx, m.fy, m.tx, m.ty) == 1; };
    bool ok = false;
    switch (kind) {
        case 1:
            ok = m.dx == 0 && m.f == 1;
            break;
        case 3:
            ok = m.dx == 0 && m.f >= 1 && vertical();
            break;
        case 2:
        case 13:
            ok = (m.oneStep() && (m.f == 0 || m.f == 1)) || (m.dx == 0 && m.f == -1);
            break;
        case 5:
            ok = (m.adx <= 1 && m.f == 1) || (m.dx == 0 && m.f == -1);
            break;
        case 9:
            ok = (m.adx <= 1 && m.f == 1) || (m.adx == 1 && m.f == -1);
            break;
        case 19:
            ok = m.oneStep() && m.dy != 0;
            break;
        case 30:
            ok = m.oneStep() && !(m.dx == 0 && m.f == 1);
            break;
        case 36:
        case 37:
            ok = m.oneStep() && !(m.dx == 0 && m.f == -1);
            break;
        case 38:
        case 39:
            ok = m.oneStep();
            break;
        case 35:
            ok = m.dx == 0 && m.ady == 1;
            break;
        case 28:
            ok = vertical();
            break;
        case 6:
        case 7:
            ok = horizontal() || (m.dx == 0 && m.ady == 1);
            break;
        case 10:
        case 11:
            ok = vertical() || (m.dy == 0 && m.adx == 1);
            break;
        case 4:
            ok = vertical() || (m.f > 0 && diagonal());
            break;
        case 29:
            ok = vertical() || (m.f < 0 && diagonal());
            break;
        case 12:
            ok = vertical() || diagonal();
            break;
        case 8:
            ok = horizontal() || diagonal();
            break;
        case 14:
        case 15:
            ok = rookLine();
            break;
        case 20:
        case 21:
            ok = diagonal();
            break;
        case 26:
        case 27:
            ok = rookLine() || diagonal();
            break;
        case 16:
        case 17:
            ok = m.oneStep() || rookLine();
            break;
        case 22:
        case 23:
            ok = m.oneStep() || diagonal();
            break;
        case 31:
            ok = m.oneStep() || vertical();
            break;
        case 18:
            ok = rookLine() || (m.f <= 1 && diagonal()) || (m.adx == 2 && m.f == 2);
            break;
        case 24:
            ok = (m.f <= 2 && rookLine()) || diagonal();
            break;
        case 25:
            ok = (m.adx + m.ady == 1) || (m.adx == 2 && m.ady == 2);
            break;
        case 32:
            ok = (m.adx == 1 && m.ady == 1) || (m.dx == 0 && m.ady == 2) ||
                 (m.dy == 0 && m.adx == 2);
            break;
        default:
            ok = false;
            break;
    }
    return ok ? 1 : 0;
}

int check(BoardGrid& b, const LionHistory& history, bool secondStep, int fx, int fy, int tx, int ty,
          PieceCode c);

int guarded(BoardGrid& b, int defenderSign, int fromX, int fromY, int lionX, int lionY) {
    if (!onBoard(lionX, lionY)) return 0;
    const bool capturerOnBoard = onBoard(fromX, fromY);
    const PieceCode savedLion = b[lionX][lionY];
    const PieceCode savedCapturer = capturerOnBoard ? b[fromX][fromY] : code::EMPTY;
    b[lionX][lionY] = code::EMPTY;
    if (capturerOnBoard) b[fromX][fromY] = code::EMPTY;
    const LionHistory none{};
    int guarded = 0;
    if (defenderSign != 0) {
        for (int x = 1; x <= 12 && guarded == 0; ++x)
            for (int y = 1; y <= 12; ++y) {
                const PieceCode d = b[x][y];
                const bool defender = defenderSign < 0 ? d <= -1 : d >= 1;
                if (defender && check(b, none, false, x, y, lionX, lionY, d) == 1) {
                    guarded = 1;
                    break;
                }
            }
    }
    if (capturerOnBoard) b[fromX][fromY] = savedCapturer;
    b[lionX][lionY] = savedLion;
    return guarded;
}

int check(BoardGrid& b, const LionHistory& history, bool secondStep, int fx, int fy, int tx, int ty,
          PieceCode c) {
    if (tx < 1 || tx > 12 || ty < 1 || ty > 12) return 0;
    if (!onBoard(fx, fy)) return 0;
    const PieceCode target = b[tx][ty];
    if ((c >= 1 && target >= 1) || (c <= -1 && target <= -1)) return 0;
    if (fx == tx && fy == ty) return 0;
    if (isLion(target) && history.lastCaptured == -target && target != history.previousAfter)
        return 0;
    Step m{fx, fy, tx, ty, tx - fx, ty - fy, std::abs(tx - fx), std::abs(ty - fy), 0};
    m.f = c > 0 ? m.dy : -m.dy;
    if (c.isMidMove()) return secondStepRule(m, c.tenths());
    const int kind = c.kind();
    if (kind == 33 || kind == 34) {
        if (m.adx > 2 || m.ady > 2) return 0;
        if (!secondStep && isLion(target) && guarded(b, target >= 1 ? 1 : -1, fx, fy, tx, ty) == 1)
            return 0;
        return 1;
    }
    return pieceRule(b, m, kind);
}

PieceCode promotion(const BoardGrid& b, int fromY, int tx, int ty, PieceCode c) {
    static constexpr int kPromotable[] = {2,  4,  6,  8,  10, 12, 14, 16, 18,
                                          20, 22, 24, 26, 29, 31, 33, 36, 38};
    bool promotable = false;
    for (const int k : kPromotable) promotable |= !c.isMidMove() && c.kind() == k;
    if (!onBoard(tx, ty) || !promotable) return code::EMPTY;
    const PieceCode target = b[tx][ty];
    if (c <= -1 && ty < 5 && (fromY > 4 || target >= 1)) return PieceCode(c.whole() + 1);
    if (c >= 1 && ty > 8 && (fromY < 9 || target <= -1)) return PieceCode(c.whole() - 1);
    return code::EMPTY;
}

PieceCode secondStepCode(int selX, int selY, int destX, int destY, PieceCode pieceBefore) {
    const int forward = pieceBefore >= 1 ? 1 : -1;
    const int ahead = (destY - selY) * forward;
    const int dx = destX - selX;
    if (pieceBefore == code::COM_鷲 || pieceBefore == code::MAN_鷲) {
        if (ahead != 1 || dx == 0) return code::EMPTY;
        PieceCode mid = destX < selX ? code::COM_鷲_1 : code::COM_鷲_2;
        return forward > 0 ? mid : -mid;
    }
    if (pieceBefore == code::COM_鷹 || pieceBefore == code::MAN_鷹) {
        if (ahead != 1 || dx != 0) return code::EMPTY;
        return forward > 0 ? code::COM_仲 : code::MAN_仲;
    }
    if (isLion(pieceBefore)) {
        if (std::abs(dx) >= 2 || std::abs(destY - selY) >= 2) return code::EMPTY;
        PieceCode mid = pieceBefore.kind() == 33 ? code::COM_獅_R_1 : code::COM_獅_B_1;
        return forward > 0 ? mid : -mid;
    }
    return code::EMPTY;
}

}  // namespace before

// Every code a square can hold, mid-move codes included, and two that move nowhere.
std::vector<PieceCode> codesToTry() {
    std::vector<PieceCode> codes = test::allCodes();
    codes.push_back(PieceCode(40));
    codes.push_back(PieceCode::fromTenths(-183));
    return codes;
}

// Both move checks for a code from a square to every square of the board.
void compareFrom(BoardGrid& b, const LionHistory& h, bool secondStep, int fx, int fy, PieceCode c,
                 std::uint32_t seed) {
    for (int tx = 0; tx <= 13; ++tx)
        for (int ty = 0; ty <= 13; ++ty) {
            const int was = before::check(b, h, secondStep, fx, fy, tx, ty, c);
            ASSERT_EQ(moveCheck(b, h, secondStep, fx, fy, tx, ty, c), was)
                << "seed " << seed << " code " << c.tenths() << " " << fx << "," << fy << " -> "
                << tx << "," << ty << " second step " << secondStep;
        }
}

TEST(MoveTable, AnswersAsTheSwitchDidForEveryCodeOnEmptyAndSeededBoards) {
    const std::vector<PieceCode> codes = codesToTry();
    BoardGrid empty{};
    for (const PieceCode c : codes)
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y) {
                empty[x][y] = c;
                compareFrom(empty, LionHistory{}, false, x, y, c, 0);
                empty[x][y] = code::EMPTY;
            }
    // Crowded boards with lions and mid-move codes about, each code in turn
    // standing on each square, with histories that make the lion rules speak.
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        std::mt19937 rng(seed);
        BoardGrid b = test::randomPosition(seed, 20 + static_cast<int>(seed % 50), [](int) {
                          return true;
                      }).Board;
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y) {
                if (rng() % 20 == 0) b[x][y] = codes[rng() % codes.size()];
                if (rng() % 25 == 0) b[x][y] = PieceCode(rng() % 2 ? 33 : -34);
            }
        const PieceCode lions[] = {code::EMPTY, code::COM_獅_R, code::MAN_獅_B, code::MAN_獅_R};
        const LionHistory h{lions[rng() % 4], lions[rng() % 4], lions[rng() % 4]};
        const bool secondStep = seed % 3 == 0;
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y) {
                const PieceCode standing = b[x][y];
                compareFrom(b, h, secondStep, x, y, standing, seed);
                const PieceCode c = codes[(seed * 144 + x * 12 + y) % codes.size()];
                b[x][y] = c;
                compareFrom(b, h, secondStep, x, y, c, seed);
                b[x][y] = standing;
                // Every lion protected or not, against a capture from around it.
                if (!before::isLion(standing)) continue;
                for (int fx = x - 2; fx <= x + 2; ++fx)
                    for (int fy = y - 2; fy <= y + 2; ++fy)
                        for (const int side : {-1, 0, 1})
                            ASSERT_EQ(lionGuarded(b, side, fx, fy, x, y),
                                      before::guarded(b, side, fx, fy, x, y))
                                << "seed " << seed << " lion " << x << "," << y << " from " << fx
                                << "," << fy << " side " << side;
            }
    }
}

TEST(MoveTable, PromotesAndGoesOnAsTheSwitchDid) {
    BoardGrid b{};
    for (const PieceCode c : codesToTry()) {
        for (int fromY = 1; fromY <= 12; ++fromY)
            for (int ty = 0; ty <= 13; ++ty)
                for (const PieceCode target : {code::EMPTY, code::COM_歩, code::MAN_歩}) {
                    if (onBoard(6, ty)) b[6][ty] = target;
                    ASSERT_EQ(promotionOf(b, fromY, 6, ty, c),
                              before::promotion(b, fromY, 6, ty, c))
                        << "code " << c.tenths() << " rows " << fromY << " -> " << ty;
                    if (onBoard(6, ty)) b[6][ty] = code::EMPTY;
                }
        // The first steps a move can make: from (6, 6) to within two squares.
        for (int dx = -2; dx <= 2; ++dx)
            for (int dy = -2; dy <= 2; ++dy) {
                if (before::check(b, LionHistory{}, false, 6, 6, 6 + dx, 6 + dy, c) != 1) continue;
                ASSERT_EQ(二手目駒(6, 6, 6 + dx, 6 + dy, c),
                          before::secondStepCode(6, 6, 6 + dx, 6 + dy, c))
                    << "code " << c.tenths() << " step " << dx << "," << dy;
            }
    }
}

// The empty-board steps as the move check found them from the board's corners.
TEST(MoveTable, ListsTheEmptyBoardStepsTheSwitchFound) {
    for (int code = -39; code <= 39; ++code) {
        std::vector<std::pair<std::int8_t, std::int8_t>> found;
        const LionHistory none{};
        BoardGrid empty{};
        for (int dx = -11; dx <= 11; ++dx)
            for (int dy = -11; dy <= 11; ++dy) {
                const int fx = dx >= 0 ? 1 : 12, fy = dy >= 0 ? 1 : 12;
                if (code != 0 &&
                    before::check(empty, none, false, fx, fy, fx + dx, fy + dy, PieceCode(code)))
                    found.emplace_back(dx, dy);
            }
        EXPECT_EQ(emptyBoardSteps(PieceCode(code)), found) << "code " << code;
    }
}

}  // namespace
}  // namespace zk
