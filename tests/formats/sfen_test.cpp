#include "sfen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>

#include "move_list.h"
#include "move_table.h"
#include "pieces.h"

namespace zk {
namespace {

const char* const kInitial =
    "+l+f+c+s+g+ek+g+s+c+f+l/+a1+b1+t+x+o+t1+b1+a/+m+v+r+h+dqn+d+h+r+v+m/+p+p+p+p+p+p+p+p+p+p+p+p/"
    "3+i4+i3/12/12/3+I4+I3/+P+P+P+P+P+P+P+P+P+P+P+P/+M+V+R+H+DNQ+D+H+R+V+M/+A1+B1+T+O+X+T1+B1+A/"
    "+L+F+C+S+GK+E+G+S+C+F+L b - 1";
// The same position as written before the kirin took O and the phoenix X.
const char* const kOldInitial =
    "+l+f+c+s+g+ek+g+s+c+f+l/+a1+b1+t+o+x+t1+b1+a/+m+v+r+h+dqn+d+h+r+v+m/+p+p+p+p+p+p+p+p+p+p+p+p/"
    "3+i4+i3/12/12/3+I4+I3/+P+P+P+P+P+P+P+P+P+P+P+P/+M+V+R+H+DNQ+D+H+R+V+M/+A1+B1+T+X+O+T1+B1+A/"
    "+L+F+C+S+GK+E+G+S+C+F+L b - 1";

// Chu SFEN's letters as players publish them: the piece each stands for and,
// for a '+' letter, the piece it was promoted from (which this program's
// rules turn it back into). Written from the convention, not from the reader.
struct Published {
    const char* token;
    const char* piece;
    const char* promotedFrom;  // nullptr: no '+'
};
constexpr Published kPublished[] = {
    {"p", "歩", nullptr}, {"+p", "と", "歩"},   {"l", "香", nullptr}, {"+l", "白", "香"},
    {"c", "銅", nullptr}, {"+c", "横", "銅"},   {"m", "横", nullptr}, {"+m", "猪", "横"},
    {"s", "銀", nullptr}, {"+s", "竪", "銀"},   {"v", "竪", nullptr}, {"+v", "牛", "竪"},
    {"g", "金", nullptr}, {"+g", "飛", "金"},   {"r", "飛", nullptr}, {"+r", "龍", "飛"},
    {"d", "龍", nullptr}, {"+d", "鷲", "龍"},   {"f", "豹", nullptr}, {"+f", "角", "豹"},
    {"b", "角", nullptr}, {"+b", "馬", "角"},   {"h", "馬", nullptr}, {"+h", "鷹", "馬"},
    {"x", "鳳", nullptr}, {"+x", "奔", "鳳"},   {"q", "奔", nullptr}, {"a", "反", nullptr},
    {"+a", "鯨", "反"},   {"t", "虎", nullptr}, {"+t", "鹿", "虎"},   {"o", "麒", nullptr},
    {"+o", "獅", "麒"},   {"n", "獅", nullptr}, {"i", "仲", nullptr}, {"+i", "象", "仲"},
    {"e", "象", nullptr}, {"+e", "太", "象"},   {"k", "王", nullptr},
};

// Walks the board field by the published letters and checks that `p` holds
// each piece on its square, of its side, and nothing elsewhere.
void expectPublishedPlacement(const std::string& sfen, const Position& p) {
    SCOPED_TRACE(sfen);
    BoardGrid seen{};
    int x = 1, y = 1;
    for (std::size_t i = 0; i < sfen.size() && sfen[i] != ' '; ++i) {
        const char c = sfen[i];
        if (c == '/') {
            ++y, x = 1;
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            int n = c - '0';
            if (std::isdigit(static_cast<unsigned char>(sfen[i + 1]))) n = n * 10 + sfen[++i] - '0';
            x += n;
        } else {
            std::string token = c == '+' ? std::string("+") + sfen[++i] : std::string(1, c);
            const bool bottom = std::isupper(static_cast<unsigned char>(token.back())) != 0;
            token.back() =
                static_cast<char>(std::tolower(static_cast<unsigned char>(token.back())));
            const Published* letter = nullptr;
            for (const Published& q : kPublished)
                if (token == q.token) letter = &q;
            ASSERT_NE(letter, nullptr) << token;
            const PieceCode code = p.Board[x][y];
            SCOPED_TRACE(token + " at " + std::to_string(x) + "," + std::to_string(y));
            EXPECT_EQ(code < 0, bottom);
            EXPECT_STREQ(駒漢字(code.kind()), letter->piece);
            const PieceCode back = pieceMoves(RuleSet::Zenkoru, code).promoted;
            EXPECT_STREQ(駒漢字(back.kind()), letter->promotedFrom ? letter->promotedFrom : "");
            seen[x][y] = code;
            ++x;
        }
    }
    EXPECT_EQ(seen, p.Board);
}

// A position some way into a game: moves chosen by a fixed sequence.
Position middleGame(int moves) {
    Position p = Position::initial();
    std::mt19937 pick(2026);
    std::vector<Move> legal;
    for (int i = 0; i < moves; ++i) {
        legalMoves(p, Mover::Computer, legal);
        if (legal.empty()) break;
        apply(p, legal[pick() % legal.size()]);
    }
    return p;
}

TEST(Sfen, WritesEveryCodeOnceAndReadsItBack) {
    EXPECT_EQ(formatSfen(Position::initial()), kInitial);
    Position p;
    ASSERT_TRUE(parseSfen(kInitial, p).ok);
    EXPECT_EQ(p, Position::initial());

    // Every kind of both sides on one board, the top side to move.
    Position all = Position::fromBoard(BoardGrid{}, 1);
    for (int k = 1; k <= 39; ++k) {
        all.Board[1 + (k - 1) % 12][1 + (k - 1) / 12] = PieceCode(k);
        all.Board[1 + (k - 1) % 12][12 - (k - 1) / 12] = PieceCode(-k);
    }
    const std::string text = formatSfen(all);
    EXPECT_EQ(text.substr(text.size() - 6), " w - 1");
    ASSERT_TRUE(parseSfen(text, p).ok) << text;
    EXPECT_EQ(p, all);
}

TEST(Sfen, EveryLetterIsThePublishedPiece) {
    // The start, a game some way in, and every kind of both sides.
    expectPublishedPlacement(formatSfen(Position::initial()), Position::initial());
    const Position middle = middleGame(120);
    ASSERT_NE(middle.Board, Position::initial().Board);
    expectPublishedPlacement(formatSfen(middle), middle);
    Position all = Position::fromBoard(BoardGrid{}, 1);
    for (int k = 1; k <= 39; ++k) {
        all.Board[1 + (k - 1) % 12][1 + (k - 1) / 12] = PieceCode(k);
        all.Board[1 + (k - 1) % 12][12 - (k - 1) / 12] = PieceCode(-k);
    }
    expectPublishedPlacement(formatSfen(all), all);
    // Read back: the published letters put the same pieces where they were.
    Position read;
    ASSERT_TRUE(parseSfen(formatSfen(middle), read).ok);
    EXPECT_EQ(read.Board, middle.Board);
    // The position players paste, of unpromoted pieces.
    const std::string standard =
        "lfcsgekgscfl/a1b1txot1b1a/mvrhdqndhrvm/pppppppppppp/3i4i3/12/12/3I4I3/PPPPPPPPPPPP/"
        "MVRHDNQDHRVM/A1B1TOXT1B1A/LFCSGKEGSCFL b - 1";
    ASSERT_TRUE(parseSfen(standard, read).ok);
    expectPublishedPlacement(standard, read);
}

TEST(Sfen, TheMoveNumberIsTheNextMovesAndIsRead) {
    const Position p = middleGame(7);
    const std::string text = formatSfen(p, 8);
    EXPECT_EQ(text.substr(text.size() - 6), " w - 8");
    Position read;
    int number = 0;
    ASSERT_TRUE(parseSfen(text, read, number).ok);
    EXPECT_EQ(number, 8);
    EXPECT_EQ(read, Position::fromBoard(p.Board, p.mover));
    ASSERT_TRUE(parseSfen(formatSfen(p, 123456), read, number).ok);
    EXPECT_EQ(number, 123456);
    ASSERT_TRUE(parseSfen(text.substr(0, text.size() - 4), read, number).ok);  // left out
    EXPECT_EQ(number, 1);

    ImportedGame g;
    const std::string game =
        "position sfen " + formatSfen(p, 8) + " moves " + usiMove(legalMoves(p).front());
    ASSERT_TRUE(parseGameText(game, g).ok);
    EXPECT_EQ(g.startMoveNumber, 8);
    EXPECT_EQ(formatGameText(g.start, g.moves, g.startMoveNumber), game);
    ASSERT_TRUE(parseGameText("startpos moves 7i7h", g).ok);
    EXPECT_EQ(g.startMoveNumber, 1);
}

TEST(Sfen, OldSpellingIsReadOnlyWhereTheCommonOneCannotBeMeant) {
    // The initial position as old files wrote it reads as the initial position.
    Position p;
    ASSERT_TRUE(parseSfen(kOldInitial, p).ok);
    EXPECT_EQ(p, Position::initial());
    ImportedGame g;
    ASSERT_TRUE(
        parseGameText(std::string("position sfen ") + kOldInitial + " moves 7i7h 6d6e", g).ok);
    EXPECT_EQ(g.start, Position::initial());
    EXPECT_EQ(g.end.Board[6][11], code::MAN_獅_R);

    // A lion's leap that only the old reading allows: the bottom +X is a
    // lion when read the old way, a free king when read the common way.
    const std::string rows = "/12/12/12/12/12/12/12/12/12/";
    const std::string old = "6k5" + rows + "5+X6/5K6 b";
    ASSERT_TRUE(parseSfen(old, p).ok);
    EXPECT_EQ(p.Board[6][11], code::MAN_奔_R);  // a position alone: the common reading
    ASSERT_TRUE(parseGameText(old + " moves 7k6i", g).ok);
    EXPECT_EQ(g.start.Board[6][11], code::MAN_獅_R);
    EXPECT_EQ(g.end.Board[7][9], code::MAN_獅_R);
    // A game neither reading allows is refused where the common reading fails.
    const NotationError e = parseGameText(old + " moves 7k6i 6a6b 6i4f", g);
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.move, 1);
    // Moves both readings allow are read the common way.
    ASSERT_TRUE(parseGameText(old + " moves 7k7j", g).ok);
    EXPECT_EQ(g.end.Board[6][10], code::MAN_奔_R);
}

TEST(Sfen, ReadsTheStandardPositionPlayersPaste) {
    Position p;
    const NotationError e = parseSfen(
        "lfcsgekgscfl/a1b1txot1b1a/mvrhdqndhrvm/pppppppppppp/3i4i3/12/12/3I4I3/PPPPPPPPPPPP/"
        "MVRHDNQDHRVM/A1B1TOXT1B1A/LFCSGKEGSCFL b - 1",
        p);
    ASSERT_TRUE(e.ok) << notationErrorText(e);
    EXPECT_EQ(p.mover, -1);
    EXPECT_EQ(p.Board[6][10], code::MAN_獅_B);  // N
    EXPECT_EQ(p.Board[7][10], code::MAN_奔_B);  // Q
    EXPECT_EQ(p.Board[4][8], code::MAN_仲);     // I
    EXPECT_EQ(p.Board[1][1], code::COM_香);     // l
    EXPECT_EQ(p.Board[7][1], code::COM_王);
    EXPECT_EQ(legalMoves(p).empty(), false);
}

TEST(Sfen, RefusesNamingTheFirstBadField) {
    const std::string rows = "/12/12/12/12/12/12/12/12/12/12/";
    struct Case {
        std::string text;
        int field;
    } cases[] = {
        {"", 1},
        {"5k6" + rows + "6K5", 2},
        {"5k6" + rows + "6K5 x", 2},
        {"5k6" + rows + "6K5 b +", 3},
        {"5k6" + rows + "6K5 b - 0", 4},
        {"5k6" + rows + "6K5 b - 1 extra", 0},
        {"5k6" + rows + "6K", 1},        // a short rank
        {"5k7" + rows + "6K5 b", 1},     // a long rank
        {"5k6" + rows + "6K5/12 b", 1},  // thirteen ranks
        {"5z6" + rows + "6K5 b", 1},     // no such piece
        {"5+k6" + rows + "6K5 b", 1},    // the king has no promoted form
        {"12" + rows + "6K5 b", 1},      // no royal piece on top
        {"5k6" + rows + "6K4+ b", 1},    // '+' at the end
    };
    for (const Case& c : cases) {
        Position p = Position::initial();
        const NotationError e = parseSfen(c.text, p);
        EXPECT_FALSE(e.ok) << c.text;
        EXPECT_EQ(e.field, c.field) << c.text << ": " << notationErrorText(e);
        EXPECT_EQ(p, Position::initial()) << c.text;
    }
    Position p;
    EXPECT_TRUE(parseSfen("5k6" + rows + "5+E6 w", p).ok);  // a crown prince is royal
}

TEST(Usi, WritesSquaresFromTheRightAndTwoStepMovesAsThreeSquares) {
    EXPECT_EQ(usiSquare(1, 1), "12a");
    EXPECT_EQ(usiSquare(12, 12), "1l");
    Move m;
    m.fromX = 6, m.fromY = 5, m.midX = 6, m.midY = 6, m.toX = 6, m.toY = 7;
    m.piece = m.midAfter = m.after = code::COM_獅_B;
    EXPECT_EQ(usiMove(m), "7e7f7g");
    m.midX = 0;
    m.after = code::COM_歩;
    EXPECT_EQ(usiMove(m), "7e7g+");
}

TEST(GameTextReader, RefusesTheFirstBadMoveAndLeavesTheGameAlone) {
    ImportedGame g;
    ASSERT_TRUE(parseGameText("position startpos moves 7i7h 8d8e 7h7g", g).ok);
    ASSERT_EQ(g.moves.size(), 3u);
    EXPECT_EQ(g.record.recordEnd, 3);
    const ImportedGame kept = g;

    struct Case {
        const char* text;
        int field, move;
    } cases[] = {
        {"position startpos moves 7i7h 8d8e 7h7f", 0, 3},  // a pawn does not jump
        {"startpos moves 7i7h 7i7h", 0, 2},                // the top side moves now
        {"startpos moves 7i7h 8d8e 13a1a", 0, 3},          // no file 13
        {"startpos moves 7i7h 8d8e 7h7g7f7e", 0, 3},       // four squares
        {"startpos moves 7i7h+", 0, 1},                    // no promotion there
        {"startpos moves 7j7i7h", 0, 1},                   // the lion's square is taken
        {"startpos 7i7h", 0, 0},                           // "moves" missing
        {"position sfen 12 b moves 7i7h", 1, 0},
    };
    for (const Case& c : cases) {
        g = kept;
        const NotationError e = parseGameText(c.text, g);
        EXPECT_FALSE(e.ok) << c.text;
        EXPECT_EQ(e.field, c.field) << c.text;
        EXPECT_EQ(e.move, c.move) << c.text << ": " << notationErrorText(e);
        EXPECT_EQ(g.moves, kept.moves) << c.text;
        EXPECT_EQ(g.record.entries, kept.record.entries) << c.text;
    }
    EXPECT_EQ(notationErrorText({false, 0, 3, "7h7f"}), "3手目が指せません：7h7f");
    // Too long to be a game: refused before any move is read.
    std::string longGame = "startpos moves";
    while (longGame.size() <= kMaxGameTextBytes) longGame += " 7i7h 8d8e 7h7i 8e8d";
    EXPECT_FALSE(parseGameText(longGame, g).ok);
}

TEST(GameTextReader, ReadsTheLionsMovesAsThePressFlowRecordsThem) {
    // 7j is the bottom lion (34); 7i is empty after the pawn's move.
    ImportedGame g;
    ASSERT_TRUE(parseGameText("startpos moves 7i7h 6d6e 7j7i 5d5e 7i8h7g", g).ok);
    ASSERT_EQ(g.record.recordEnd, 7);
    // A first step alone writes the step twice, the second time "taking" itself.
    EXPECT_EQ(g.record.at(3),
              (MoveRecord{6, 10, 6, 9, code::EMPTY, code::MAN_獅_B, code::MAN_獅_B}));
    EXPECT_EQ(g.record.at(4),
              (MoveRecord{6, 10, 6, 9, code::MAN_獅_B, code::MAN_獅_B, code::MAN_獅_B}));
    // Going on writes each step, the second from where the first ended.
    EXPECT_EQ(g.record.at(7).fromY, 8);
    EXPECT_EQ(g.record.at(7).toX, 6);
    EXPECT_TRUE(g.moves[2].stopped);
    EXPECT_TRUE(g.moves[4].isTwoStep());
    EXPECT_EQ(formatGameText(g.start, movesOfRecord(g.record)),
              std::string("position sfen ") + kInitial + " moves 7i7h 6d6e 7j7i 5d5e 7i8h7g");
    const std::vector<MoveListItem> list = moveList(g.record);
    ASSERT_EQ(list.size(), 5u);
    EXPECT_EQ(list[4].firstEntry, 6);
    EXPECT_EQ(list[4].text, "８八・７七獅");
}

// A standard game as Lishogi shares one: the standard start, then USI moves
// with a lion's two steps (7j7i6h), a promotion (4j10d+) and two lions
// passing (6g6f6g, 6c6d6c), all as three squares.
const std::string kStandardStart =
    "lfcsgekgscfl/a1b1txot1b1a/mvrhdqndhrvm/pppppppppppp/3i4i3/12/12/3I4I3/PPPPPPPPPPPP/"
    "MVRHDNQDHRVM/A1B1TOXT1B1A/LFCSGKEGSCFL b - 1";
const char* const kLishogiMoves[] = {"7i7h", "6d6e", "7j7i6h", "7d7e",   "6h6g",   "5d5e",
                                     "5i5h", "9e9f", "4j10d+", "10c10d", "6g6f6g", "6c6d6c"};

std::string lishogiGame() {
    std::string t = "position sfen " + kStandardStart + " moves";
    for (const char* m : kLishogiMoves) t += std::string(" ") + m;
    return t;
}

TEST(LishogiGameText, ReadsReplaysAndWritesBackAStandardGame) {
    ImportedGame g;
    ASSERT_TRUE(parseGameText(lishogiGame(), g).ok)
        << notationErrorText(parseGameText(lishogiGame(), g));
    EXPECT_EQ(g.start, Position::initial(RuleSet::Standard));
    ASSERT_EQ(g.moves.size(), std::size(kLishogiMoves));
    EXPECT_TRUE(g.moves[2].isTwoStep());
    EXPECT_EQ(g.moves[8].after.kind(), 24);  // the horse became a falcon
    EXPECT_TRUE(g.moves[10].isTwoStep());
    EXPECT_EQ(g.moves[10].fromX, g.moves[10].toX);
    EXPECT_EQ(g.moves[10].fromY, g.moves[10].toY);
    // Played move by move by the standard rules, naming each by its text.
    Position p = Position::initial(RuleSet::Standard);
    for (const char* text : kLishogiMoves) {
        const std::vector<Move> moves = legalMoves(p, Mover::Computer);
        const auto it = std::find_if(moves.begin(), moves.end(),
                                     [&](const Move& m) { return usiMove(m) == text; });
        ASSERT_NE(it, moves.end()) << text;
        apply(p, *it);
    }
    EXPECT_EQ(g.end, p);
    EXPECT_EQ(formatGameText(g.start, g.moves, g.startMoveNumber), lishogiGame());
    // The bare form reads the same game, and so does startpos when the
    // standard rules are given (without, startpos is this program's start).
    ImportedGame bare, start;
    ASSERT_TRUE(parseGameText(lishogiGame().substr(std::string("position ").size()), bare).ok);
    EXPECT_EQ(bare.moves, g.moves);
    std::string fromStartpos = "startpos moves";
    for (const char* m : kLishogiMoves) fromStartpos += std::string(" ") + m;
    ASSERT_TRUE(parseGameText(fromStartpos, start, TopSide::Human, RuleSet::Standard).ok);
    EXPECT_EQ(start.start.rules, RuleSet::Standard);
    EXPECT_EQ(start.moves, g.moves);
}

TEST(LishogiGameText, TheRulesAreThoseTheTextShows) {
    EXPECT_EQ(guessRuleSet(Position::initial()), RuleSet::Zenkoru);
    EXPECT_EQ(guessRuleSet(Position::initial(RuleSet::Standard)), RuleSet::Standard);
    // A standard game's middle, and this program's game after a few moves.
    Position mid;
    ASSERT_TRUE(parseSfen("lt5s1v1l/a1v1q3s2a/f2gge2kcf+A/2bc+H+Pt2+Po1/mpS1P3bOV1/1VD9/5E6/"
                          "4+iB1PP1M+L/1+p6R3/A1C1K2R3S/L2XGBG2F2/2F2TT1HD2 b - 369",
                          mid, RuleSet::Standard)
                    .ok);
    EXPECT_EQ(guessRuleSet(mid), RuleSet::Standard);
    ImportedGame g;
    ASSERT_TRUE(parseGameText("startpos moves 7i7h 6d6e 7j7i6h", g).ok);
    EXPECT_EQ(g.start.rules, RuleSet::Zenkoru);
    EXPECT_EQ(guessRuleSet(g.end), RuleSet::Zenkoru);
    // Two tokins and a pawn look like this program's game, but only the
    // standard rules let the pawn promote: the moves decide.
    const std::string board = "k+p+p9/12/12/12/6P5/12/12/+P+P10/12/12/12/11K b - 1";
    ASSERT_TRUE(parseSfen(board, mid).ok);
    EXPECT_EQ(guessRuleSet(mid), RuleSet::Zenkoru);
    ASSERT_TRUE(parseGameText("sfen " + board + " moves 6e6d+ 10a10b", g).ok);
    EXPECT_EQ(g.start.rules, RuleSet::Standard);
    EXPECT_EQ(g.end.Board[7][4].kind(), 2);
    // Refused both ways: the reading that got furthest names the move.
    const NotationError e = parseGameText("sfen " + board + " moves 6e6d+ 10a10b 6d6b", g);
    EXPECT_EQ(e.move, 3);
    EXPECT_EQ(notationErrorText(e), "3手目が指せません：6d6b");
    // Given rules are kept to: this program's rules refuse the promotion.
    EXPECT_EQ(
        parseGameText("sfen " + board + " moves 6e6d+", g, TopSide::Human, RuleSet::Zenkoru).move,
        1);
}

}  // namespace
}  // namespace zk
