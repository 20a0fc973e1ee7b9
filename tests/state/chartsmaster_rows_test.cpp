// The shipped rows of table chartsmaster: the committed script is what the
// generator writes, and loaded into SQLite the rows cover every degree of
// every sign exactly once for each looked-up varga, with the signs the
// classical rules give.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "../../tools/chartsmaster/chartsmaster_rules.h"

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

const std::string kScriptPath = std::string(JD_SOURCE_DIR) + "/data/chartsmaster.sql";

struct DbClose {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct StmtFinalize {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Db = std::unique_ptr<sqlite3, DbClose>;
using Stmt = std::unique_ptr<sqlite3_stmt, StmtFinalize>;

void exec(sqlite3* db, const std::string& sql) {
    char* err = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err);
    const std::string message = err ? err : "";
    sqlite3_free(err);
    ASSERT_EQ(rc, SQLITE_OK) << message;
}

Stmt prepare(sqlite3* db, const char* sql) {
    sqlite3_stmt* s = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db, sql, -1, &s, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    return Stmt(s);
}

// An in-memory database holding the table as the schema defines it and the
// rows of the shipped script.
class ChartsMasterRows : public ::testing::Test {
protected:
    void SetUp() override {
        sqlite3* raw = nullptr;
        ASSERT_EQ(sqlite3_open(":memory:", &raw), SQLITE_OK);
        db_.reset(raw);
        exec(db_.get(), readFile(std::string(JD_SOURCE_DIR) + "/data/schema.sql"));
        exec(db_.get(), readFile(kScriptPath));
    }

