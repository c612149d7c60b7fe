// A child on pipes: lines split across writes, a last line without its
// newline, the end of its output, a silent child and one that cannot start.
#include "engine_process.h"

#include <gtest/gtest.h>

namespace {

using zk::bench::EngineProcess;

TEST(EngineProcess, LinesAcrossReadsAndTheEnd) {
    EngineProcess p;
    ASSERT_TRUE(
        p.start({"sh", "-c", "read x; printf 'ab'; sleep 0.2; printf \"c $x\\nd\\r\\nlast\""}));
    ASSERT_TRUE(p.writeLine("hello"));
    std::string line;
    ASSERT_EQ(p.readLine(line, 5000), EngineProcess::Read::Line);
    EXPECT_EQ(line, "abc hello");
    ASSERT_EQ(p.readLine(line, 5000), EngineProcess::Read::Line);
    EXPECT_EQ(line, "d");
    ASSERT_EQ(p.readLine(line, 5000), EngineProcess::Read::Line);
    EXPECT_EQ(line, "last");
    EXPECT_EQ(p.readLine(line, 5000), EngineProcess::Read::Closed);
    p.stop();
    EXPECT_FALSE(p.running());
}

TEST(EngineProcess, SilentChildTimesOutAndIsKilled) {
    EngineProcess p;
    // It ignores its closed input, so only the kill ends it.
    ASSERT_TRUE(p.start({"sh", "-c", "exec sleep 30"}));
    std::string line;
    EXPECT_EQ(p.readLine(line, 50), EngineProcess::Read::Timeout);
    p.stop(50);
    EXPECT_FALSE(p.running());
}

TEST(EngineProcess, MissingProgramReadsAsClosed) {
    EngineProcess p;
    ASSERT_TRUE(p.start({"/nonexistent/engine"}));
    std::string line;
    EXPECT_EQ(p.readLine(line, 5000), EngineProcess::Read::Closed);
    p.writeLine("usi");  // to a child that is gone: no signal ends the test
}

}  // namespace
