// Build tool: turns the SQL script of the tolerance tables into the SQLite file db1.mdb.
//   make_tolerance_db <script.sql> <output file>
// The file is written under a temporary name and renamed when complete, so a failed run never
// leaves a half-filled database where the program would find it.

#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <system_error>

namespace {

bool runScript(const std::filesystem::path& output, const std::string& script) {
    sqlite3* connection = nullptr;
    const std::u8string path = output.u8string();
    if (sqlite3_open_v2(reinterpret_cast<const char*>(path.c_str()), &connection,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        std::cerr << "make_tolerance_db: cannot create " << output << ": "
                  << (connection != nullptr ? sqlite3_errmsg(connection) : "out of memory") << '\n';
        sqlite3_close(connection);
        return false;
    }
    char* error = nullptr;
    const bool ok = sqlite3_exec(connection, script.c_str(), nullptr, nullptr, &error) == SQLITE_OK;
    if (!ok) {
        std::cerr << "make_tolerance_db: " << (error != nullptr ? error : "unknown error") << '\n';
    }
    sqlite3_free(error);
    return sqlite3_close(connection) == SQLITE_OK && ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_tolerance_db <script.sql> <output file>\n";
        return 2;
    }
    const std::filesystem::path scriptFile = argv[1];
    const std::filesystem::path output = argv[2];

    std::ifstream in(scriptFile, std::ios::binary);
    if (!in) {
        std::cerr << "make_tolerance_db: cannot read " << scriptFile << '\n';
        return 1;
    }
    std::ostringstream script;
    script << in.rdbuf();

    std::filesystem::path temporary = output;
    temporary += ".tmp";
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    if (!runScript(temporary, script.str())) {
        std::filesystem::remove(temporary, ignored);
        return 1;
    }
    std::error_code renameError;
    std::filesystem::rename(temporary, output, renameError);
    if (renameError) {
        std::cerr << "make_tolerance_db: cannot write " << output << ": " << renameError.message()
                  << '\n';
        std::filesystem::remove(temporary, ignored);
        return 1;
    }
    return 0;
}