    // The sign the program looks up: the same query, every value bound.
    int lookup(const std::string& chart, int rasiHouse, double degree) {
        if (!query_) {
            query_ = prepare(db_.get(),
                             "SELECT HouseNumber FROM chartsmaster WHERE chartname = ?1 AND startDegree <= ?2 "
                             "AND EndDegree > ?2 AND RasiHouse = ?3 ORDER BY rowid");
        }
        sqlite3_stmt* s = query_.get();
        sqlite3_reset(s);
        sqlite3_bind_text(s, 1, chart.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_double(s, 2, degree);
        sqlite3_bind_int(s, 3, rasiHouse);
        if (sqlite3_step(s) != SQLITE_ROW) return 0;
        const int sign = sqlite3_column_int(s, 0);
        EXPECT_EQ(sqlite3_step(s), SQLITE_DONE) << chart << " " << rasiHouse << " " << degree << " matches twice";
        return sign;
    }

    Db db_;
    Stmt query_;  // declared after db_, so finalized before it closes
};

TEST(ChartsMasterScript, IsWhatTheGeneratorWrites) {
    const std::string committed = readFile(kScriptPath);
    ASSERT_FALSE(committed.empty()) << kScriptPath;
    EXPECT_EQ(committed, jd::chartsmaster::renderSql(jd::chartsmaster::generateRows()))
        << "data/chartsmaster.sql is stale: run tools/chartsmaster/regenerate.sh";
    // The database build runs the script as it is: it empties the table
    // first and then only adds rows to it.
    std::istringstream lines(committed);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "DELETE FROM chartsmaster;");
    while (std::getline(lines, line)) {
        if (line.rfind("--", 0) == 0) continue;
        EXPECT_EQ(line.rfind("INSERT INTO chartsmaster (", 0), 0u) << line;
    }
}

// For every varga and sign the intervals, taken in order, start at 0, each
// ends exactly where the next starts, the last ends at 30; equal divisions
// have the bounds k * 30 / n as stored doubles.
TEST_F(ChartsMasterRows, CoverEveryDegreeOfEverySignOnce) {
    struct Interval {
        double start, end;
        int sign;
    };
    std::map<std::pair<std::string, int>, std::vector<Interval>> byChartAndSign;
    Stmt s = prepare(db_.get(), "SELECT chartname, RasiHouse, startDegree, EndDegree, HouseNumber FROM chartsmaster");
    int rows = 0;
    while (sqlite3_step(s.get()) == SQLITE_ROW) {
        ++rows;
        const std::string name = reinterpret_cast<const char*>(sqlite3_column_text(s.get(), 0));
        EXPECT_EQ(sqlite3_column_type(s.get(), 2), SQLITE_FLOAT);
        EXPECT_EQ(sqlite3_column_type(s.get(), 3), SQLITE_FLOAT);
        byChartAndSign[{name, sqlite3_column_int(s.get(), 1)}].push_back(
            {sqlite3_column_double(s.get(), 2), sqlite3_column_double(s.get(), 3), sqlite3_column_int(s.get(), 4)});
    }
    EXPECT_EQ(rows, 2592);

    const std::map<std::string, int> parts{
        {"HORA", 2},          {"DREKKANA", 3},          {"CHATURTHAMSHA", 4}, {"DASHAMSHA", 10},
        {"EKADASHAMSHA", 11}, {"DWADASHAMSHA", 12},     {"CHATURVIMSHAMSHA", 24}, {"TRIMSHAMSHA", 5},
        {"KHAVEDAMSA", 40},   {"AKSHVEDAMSA", 45},      {"SHASTIAMSA", 60}};
    EXPECT_EQ(byChartAndSign.size(), parts.size() * 12);
    for (const auto& [name, n] : parts) {
        for (int sign = 1; sign <= 12; ++sign) {
            auto it = byChartAndSign.find({name, sign});
            ASSERT_NE(it, byChartAndSign.end()) << name << " " << sign;
            auto intervals = it->second;
            ASSERT_EQ(int(intervals.size()), n) << name << " " << sign;
            std::sort(intervals.begin(), intervals.end(),
                      [](const Interval& a, const Interval& b) { return a.start < b.start; });
            EXPECT_EQ(intervals.front().start, 0.0) << name << " " << sign;
            EXPECT_EQ(intervals.back().end, 30.0) << name << " " << sign;
            for (int k = 0; k < n; ++k) {
                const Interval& in = intervals[k];
                EXPECT_LT(in.start, in.end) << name << " " << sign;
                EXPECT_GE(in.sign, 1);
                EXPECT_LE(in.sign, 12);
                if (k + 1 < n) {
                    EXPECT_EQ(in.end, intervals[k + 1].start) << name << " " << sign << " part " << k + 1;
                }
                if (name != "TRIMSHAMSHA") {
                    EXPECT_EQ(in.end, (k + 1) * 30.0 / n) << name << " " << sign;
                }
            }
        }
    }
}

// Each interval's own bounds: its start finds it, the double just below its
// end still finds it, its end finds the next one.
TEST_F(ChartsMasterRows, EveryBoundFallsInExactlyOneInterval) {
    for (const jd::chartsmaster::Row& r : jd::chartsmaster::generateRows()) {
        const std::string name(r.chartname);
        EXPECT_EQ(lookup(name, r.rasiHouse, r.startDegree), r.houseNumber) << name << " " << r.rasiHouse;
        EXPECT_EQ(lookup(name, r.rasiHouse, std::nextafter(r.endDegree, 0.0)), r.houseNumber)
            << name << " " << r.rasiHouse << " below " << r.endDegree;
    }
}

// The database the build makes beside the program holds the same rows.
TEST_F(ChartsMasterRows, BuiltDatabaseHoldsTheRows) {
    sqlite3* raw = nullptr;
    const std::string path = std::string(JD_BINARY_DIR) + "/bin/DBTessel.db";
    ASSERT_EQ(sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK) << path;
    Db built(raw);
    const char* sql =
        "SELECT chartname, RasiHouse, startDegree, EndDegree, HouseNumber FROM chartsmaster "
        "ORDER BY chartname, RasiHouse, startDegree";
    Stmt a = prepare(built.get(), sql);
    Stmt b = prepare(db_.get(), sql);
    int rows = 0;
    while (sqlite3_step(b.get()) == SQLITE_ROW) {
        ASSERT_EQ(sqlite3_step(a.get()), SQLITE_ROW) << "the built table lacks rows";
        for (int c = 0; c < 5; ++c) {
            ASSERT_EQ(sqlite3_column_double(a.get(), c), sqlite3_column_double(b.get(), c)) << "row " << rows;
        }
        ASSERT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(a.get(), 0)),
                     reinterpret_cast<const char*>(sqlite3_column_text(b.get(), 0)));
        ++rows;
    }
    EXPECT_EQ(sqlite3_step(a.get()), SQLITE_DONE) << "the built table has more rows";
    EXPECT_EQ(rows, 2592);
}

