#pragma once
// Making DBTessel.db from the data folder: the schema file and the data files
// of shipped rows. Used by the build tool and by tests.
//
// Data files (every *.sql of the folder but schema.sql) run in name order,
// each in one transaction, so a file that fails leaves nothing of itself.
// By convention a read-only table's file starts with its own
// "DELETE FROM <table>;" and refills it; shipped rows of tables the user
// also writes (places, preferences) use INSERT OR IGNORE with fixed keys, so
// a rebuild adds what is missing and never rewrites, renumbers or deletes.
// Tables the user alone writes (saved charts, personal details) are never
// touched.
#include <cstdint>
#include <string>
#include <vector>

namespace jd {

class Database;

// Creates the database file when missing, brings its schema up to date
// (missing tables, columns and indexes are added; nothing is dropped or
// changed), runs the data files, and records the data's fingerprint in the
// database. Raises RunTimeError naming the file that failed.
void buildDatabase(const std::string& dbPath, const std::string& dataDir);

// True when the database exists and was last built from exactly these data
// files, so a build may skip it.
bool databaseIsCurrent(const std::string& dbPath, const std::string& dataDir);

// Adds to db whatever the schema text declares and db lacks: tables, columns
// of existing tables, indexes.
void applySchema(Database& db, const std::string& schemaSql);

// The data files of the folder, schema.sql excluded, in the order they run.
std::vector<std::string> dataFiles(const std::string& dataDir);

// A fingerprint of the schema and data files (names and contents); never 0.
std::int32_t dataFingerprint(const std::string& dataDir);

}  // namespace jd
