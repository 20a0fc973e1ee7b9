// Writes the SQL script that fills table KaliyugaYearDetails (see
// kaliyuga_rows.h for the method) to the file named by the first argument,
// or to standard output.
#include <exception>
#include <fstream>
#include <iostream>

#include "kaliyuga_rows.h"

int main(int argc, char** argv) {
    std::string sql;
    try {
        sql = jd::kaliyuga::renderSql(jd::kaliyuga::generateRows());
    } catch (const std::exception& e) {
        std::cerr << "generate_kaliyuga_years: " << e.what() << "\n";
        return 1;
    }
    if (argc < 2) {
        std::cout << sql;
        return std::cout ? 0 : 1;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << sql;
    out.close();
    if (!out) {
        std::cerr << "cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
