// Makes DBTessel.db from the data folder, or brings an existing one up to
// date without touching what the user wrote.
//
//   build_database <database file> <data folder> [--force]
//
// The database remembers the fingerprint of the data it was built from; when
// nothing changed and the file is there, the tool leaves it alone.
#include <cstdio>
#include <exception>
#include <string>

#include "platform/database_build.h"
#include "platform/run_time_error.h"

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4 || (argc == 4 && std::string(argv[3]) != "--force")) {
        std::fprintf(stderr, "usage: %s <database file> <data folder> [--force]\n", argv[0]);
        return 2;
    }
    const std::string dbPath = argv[1];
    const std::string dataDir = argv[2];
    const bool force = argc == 4;
    try {
        if (!force && jd::databaseIsCurrent(dbPath, dataDir)) return 0;
        jd::buildDatabase(dbPath, dataDir);
        std::printf("Built %s from %s\n", dbPath.c_str(), dataDir.c_str());
        return 0;
    } catch (const jd::RunTimeError& e) {
        std::fprintf(stderr, "build_database: %s (error %d)\n", e.description().c_str(), e.number());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "build_database: %s\n", e.what());
    }
    return 1;
}
