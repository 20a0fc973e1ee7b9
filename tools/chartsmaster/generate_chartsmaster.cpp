// Writes the SQL script that fills table chartsmaster (see chartsmaster_rules.h)
// to the file named by the first argument, or to standard output.
#include <fstream>
#include <iostream>

#include "chartsmaster_rules.h"

int main(int argc, char** argv) {
    const std::string sql = jd::chartsmaster::renderSql(jd::chartsmaster::generateRows());
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
