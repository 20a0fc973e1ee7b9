#include "platform/database_build.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "platform/database.h"
#include "platform/run_time_error.h"

namespace fs = std::filesystem;
using jd::Database;

namespace {

const std::string kDataDir = std::string(JD_SOURCE_DIR) + "/data";

fs::path scratchFolder(const std::string& name) {
    auto dir = fs::temp_directory_path() / ("jd_build_" + std::to_string(::getpid()) + "_" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

void writeFile(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// The first row's first column of a query, as text.
template <typename... Args>
std::string scalar(Database& db, const std::string& sql, const Args&... values) {
    auto st = db.query(sql, values...);
    if (!st.step()) return "<no row>";
    return st.asText(0);
}

// The database built from the shipped data folder, once for the suite.
class ShippedDatabase : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = scratchFolder("shipped");
        jd::buildDatabase(built(), kDataDir);
    }
    static void TearDownTestSuite() { fs::remove_all(folder_); }
    static std::string built() { return (folder_ / "DBTessel.db").string(); }

    // A copy a test may change.
    std::string copy(const std::string& name) {
        const auto target = folder_ / name;
        fs::copy_file(built(), target, fs::copy_options::overwrite_existing);
        return target.string();
    }

    static fs::path folder_;
};
fs::path ShippedDatabase::folder_;

TEST_F(ShippedDatabase, ShipsThePreferenceRowAndTheChartCellSource) {
    Database db(built());
    auto pref = db.query("SELECT * FROM Preference");
    ASSERT_TRUE(pref.step());
    EXPECT_EQ(pref.asText("PreID"), "1");
    EXPECT_EQ(pref.asText("Ayanamsa"), "Lahiri");
    EXPECT_EQ(pref.asText("Bhava"), "Equal");
    EXPECT_DOUBLE_EQ(pref.asDouble("DayinYear"), 365.25);
    EXPECT_EQ(pref.asText("ChartStyle"), "South");
    EXPECT_EQ(pref.asText("Preferlanguage"), "English");
    EXPECT_DOUBLE_EQ(pref.asDouble("customYear"), 0);
    EXPECT_DOUBLE_EQ(pref.asDouble("customProgress"), 0);
    EXPECT_FALSE(pref.step());

    // The report's one-row query over the chart-cell source yields one record.
    auto cells = db.query("select 'Sun Moo','','Mar' from tempdasasandhi");
    ASSERT_TRUE(cells.step());
    EXPECT_EQ(cells.asText(0), "Sun Moo");
    EXPECT_FALSE(cells.step());

    for (const char* table : {"ChartSave", "GChartSave", "PersonalDetails", "tempBhukthi"}) {
        EXPECT_EQ(scalar(db, std::string("SELECT count(*) FROM ") + table), "0") << table;
    }
}

TEST_F(ShippedDatabase, AtlasHoldsTheCitiesAstrologersNeed) {
    Database db(built());
    const struct {
        const char* country;
        const char* city;
        int latDeg;
        const char* ns;
        int latMin;
        int lonDeg;
        const char* ew;
        int lonMin;
    } cities[] = {
        {"India", "Hyderabad", 17, "N", 23, 78, "E", 27},
        {"India", "Chennai", 13, "N", 5, 80, "E", 17},
        {"India", "Jodhpur (Rajasthan)", 26, "N", 16, 73, "E", 0},
        {"India", "Jodhpur (Gujarat)", 21, "N", 54, 70, "E", 2},
        {"United Kingdom", "London", 51, "N", 31, 0, "W", 8},
    };
    for (const auto& c : cities) {
        auto st = db.query(
            "SELECT c.* FROM City_Master c JOIN Country_Master k ON k.CountryID = c.CountryID"
            " WHERE k.CountryName = ? AND c.CityName = ?",
            c.country, c.city);
        ASSERT_TRUE(st.step()) << c.city;
        EXPECT_EQ(st.asInt("LatitudeDegree"), c.latDeg) << c.city;
        EXPECT_EQ(st.asText("Latitude_NS"), c.ns) << c.city;
        EXPECT_NEAR(st.asInt("LatitudeMinute"), c.latMin, 1) << c.city;
        EXPECT_EQ(st.asInt("LongitudeDegree"), c.lonDeg) << c.city;
        EXPECT_EQ(st.asText("Longitude_EW"), c.ew) << c.city;
        EXPECT_NEAR(st.asInt("LongitudeMinute"), c.lonMin, 1) << c.city;
        EXPECT_FALSE(st.step()) << c.city << " twice";
    }
    EXPECT_EQ(scalar(db, "SELECT count(*) FROM City_Master WHERE CityName = 'Jodhpur'"), "0");

    // India: one zone, listed in its TimeZoneID.
    const std::string india = scalar(db, "SELECT TimeZoneID FROM Country_Master WHERE CountryName = 'India'");
    auto zone = db.query("SELECT * FROM TimeZone WHERE SNo = ?", std::stoi(india));
    ASSERT_TRUE(zone.step());
    EXPECT_EQ(india.find(','), std::string::npos);
    EXPECT_EQ(zone.asText("Place"), "India");
    EXPECT_EQ(zone.asText("TimeDifference"), "5.5");
    EXPECT_EQ(zone.asText("TimeZone"), "E");

    // The United States: one zone per standard offset, the eastern one first.
    const std::string usa =
        scalar(db, "SELECT TimeZoneID FROM Country_Master WHERE CountryName = 'United States of America'");
    std::set<std::string> offsets;
    std::string first;
    std::size_t start = 0;
    while (start <= usa.size()) {
        const std::size_t comma = std::min(usa.find(',', start), usa.size());
        auto z = db.query("SELECT * FROM TimeZone WHERE SNo = ?", std::stoi(usa.substr(start, comma - start)));
        ASSERT_TRUE(z.step()) << usa;
        EXPECT_EQ(z.asText("TimeZone"), "W");
        offsets.insert(z.asText("TimeDifference"));
        if (first.empty()) first = z.asText("Place");
        start = comma + 1;
    }
    EXPECT_EQ(offsets, (std::set<std::string>{"5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(first, "United States of America (New York)");
}

TEST_F(ShippedDatabase, EveryCountryAndCityIsUsableFromTheLists) {
    Database db(built());
    // Countries were inserted in name order, so table order is list order.
    std::vector<std::string> byKey, byName;
    for (auto st = db.query("SELECT CountryName FROM Country_Master ORDER BY CountryID"); st.step();) {
        byKey.push_back(st.asText(0));
    }
    for (auto st = db.query("SELECT CountryName FROM Country_Master ORDER BY CountryName"); st.step();) {
        byName.push_back(st.asText(0));
    }
    EXPECT_EQ(byKey, byName);
    EXPECT_GT(byKey.size(), 200u);

    // Every country has zones, every listed zone exists, and a country's
    // first zone is one of its own.
    EXPECT_EQ(scalar(db, "SELECT count(*) FROM Country_Master WHERE TimeZoneID IS NULL OR TimeZoneID = ''"), "0");
    for (auto st = db.query("SELECT CountryName, TimeZoneID FROM Country_Master"); st.step();) {
        const std::string ids = st.asText("TimeZoneID");
        for (std::size_t start = 0; start <= ids.size();) {
            const std::size_t comma = std::min(ids.find(',', start), ids.size());
            const std::string id = ids.substr(start, comma - start);
            ASSERT_EQ(scalar(db, "SELECT count(*) FROM TimeZone WHERE SNo = ?", std::stoi(id)), "1")
                << st.asText("CountryName") << " lists zone " << id;
            start = comma + 1;
        }
    }
    EXPECT_EQ(scalar(db, "SELECT count(*) FROM TimeZone WHERE length(Place) > 50 OR TimeDifference < 0"
                         " OR TimeZone NOT IN ('E', 'W') OR TimeDifference <> round(TimeDifference, 2)"),
              "0");
    EXPECT_EQ(scalar(db, "SELECT count(*) FROM Country_Master WHERE length(CountryName) > 25"), "0");

    // No two cities of one country share a name, letter case aside, and
    // every city belongs to a country.
    EXPECT_EQ(scalar(db, "SELECT count(*) FROM (SELECT 1 FROM City_Master GROUP BY CountryID, CityName"
                         " COLLATE NOCASE HAVING count(*) > 1)"),
              "0");
    EXPECT_EQ(scalar(db, "SELECT count(*) FROM City_Master WHERE CountryID NOT IN"
                         " (SELECT CountryID FROM Country_Master)"),
              "0");
    EXPECT_EQ(scalar(db, "SELECT count(*) FROM City_Master WHERE LatitudeMinute NOT BETWEEN 0 AND 59"
                         " OR LongitudeMinute NOT BETWEEN 0 AND 59 OR LatitudeDegree > 90"
                         " OR LongitudeDegree > 180 OR Latitude_NS NOT IN ('N', 'S')"
                         " OR Longitude_EW NOT IN ('E', 'W')"),
              "0");
    EXPECT_EQ(scalar(db, "SELECT count(*) FROM City_Master WHERE CountryID = (SELECT CountryID FROM"
                         " Country_Master WHERE CountryName = 'India')"),
              "2461");
}

TEST_F(ShippedDatabase, NamesAreLookedUpWithoutRegardToCase) {
    Database db(built());
    EXPECT_EQ(scalar(db, "SELECT CountryName FROM Country_Master WHERE CountryName = ?", "iNDIA"), "India");
    EXPECT_EQ(scalar(db, "SELECT CityName FROM City_Master WHERE CityName = ?", "HYDERABAD"), "Hyderabad");
    EXPECT_EQ(scalar(db, "SELECT Place FROM TimeZone WHERE Place = ?", "nepal"), "Nepal");
}

TEST_F(ShippedDatabase, RowsTheUserAddsAreNumberedAboveTheShippedOnes) {
    Database db(copy("keys.db"));
    db.execute("INSERT INTO Country_Master (CountryName) VALUES (?)", "Atlantis");
    EXPECT_EQ(db.lastInsertKey(), 1000001);
    EXPECT_EQ(scalar(db, "SELECT TimeZoneID FROM Country_Master WHERE CountryID = 1000001"), "");
    db.execute("INSERT INTO TimeZone (Place, TimeDifference, TimeZone) VALUES ('Atlantis', 1.5, 'W')");
    EXPECT_EQ(db.lastInsertKey(), 1000001);
    db.execute("INSERT INTO City_Master (CityName, CountryID) VALUES ('Poseidonia', 1000001)");
    EXPECT_EQ(db.lastInsertKey(), 1000001);
}

TEST_F(ShippedDatabase, RebuildKeepsWhatTheUserWroteAndRestoresShippedRows) {
    const std::string path = copy("rebuild.db");
    int userCity = 0;
    std::string chennaiKey;
    int india = 0;
    std::string indiaZones;
    {
        Database db(path);
        india = std::stoi(scalar(db, "SELECT CountryID FROM Country_Master WHERE CountryName = 'India'"));
        indiaZones = scalar(db, "SELECT TimeZoneID FROM Country_Master WHERE CountryID = ?", india);
        db.execute(
            "INSERT INTO ChartSave (ChartName, Gender, Country, City, ChartDay, ChartMonth, ChartYear, ChartHour,"
            " ChartMinute, ChartSecond, LatitudeDegree, Latitude_NS, LatitudeMinute, LongitudeDegree,"
            " Longitude_EW, LongitudeMinute, TimeDifference) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
            "O'Neil~5-Jul-1965", "Male", std::to_string(india), "Hyderabad", 5, 7, 1965, 14, 30, 0, 17, "N", 23, 78, "E", 27, std::stoi(indiaZones));
        db.execute("INSERT INTO City_Master (CityName, CountryID, LatitudeDegree, Latitude_NS, LatitudeMinute,"
                   " LongitudeDegree, Longitude_EW, LongitudeMinute) VALUES ('My Village', ?, 10, 'N', 1, 77, 'E', 2)",
                   india);
        userCity = db.lastInsertKey();
        db.execute("INSERT INTO PersonalDetails VALUES ('Me','','','','','','','')");
        db.execute("UPDATE Preference SET Ayanamsa = 'KP', DayInYear = 360");
        db.execute("UPDATE City_Master SET CityName = 'Hyderabad (Deccan)' WHERE CityName = 'Hyderabad'"
                   " AND CountryID = ?",
                   india);
        chennaiKey = scalar(db, "SELECT CityID FROM City_Master WHERE CityName = 'Chennai'");
        EXPECT_EQ(db.execute("DELETE FROM City_Master WHERE CityID = ?", std::stoi(chennaiKey)), 1);
        db.execute("UPDATE Country_Master SET TimeZoneID = TimeZoneID || ',1000001' WHERE CountryName = 'India'");
        db.execute("INSERT INTO tempdasasandhi VALUES (2)");
    }

    jd::buildDatabase(path, kDataDir);

    Database db(path);
    EXPECT_EQ(scalar(db, "SELECT ChartName FROM ChartSave"), "O'Neil~5-Jul-1965");
    EXPECT_EQ(scalar(db, "SELECT CityName FROM City_Master WHERE CityID = ?", userCity), "My Village");
    EXPECT_EQ(scalar(db, "SELECT Name FROM PersonalDetails"), "Me");
    EXPECT_EQ(scalar(db, "SELECT Ayanamsa || ' ' || DayInYear FROM Preference"), "KP 360.0");
    EXPECT_EQ(scalar(db, "SELECT count(*) FROM City_Master WHERE CityName = 'Hyderabad' AND CountryID = ?", india),
              "0");
    EXPECT_EQ(scalar(db, "SELECT TimeZoneID FROM Country_Master WHERE CountryID = ?", india), indiaZones + ",1000001");
    // A shipped row the user lost comes back under its own key.
    EXPECT_EQ(scalar(db, "SELECT CityID FROM City_Master WHERE CityName = 'Chennai'"), chennaiKey);
    // Read-only tables are refilled.
    EXPECT_EQ(scalar(db, "SELECT count(*) FROM tempdasasandhi"), "1");
    // And the next user row still goes above everything.
    db.execute("INSERT INTO City_Master (CityName, CountryID) VALUES ('Next', ?)", india);
    EXPECT_EQ(db.lastInsertKey(), userCity + 1);
}

TEST(DatabaseBesidePrograms, IsMadeByTheBuildFromTheShippedData) {
    const std::string beside = std::string(JD_BINARY_DIR) + "/bin/DBTessel.db";
    Database db(beside);
    EXPECT_NE(scalar(db, "SELECT Ayanamsa FROM Preference WHERE PreID = '1'"), "<no row>");
    EXPECT_TRUE(jd::databaseIsCurrent(beside, kDataDir));
}

// Small data folders of their own for the build's rules.
class DatabaseBuild : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = scratchFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_ / "data");
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string data() const { return (dir_ / "data").string(); }
    std::string db() const { return (dir_ / "bin" / "DBTessel.db").string(); }
    void write(const std::string& name, const std::string& text) { writeFile(dir_ / "data" / name, text); }

    fs::path dir_;
};

TEST_F(DatabaseBuild, SchemaGrowsWithoutLosingRows) {
    write("schema.sql", "CREATE TABLE IF NOT EXISTS Saved (Sno INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT);\n");
    jd::buildDatabase(db(), data());
    {
        Database d(db());
        d.execute("INSERT INTO Saved (Name) VALUES ('kept')");
    }
    write("schema.sql",
          "CREATE TABLE IF NOT EXISTS Saved (Sno INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT,\n"
          "  Place TEXT COLLATE NOCASE NOT NULL DEFAULT '', Hours REAL DEFAULT 5.5);\n"
          "CREATE INDEX IF NOT EXISTS Saved_Place ON Saved (Place);\n"
          "CREATE TABLE IF NOT EXISTS Added (Id INTEGER PRIMARY KEY);\n");
    EXPECT_FALSE(jd::databaseIsCurrent(db(), data()));
    jd::buildDatabase(db(), data());
    EXPECT_TRUE(jd::databaseIsCurrent(db(), data()));

    Database d(db());
    auto st = d.query("SELECT * FROM Saved");
    ASSERT_TRUE(st.step());
    EXPECT_EQ(st.asText("Name"), "kept");
    EXPECT_EQ(st.asText("Place"), "");
    EXPECT_DOUBLE_EQ(st.asDouble("Hours"), 5.5);
    d.execute("UPDATE Saved SET Place = 'Delhi'");
    EXPECT_EQ(scalar(d, "SELECT Name FROM Saved WHERE Place = 'DELHI'"), "kept");  // the added column's collation
    EXPECT_TRUE(d.tableExists("Added"));
    EXPECT_EQ(scalar(d, "SELECT count(*) FROM sqlite_master WHERE name = 'Saved_Place'"), "1");
}

TEST_F(DatabaseBuild, DataFilesRunInNameOrderEachWhollyOrNotAtAll) {
    write("schema.sql", "CREATE TABLE IF NOT EXISTS Log (Line TEXT);\n");
    write("b_second.sql", "INSERT INTO Log VALUES ('b');\n");
    write("a_first.sql", "DELETE FROM Log; INSERT INTO Log VALUES ('a');\n");
    write("notes.txt", "not a data file");
    EXPECT_EQ(jd::dataFiles(data()), (std::vector<std::string>{"a_first.sql", "b_second.sql"}));
    jd::buildDatabase(db(), data());
    {
        Database d(db());
        EXPECT_EQ(scalar(d, "SELECT group_concat(Line, '') FROM Log"), "ab");
    }

    // A file that fails half-way leaves none of its rows, names itself, and
    // the database is not taken as current.
    write("c_broken.sql", "INSERT INTO Log VALUES ('c');\nINSERT INTO Nowhere VALUES (1);\n");
    try {
        jd::buildDatabase(db(), data());
        FAIL() << "the broken file was accepted";
    } catch (const jd::RunTimeError& e) {
        EXPECT_NE(e.description().find("c_broken.sql"), std::string::npos) << e.description();
        EXPECT_NE(e.description().find("no such table: Nowhere"), std::string::npos) << e.description();
    }
    Database d(db());
    EXPECT_EQ(scalar(d, "SELECT group_concat(Line, '') FROM Log"), "ab");
    EXPECT_FALSE(jd::databaseIsCurrent(db(), data()));
}

}  // namespace