// Cells worked out by hand from the classical rules.
TEST_F(ChartsMasterRows, HandCheckedCells) {
    struct Case {
        const char* chart;
        int rasi;
        double degree;
        int sign;
    };
    const Case cases[] = {
        {"HORA", 1, 14.99, 5},   {"HORA", 1, 15, 4},          // odd: Leo, then Cancer
        {"HORA", 2, 0, 4},       {"HORA", 2, 29.9, 5},        // even: Cancer, then Leo
        {"DREKKANA", 1, 10, 5},  {"DREKKANA", 1, 20, 9},      // 5th and 9th from Aries
        {"DREKKANA", 12, 25, 8},                              // 9th from Pisces is Scorpio
        {"CHATURTHAMSHA", 4, 7.5, 7}, {"CHATURTHAMSHA", 10, 29, 7},  // 4th, 10th from the sign
        {"DASHAMSHA", 1, 3, 2},  {"DASHAMSHA", 1, 27, 10},   // odd: from the sign
        {"DASHAMSHA", 2, 0, 10}, {"DASHAMSHA", 2, 29, 7},    // even: from the 9th (Capricorn)
        {"EKADASHAMSHA", 1, 0, 1}, {"EKADASHAMSHA", 1, 29, 11},
        {"EKADASHAMSHA", 2, 0, 12}, {"EKADASHAMSHA", 2, 3, 1},  // counting runs on from Aries
        {"EKADASHAMSHA", 12, 29.9, 12},
        {"DWADASHAMSHA", 5, 0, 5}, {"DWADASHAMSHA", 5, 29, 4},
        {"CHATURVIMSHAMSHA", 1, 0, 5}, {"CHATURVIMSHAMSHA", 1, 29, 4},  // odd from Leo
        {"CHATURVIMSHAMSHA", 2, 0, 4}, {"CHATURVIMSHAMSHA", 2, 1.25, 5},  // even from Cancer
        {"TRIMSHAMSHA", 1, 0, 1},  {"TRIMSHAMSHA", 1, 5, 11}, {"TRIMSHAMSHA", 1, 17.99, 9},
        {"TRIMSHAMSHA", 1, 18, 3}, {"TRIMSHAMSHA", 1, 29.999, 7},
        {"TRIMSHAMSHA", 2, 4.99, 2}, {"TRIMSHAMSHA", 2, 11.99, 6}, {"TRIMSHAMSHA", 2, 12, 12},
        {"TRIMSHAMSHA", 2, 20, 10}, {"TRIMSHAMSHA", 2, 29, 8},  // 29 Taurus is Scorpio
        {"KHAVEDAMSA", 1, 29.5, 4}, {"KHAVEDAMSA", 2, 0, 7},   // odd from Aries, even from Libra
        {"AKSHVEDAMSA", 4, 0, 1},  {"AKSHVEDAMSA", 2, 0, 5}, {"AKSHVEDAMSA", 3, 0, 9},
        {"AKSHVEDAMSA", 1, 2.0 / 3.0, 2}, {"AKSHVEDAMSA", 1, std::nextafter(2.0 / 3.0, 0.0), 1},
        {"SHASTIAMSA", 1, 0.49, 1}, {"SHASTIAMSA", 1, 0.5, 2}, {"SHASTIAMSA", 3, 29.9, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(lookup(c.chart, c.rasi, c.degree), c.sign) << c.chart << " sign " << c.rasi << " at " << c.degree;
    }
}

}  // namespace
