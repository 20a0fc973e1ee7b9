#include "platform/database_build.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "platform/database.h"
#include "platform/run_time_error.h"

namespace jd {

namespace fs = std::filesystem;

namespace {

constexpr const char* kSchemaFile = "schema.sql";

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw RunTimeError(kDbFileMissing, "Cannot read " + path.string());
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string quoteIdentifier(std::string_view name) {
    std::string out = "\"";
    for (char c : name) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

std::string foldCase(std::string s) {
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

bool schemaObjectExists(Database& db, const std::string& type, const std::string& name) {
    auto st = db.query("SELECT 1 FROM sqlite_master WHERE type = ? AND name = ? COLLATE NOCASE", type, name);
    return st.step();
}

// The column clause that adds column `column` of `table` as the schema
// declares it (type, collation, NOT NULL, default).
std::string columnClause(Database& schema, const std::string& table, Statement& info) {
    const std::string column = info.asText("name");
    if (info.asInt("pk") != 0) {
        throw RunTimeError(kDbErrorBase + SQLITE_ERROR,
                           "The key column " + column + " of " + table + " cannot be added to an existing table");
    }
    const char* collation = nullptr;
    if (sqlite3_table_column_metadata(schema.handle(), "main", table.c_str(), column.c_str(), nullptr, &collation,
                                      nullptr, nullptr, nullptr) != SQLITE_OK) {
        schema.raise(SQLITE_ERROR, table + "." + column);
    }
    std::string clause = quoteIdentifier(column);
    if (!info.asText("type").empty()) clause += " " + info.asText("type");
    if (collation && foldCase(collation) != "binary") clause += " COLLATE " + std::string(collation);
    if (info.asInt("notnull") != 0) clause += " NOT NULL";
    if (!info.isNull("dflt_value")) clause += " DEFAULT " + info.asText("dflt_value");
    return clause;
}

void addMissingColumns(Database& db, Database& schema, const std::string& table) {
    std::set<std::string> present;
    for (auto st = db.query("SELECT name FROM pragma_table_info(?)", table); st.step();) {
        present.insert(foldCase(st.asText("name")));
    }
    for (auto info = schema.query("SELECT * FROM pragma_table_info(?)", table); info.step();) {
        if (present.count(foldCase(info.asText("name")))) continue;
        db.executeScript("ALTER TABLE " + quoteIdentifier(table) + " ADD COLUMN " + columnClause(schema, table, info));
    }
}

}  // namespace

void applySchema(Database& db, const std::string& schemaSql) {
    // The schema as declared, made in a scratch database to read it back.
    Database schema(":memory:", Database::Mode::CreateIfMissing);
    schema.executeScript(schemaSql);

    Transaction unit(db);
    // Tables come before their indexes in the order the file declares them.
    auto objects = schema.query(
        "SELECT type, name, sql FROM sqlite_master "
        "WHERE sql IS NOT NULL AND substr(name, 1, 7) <> 'sqlite_' AND type IN ('table', 'index') "
        "ORDER BY CASE type WHEN 'table' THEN 0 ELSE 1 END, rowid");
    while (objects.step()) {
        const std::string type = objects.asText("type");
        const std::string name = objects.asText("name");
        if (!schemaObjectExists(db, type, name)) {
            db.executeScript(objects.asText("sql"));
        } else if (type == "table") {
            addMissingColumns(db, schema, name);
        }
    }
    unit.commit();
}

std::vector<std::string> dataFiles(const std::string& dataDir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dataDir)) {
        if (!entry.is_regular_file() || entry.path().extension() != ".sql") continue;
        const std::string name = entry.path().filename().string();
        if (name != kSchemaFile) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::int32_t dataFingerprint(const std::string& dataDir) {
    // FNV-1a over every file name and its contents, the schema first.
    std::uint32_t hash = 2166136261u;
    auto add = [&hash](std::string_view bytes) {
        for (unsigned char c : bytes) {
            hash ^= c;
            hash *= 16777619u;
        }
        hash ^= 0xffu;  // separates one piece from the next
        hash *= 16777619u;
    };
    std::vector<std::string> files{kSchemaFile};
    for (auto& name : dataFiles(dataDir)) files.push_back(std::move(name));
    for (const auto& name : files) {
        add(name);
        add(readFile(fs::path(dataDir) / name));
    }
    if (hash == 0) hash = 1;
    return static_cast<std::int32_t>(hash);
}

bool databaseIsCurrent(const std::string& dbPath, const std::string& dataDir) {
    try {
        Database db(dbPath);
        auto st = db.query("PRAGMA user_version");
        return st.step() && st.asInt64(0) == dataFingerprint(dataDir);
    } catch (const RunTimeError&) {
        return false;
    }
}

void buildDatabase(const std::string& dbPath, const std::string& dataDir) {
    const fs::path folder(dataDir);
    const fs::path target(dbPath);
    if (target.has_parent_path()) fs::create_directories(target.parent_path());

    Database db(dbPath, Database::Mode::CreateIfMissing);
    const auto runFile = [&](const std::string& name, auto&& apply) {
        try {
            apply(readFile(folder / name));
        } catch (const RunTimeError& e) {
            throw RunTimeError(e.number(), name + ": " + e.description());
        }
    };
    runFile(kSchemaFile, [&](const std::string& sql) { applySchema(db, sql); });
    for (const auto& name : dataFiles(dataDir)) {
        runFile(name, [&](const std::string& sql) {
            Transaction unit(db);
            db.executeScript(sql);
            unit.commit();
        });
    }
    // Recorded last: a build that failed part-way is not taken as current.
    db.executeScript("PRAGMA user_version = " + std::to_string(dataFingerprint(dataDir)));
}

}  // namespace jd
