// Builds a SQLite database file from SQL text files, at build time.
// The program itself never creates a database or a table: both of its
// database files come from here. Usage: makedb OUT.rsd FILE.sql...
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

bool readFile(const char* path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: makedb OUT.rsd FILE.sql...\n");
        return 2;
    }
    // Build beside the target and rename, so a failed build never leaves a
    // half-filled database behind under the real name.
    const std::string out = argv[1];
    const std::string partial = out + ".partial";
    std::remove(partial.c_str());

    sqlite3* db = nullptr;
    if (sqlite3_open_v2(partial.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "makedb: cannot create %s: %s\n", partial.c_str(), sqlite3_errmsg(db));
        sqlite3_close(db);
        return 1;
    }
    int status = 0;
    for (int i = 2; i < argc && status == 0; ++i) {
        std::string sql;
        if (!readFile(argv[i], sql)) {
            std::fprintf(stderr, "makedb: cannot read %s\n", argv[i]);
            status = 1;
            break;
        }
        char* error = nullptr;
        const std::string wrapped = "BEGIN;\n" + sql + "\nCOMMIT;";
        if (sqlite3_exec(db, wrapped.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            std::fprintf(stderr, "makedb: %s: %s\n", argv[i], error ? error : "error");
            sqlite3_free(error);
            status = 1;
        }
    }
    sqlite3_close(db);
    if (status == 0 && std::rename(partial.c_str(), out.c_str()) != 0) {
        std::perror("makedb: rename");
        status = 1;
    }
    if (status != 0)
        std::remove(partial.c_str());
    return status;
}
