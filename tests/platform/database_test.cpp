#include "platform/database.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <limits>
#include <stdexcept>
#include <string>
#include <thread>

#include "platform/fake_services.h"
#include "platform/run_time_error.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using jd::Database;
using jd::RunTimeError;

namespace {

// The wait for a locked file, shortened for the tests.
constexpr std::chrono::milliseconds kWait = 300ms;

// A fresh folder per test, removed afterwards.
class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() /
               ("jd_db_" + std::to_string(::getpid()) + "_" + info->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    // A database with one table of names, as the place tables keep them;
    // its connection waits kWait for a locked file.
    std::unique_ptr<Database> namesDatabase() {
        auto db = std::make_unique<Database>(path("names.db"), Database::Mode::CreateIfMissing, nullptr, kWait);
        db->executeScript(
            "CREATE TABLE City (CityID INTEGER PRIMARY KEY AUTOINCREMENT, CityName TEXT COLLATE NOCASE,"
            " Degree INTEGER, Hours REAL, Note TEXT)");
        return db;
    }

    int cities(Database& db) {
        auto st = db.query("SELECT count(*) FROM City");
        st.step();
        return st.asInt(0);
    }

    fs::path dir_;
};

template <typename F>
RunTimeError errorOf(F&& f) {
    try {
        f();
    } catch (const RunTimeError& e) {
        return e;
    }
    throw std::logic_error("no run-time error raised");
}

TEST_F(DatabaseTest, MissingFileIsAnErrorAndNoFileAppears) {
    const std::string missing = path("DBTessel.db");
    const auto e = errorOf([&] { Database db(missing); });
    EXPECT_EQ(e.number(), jd::kDbFileMissing);
    EXPECT_NE(e.description().find(missing), std::string::npos) << e.description();
    EXPECT_FALSE(fs::exists(missing));
}

TEST_F(DatabaseTest, FilesThatAreNoUsableDatabaseAreRefused) {
    {
        std::ofstream(path("text.db")) << "This is not a database, just some text long enough to be read.\n";
        std::ofstream empty(path("empty.db"));
    }
    fs::create_directories(path("folder.db"));
    { Database(path("tableless.db"), Database::Mode::CreateIfMissing).executeScript("PRAGMA user_version = 3"); }

    const struct {
        const char* name;
        int number;
    } cases[] = {
        {"text.db", jd::kDbNotADatabase},
        {"empty.db", jd::kDbNotADatabase},
        {"tableless.db", jd::kDbNotADatabase},
        {"folder.db", jd::kDbErrorBase + 14},  // cannot be opened
    };
    for (const auto& [name, number] : cases) {
        const auto e = errorOf([&] { Database db(path(name)); });
        EXPECT_EQ(e.number(), number) << name << ": " << e.description();
        EXPECT_NE(e.description().find(name), std::string::npos) << e.description();
    }
    // The refused empty file was not turned into a database.
    EXPECT_EQ(fs::file_size(path("empty.db")), 0u);
}

TEST_F(DatabaseTest, BoundValuesRoundTripWhateverTheyHold) {
    auto db = namesDatabase();
    const std::string names[] = {
        "Sant'Antimo",
        "Name; DROP TABLE City; --",
        "O'Brien's \"quoted\" ; '' name",
        "Ra\xCA\xBC"
        "s al Khaymah \xC3\xA9",  // non-ASCII letters
        "",
    };
    for (const auto& name : names) {
        db->execute("INSERT INTO City (CityName, Degree, Hours, Note) VALUES (?, ?, ?, ?)", name, 17, 5.5, nullptr);
        auto st = db->query("SELECT * FROM City WHERE CityName = ?", name);
        ASSERT_TRUE(st.step()) << name;
        EXPECT_EQ(st.asText("CityName"), name);
        EXPECT_EQ(st.asInt("CityID"), db->lastInsertKey());
        EXPECT_FALSE(st.step());
    }
    EXPECT_TRUE(db->tableExists("City"));

    // Named parameters and the remaining value kinds.
    auto ins = db->prepare("INSERT INTO City (CityName, Degree, Hours, Note) VALUES (:name, :deg, :hours, :note)");
    ins.bind(":name", std::string("Big")).bind(":deg", std::int64_t{5'000'000'000}).bind(":hours", 12.75);
    ins.bind(":note", std::optional<std::string>{});
    EXPECT_EQ(ins.execute(), 1);
    ins.reset();
    ins.bind(":name", "Letter").bind(":note", 'E');  // a letter goes in as text, not as its code
    EXPECT_EQ(ins.execute(), 1);
    {
        auto letter = db->query("SELECT Note FROM City WHERE CityName = 'Letter'");
        ASSERT_TRUE(letter.step());
        EXPECT_EQ(letter.asText("Note"), "E");
    }
    auto st = db->query("SELECT Degree, Hours, Note FROM City WHERE CityName = 'Big'");
    ASSERT_TRUE(st.step());
    EXPECT_EQ(st.asInt64("Degree"), 5'000'000'000);
    EXPECT_DOUBLE_EQ(st.asDouble("Hours"), 12.75);
    EXPECT_TRUE(st.isNull("Note"));
}

TEST_F(DatabaseTest, ColumnsAreFoundByNameWithoutRegardToCase) {
    auto db = namesDatabase();
    db->execute("INSERT INTO City (CityName, Degree) VALUES ('Chennai', 13)");
    auto st = db->query("SELECT cityname, DEGREE FROM city");
    ASSERT_TRUE(st.step());
    for (const char* name : {"CityName", "cityname", "CITYNAME", "cItYnAmE"}) EXPECT_EQ(st.asText(name), "Chennai");
    EXPECT_EQ(st.asInt("degree"), 13);
    EXPECT_EQ(st.columnIndex("Degree"), 1);
    EXPECT_FALSE(st.hasColumn("Latitude"));
    EXPECT_EQ(errorOf([&] { st.asText("Latitude"); }).number(), jd::kDbNoSuchColumn);

    // Names declared without case are found without case.
    auto byName = db->query("SELECT CityName FROM City WHERE CityName = ?", "CHENNAI");
    ASSERT_TRUE(byName.step());
    EXPECT_EQ(byName.asText(0), "Chennai");
}

TEST_F(DatabaseTest, ConversionsKnowEmptyValuesAndBadNumbers) {
    auto db = namesDatabase();
    auto st = db->query(
        "SELECT NULL AS Empty, ' 5.5 ' AS Spaced, '+7' AS Plus, 'abc' AS Word, '5,5' AS Comma, 10.0 AS Ten,"
        " 5.5 AS Half, 0.1 AS Tenth, 2.5 AS TwoHalf, 3.5 AS ThreeHalf, -2.5 AS MinusHalf,"
        " 3000000000 AS Big, '12' AS TextKey");
    ASSERT_TRUE(st.step());

    EXPECT_TRUE(st.isNull("Empty"));
    EXPECT_EQ(st.asText("Empty"), "");
    EXPECT_EQ(st.asOptionalDouble("Empty"), std::nullopt);
    EXPECT_EQ(st.asOptionalInt("Empty"), std::nullopt);
    EXPECT_EQ(errorOf([&] { st.asDouble("Empty"); }).number(), 94);
    EXPECT_EQ(errorOf([&] { st.asInt("Empty"); }).number(), 94);

    EXPECT_DOUBLE_EQ(st.asDouble("Spaced"), 5.5);
    EXPECT_EQ(st.asInt("Plus"), 7);
    EXPECT_EQ(st.asInt("TextKey"), 12);
    EXPECT_EQ(errorOf([&] { st.asDouble("Word"); }).number(), 13);
    EXPECT_EQ(errorOf([&] { st.asDouble("Comma"); }).number(), 13);

    // Fractional numbers read as text in their shortest form.
    EXPECT_EQ(st.asText("Ten"), "10");
    EXPECT_EQ(st.asText("Half"), "5.5");
    EXPECT_EQ(st.asText("Tenth"), "0.1");

    // Whole-number reads round a half to the even neighbour.
    EXPECT_EQ(st.asInt("TwoHalf"), 2);
    EXPECT_EQ(st.asInt("ThreeHalf"), 4);
    EXPECT_EQ(st.asInt("MinusHalf"), -2);
    EXPECT_EQ(st.asOptionalInt("Half"), 6);

    EXPECT_EQ(st.asInt64("Big"), 3000000000LL);
    EXPECT_EQ(errorOf([&] { st.asInt("Big"); }).number(), 6);
}

TEST_F(DatabaseTest, ChangesCountOnlyTheRowsMet) {
    auto db = namesDatabase();
    EXPECT_EQ(db->execute("INSERT INTO City (CityName) VALUES (?)", "Delhi"), 1);
    const int delhi = db->lastInsertKey();
    EXPECT_EQ(db->execute("INSERT INTO City (CityName) VALUES (?)", "Agra"), 1);
    EXPECT_EQ(db->lastInsertKey(), delhi + 1);

    // An update or delete that meets no row reports 0, for the caller to refuse.
    EXPECT_EQ(db->execute("UPDATE City SET Degree = 1 WHERE CityID = ?", 999), 0);
    EXPECT_EQ(db->changes(), 0);
    EXPECT_EQ(db->execute("DELETE FROM City WHERE CityID = ?", 999), 0);
    EXPECT_EQ(db->execute("UPDATE City SET Degree = 28"), 2);
    EXPECT_EQ(db->execute("DELETE FROM City WHERE CityName = ?", "DELHI"), 1);
    EXPECT_EQ(db->execute("SELECT * FROM City"), 0);  // a query changes nothing

    // A statement can run again with other values.
    auto ins = db->prepare("INSERT INTO City (CityName) VALUES (?)");
    for (const char* name : {"A", "B", "C"}) {
        ins.reset();
        EXPECT_EQ(ins.bind(1, name).execute(), 1);
    }
    auto count = db->query("SELECT count(*) FROM City");
    ASSERT_TRUE(count.step());
    EXPECT_EQ(count.asInt(0), 4);
}

TEST_F(DatabaseTest, KeysBeyondThirtyTwoBitsAreAnOverflow) {
    auto db = namesDatabase();
    db->execute("INSERT INTO City (CityID, CityName) VALUES (?, 'Far')", std::int64_t{3'000'000'000});
    EXPECT_EQ(errorOf([&] { (void)db->lastInsertKey(); }).number(), 6);
}

TEST_F(DatabaseTest, UnfinishedTransactionLeavesNothing) {
    auto db = namesDatabase();
    auto count = [&] {
        auto st = db->query("SELECT count(*) FROM City");
        st.step();
        return st.asInt(0);
    };
    // Fails half-way: the first insert must not survive.
    EXPECT_THROW(
        {
            jd::Transaction unit(*db);
            db->execute("INSERT INTO City (CityName) VALUES ('First')");
            db->execute("INSERT INTO Nowhere (CityName) VALUES ('Second')");
            unit.commit();
        },
        RunTimeError);
    EXPECT_EQ(count(), 0);
    EXPECT_FALSE(db->inTransaction());

    {
        jd::Transaction unit(*db);
        db->execute("INSERT INTO City (CityName) VALUES ('Kept')");
        {
            jd::Transaction inner(*db);
            db->execute("INSERT INTO City (CityName) VALUES ('Dropped')");
        }  // inner one not committed
        unit.commit();
    }
    auto st = db->query("SELECT CityName FROM City");
    ASSERT_TRUE(st.step());
    EXPECT_EQ(st.asText(0), "Kept");
    EXPECT_FALSE(st.step());

    // Committed work is in the file for another connection to see.
    Database other(path("names.db"));
    auto seen = other.query("SELECT count(*) FROM City");
    ASSERT_TRUE(seen.step());
    EXPECT_EQ(seen.asInt(0), 1);
}

TEST_F(DatabaseTest, FailuresCarryANumberAndSQLitesMessage) {
    auto db = namesDatabase();
    const auto syntax = errorOf([&] { db->prepare("SELEC * FROM City"); });
    EXPECT_EQ(syntax.number(), jd::kDbErrorBase + 1);
    EXPECT_NE(syntax.description().find("syntax error"), std::string::npos) << syntax.description();

    const auto table = errorOf([&] { db->prepare("SELECT * FROM Nowhere"); });
    EXPECT_EQ(table.number(), jd::kDbErrorBase + 1);
    EXPECT_NE(table.description().find("no such table: Nowhere"), std::string::npos);

    db->execute("INSERT INTO City (CityID, CityName) VALUES (1, 'One')");
    const auto dup = errorOf([&] { db->execute("INSERT INTO City (CityID, CityName) VALUES (1, 'Two')"); });
    EXPECT_EQ(dup.number(), jd::kDbErrorBase + 19);  // a constraint
    EXPECT_NE(dup.description().find("UNIQUE"), std::string::npos);

    // Only one statement at a time, so nothing runs unseen.
    EXPECT_THROW(db->prepare("DELETE FROM City; DELETE FROM City"), RunTimeError);
    EXPECT_EQ(errorOf([&] { db->query("SELECT ?", 1, 2); }).number(), jd::kDbErrorBase + 25);

    auto st = db->query("SELECT CityName FROM City WHERE CityID = 99");
    EXPECT_FALSE(st.step());
    EXPECT_EQ(errorOf([&] { st.asText("CityName"); }).number(), jd::kDbNoCurrentRow);
}

// A busy cursor that also notes when it was shown and restored, and can act
// while it shows.
class TimedBusyCursor : public jd::RecordingBusyCursor {
public:
    using Clock = std::chrono::steady_clock;
    void show() override {
        RecordingBusyCursor::show();
        shownAt = Clock::now();
        if (onShow) onShow();
    }
    void restore() override {
        RecordingBusyCursor::restore();
        restoredAt = Clock::now();
    }
    Clock::time_point shownAt, restoredAt;
    std::function<void()> onShow;
};

TEST_F(DatabaseTest, ALockedFileShowsTheBusyCursorWhileTheStatementWaitsAndThenFails) {
    auto db = namesDatabase();
    TimedBusyCursor cursor;
    db->setBusyCursor(&cursor);
    db->execute("INSERT INTO City (CityName) VALUES ('Ujjain')");
    EXPECT_EQ(cursor.shown(), 0) << "a statement that gets the file at once shows nothing";

    Database other(path("names.db"));
    other.executeScript("BEGIN EXCLUSIVE");
    // Nothing reaches the database from inside the wait.
    int nested = 0;
    cursor.onShow = [&] { nested = errorOf([&] { other.executeScript("SELECT 1"); }).number(); };
    const auto start = TimedBusyCursor::Clock::now();
    const auto locked = errorOf([&] { db->query("SELECT count(*) FROM City").step(); });
    const auto end = TimedBusyCursor::Clock::now();
    EXPECT_EQ(locked.number(), jd::kDbErrorBase + 5);
    EXPECT_EQ(locked.description(), "database is locked");
    EXPECT_GE(end - start, kWait - 10ms);
    EXPECT_LT(end - start, kWait + 700ms);
    EXPECT_EQ(cursor.shown(), 1);
    EXPECT_EQ(cursor.restored(), 1);
    EXPECT_LT(cursor.shownAt - start, kWait / 2) << "shown at the first retry";
    EXPECT_GE(cursor.restoredAt - start, kWait - 10ms) << "restored when the statement ends";
    EXPECT_EQ(nested, jd::kDbErrorBase + 21);
    cursor.onShow = nullptr;

    // A connection opened on the held file waits the same way, with the same
    // cursor, and calls the file locked, not damaged.
    const auto opening = errorOf([&] { db->another(); });
    EXPECT_EQ(opening.number(), jd::kDbErrorBase + 5);
    EXPECT_EQ(opening.description(), "database is locked");
    EXPECT_EQ(cursor.shown(), 2);
    EXPECT_EQ(cursor.restored(), 2);

    other.executeScript("COMMIT");
    EXPECT_EQ(cities(*db), 1);
    EXPECT_EQ(cities(*db->another()), 1);
    EXPECT_EQ(cursor.shown(), 2);
}

// Another program holding the file across a save: a save that reads before it
// writes waits for a brief write like any statement; a save whose commit a
// reader refuses is gone wholly, and the next save reaches the file.
TEST_F(DatabaseTest, ASaveUnderAnotherProgramsLockWaitsOrIsUndoneWholly) {
    auto db = namesDatabase();
    auto save = [&](const char* name) {
        jd::Transaction unit(*db);
        cities(*db);  // the duplicate check before the insert
        db->execute("INSERT INTO City (CityName) VALUES (?)", name);
        unit.commit();
    };
    Database other(path("names.db"));

    other.executeScript("BEGIN IMMEDIATE");
    // The other program ends its write once the save waits for it (the busy
    // cursor shows), and the save waits as long as that takes.
    TimedBusyCursor cursor;
    std::promise<void> saveWaits;
    bool told = false;
    cursor.onShow = [&] {
        if (!std::exchange(told, true)) saveWaits.set_value();
    };
    db->setBusyCursor(&cursor);
    db->setBusyWait(std::chrono::minutes(1));
    std::thread writer([&other, waiting = saveWaits.get_future()] {
        waiting.wait();
        other.executeScript("COMMIT");
    });
    EXPECT_NO_THROW(save("Ujjain")) << "a brief write is waited for";
    EXPECT_TRUE(told) << "the save did not wait";
    if (!std::exchange(told, true)) saveWaits.set_value();
    writer.join();
    db->setBusyCursor(nullptr);
    db->setBusyWait(kWait);

    other.executeScript("BEGIN");
    EXPECT_EQ(cities(other), 1);  // a reader holds the file
    const auto start = std::chrono::steady_clock::now();
    const auto refused = errorOf([&] { save("Lost"); });
    EXPECT_EQ(refused.number(), jd::kDbErrorBase + 5);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2 * kWait) << "one wait, not two";
    EXPECT_FALSE(db->inTransaction());
    other.executeScript("COMMIT");

    save("Kashi");
    Database third(path("names.db"));
    auto names = third.query("SELECT group_concat(CityName, ',') FROM City");
    ASSERT_TRUE(names.step());
    EXPECT_EQ(names.asText(0), "Ujjain,Kashi");
}

}  // namespace
