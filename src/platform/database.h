#pragma once
// The SQLite database layer: one connection to the database file beside the
// program, statements with every value bound as a parameter, rows read by
// column name without regard to case, transactions that roll back unless
// committed. A statement that finds the file locked by another connection
// waits for it (five seconds unless the connection is told otherwise),
// showing the busy cursor, before it fails; so does the opening of a
// connection.
//
// Every failure raises jd::RunTimeError with a number of the database range:
//   3000 + SQLite's primary result code, with SQLite's own message
//          (3001 a refused statement, 3005 the file is busy, 3008 the file is
//          read-only, 3019 a constraint, 3026 not a database ...);
//   kDbFileMissing, kDbNotADatabase, kDbNoSuchColumn, kDbNoCurrentRow below.
// Conversions of a column value raise the run time's own errors: Invalid use
// of Null (94) for a number read from an empty value, Type mismatch (13) for a
// text that is no number, Overflow (6) for a number out of the asked range.
//
// Only one statement runs at a time: while a statement waits for the file the
// busy cursor shows, and anything that tries to reach the database from
// inside that wait is refused (3021) rather than run nested in SQLite.
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace jd {

class BusyCursor;

inline constexpr int kDbErrorBase = 3000;       // + SQLite's primary result code
inline constexpr int kDbFileMissing = 3900;     // the file does not exist
inline constexpr int kDbNotADatabase = 3901;    // not a database, or one without tables
inline constexpr int kDbNoSuchColumn = 3902;    // a row has no column of that name
inline constexpr int kDbNoCurrentRow = 3903;    // a value read with no current row

class RunTimeError;

// How long a connection waits for a file held by another before a statement
// fails, unless it is opened with a wait of its own.
inline constexpr std::chrono::milliseconds kDefaultBusyWait{5000};

// True for a failure of the database itself rather than of a value read from
// it: the file missing, locked or busy, unreadable, not a database or
// damaged, or a table or column missing. Work that cannot go on without the
// database (a chart cast) ends at the first such failure.
bool isDatabaseFailure(const RunTimeError& e);

class Database;

// A prepared statement. Values are bound by position (1-based, as the "?"
// marks stand) or by name (":name"); a statement is run by step() (a query,
// row by row) or execute() (to the end, giving the count of rows changed).
// The statement must not outlive its database.
class Statement {
public:
    Statement(Statement&&) noexcept;
    Statement& operator=(Statement&&) noexcept;
    ~Statement();

    Statement& bind(int index, std::nullptr_t);
    Statement& bind(int index, int value);
    Statement& bind(int index, std::int64_t value);
    Statement& bind(int index, double value);
    Statement& bind(int index, std::string_view value);
    Statement& bind(int index, const std::string& value) { return bind(index, std::string_view(value)); }
    Statement& bind(int index, const char* value);
    Statement& bind(int index, char value);  // a text of one character ("E")
    template <typename T>
    Statement& bind(int index, const std::optional<T>& value) {
        return value ? bind(index, *value) : bind(index, nullptr);
    }
    // Other whole-number types go in as 64-bit integers.
    template <typename T>
        requires(std::is_integral_v<T> && !std::is_same_v<T, int> && !std::is_same_v<T, std::int64_t> &&
                 !std::is_same_v<T, bool> && !std::is_same_v<T, char>)
    Statement& bind(int index, T value) {
        return bind(index, static_cast<std::int64_t>(value));
    }
    // By parameter name, the name with its mark (":name").
    template <typename T>
    Statement& bind(std::string_view name, const T& value) {
        return bind(parameterIndex(name), value);
    }
    // Binds the values to parameters 1, 2, 3 ... in order.
    template <typename... Args>
    Statement& bindAll(const Args&... values) {
        int index = 0;
        (bind(++index, values), ...);
        return *this;
    }

    // Moves to the next row; false when there is none (the statement is done).
    bool step();
    // Runs the statement to its end and returns the count of rows it changed
    // (inserted, updated or deleted); 0 for a query or a change that met no row.
    int execute();
    // Makes the statement ready to run again; the bound values stay.
    void reset();
    void clearBindings();

    // The current row (after step() returned true).
    bool hasRow() const { return hasRow_; }
    int columnCount() const;
    std::string columnName(int column) const;
    // The position of a column, its name compared without regard to case.
    // Raises kDbNoSuchColumn when the row has none of that name.
    int columnIndex(std::string_view name) const;
    bool hasColumn(std::string_view name) const;

    bool isNull(int column) const;
    bool isNull(std::string_view name) const { return isNull(columnIndex(name)); }
    // The value as text; "" for an empty (null) value. A fractional number is
    // written in its shortest form of up to 15 significant digits (5.5, 10).
    std::string asText(int column) const;
    std::string asText(std::string_view name) const { return asText(columnIndex(name)); }
    // The value as a number; a text value must hold a number (blanks around
    // it allowed). Whole-number reads round a fraction to the nearest whole
    // number, a half to the even one.
    double asDouble(int column) const;
    double asDouble(std::string_view name) const { return asDouble(columnIndex(name)); }
    int asInt(int column) const;
    int asInt(std::string_view name) const { return asInt(columnIndex(name)); }
    std::int64_t asInt64(int column) const;
    std::int64_t asInt64(std::string_view name) const { return asInt64(columnIndex(name)); }
    // The same conversions, giving nothing for an empty value.
    std::optional<double> asOptionalDouble(std::string_view name) const;
    std::optional<int> asOptionalInt(std::string_view name) const;

    const std::string& sql() const { return sql_; }

private:
    friend class Database;
    Statement(Database& db, sqlite3_stmt* stmt, std::string sql);
    int parameterIndex(std::string_view name) const;
    void checkBind(int rc) const;
    void checkColumn(int column) const;
    void loadColumnNames() const;

    Database* db_;
    sqlite3_stmt* stmt_;
    std::string sql_;
    bool hasRow_ = false;
    mutable std::vector<std::string> foldedNames_;  // column names, lower case, filled on first lookup
};

// A unit of work: changes made while it lives are kept only by commit().
// Destroying it uncommitted (an error left the scope) rolls them back.
// Transactions may nest; an inner one rolls back only its own changes.
//
// The outermost unit takes the file for writing when it begins (waiting for
// it like any statement), so a unit that reads before it writes is never
// refused at its first write. A commit that fails (the file held by a reader
// past the wait) rolls the whole unit back before it raises its error: the
// connection is out of the transaction, and the next unit starts clean.
class Transaction {
public:
    explicit Transaction(Database& db);
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction();
    void commit();
    void rollback();

private:
    // Undoes the unit's changes; raises nothing.
    void abandon() noexcept;

    Database& db_;
    bool outermost_;
    bool open_ = true;
};

class Database {
public:
    enum class Mode {
        ExistingFile,     // the program: the file must be there; nothing is ever created
        CreateIfMissing,  // the build tool that makes the file
    };

    // Opens the database file for reading and writing, showing `cursor`
    // whenever a statement of this connection waits for the file, which it
    // does up to `busyWait` (the opening's own read included). With
    // ExistingFile a missing file raises kDbFileMissing and no file is
    // created; a file that is not a database, or a database without tables,
    // raises kDbNotADatabase; a file that another connection holds past the
    // wait raises 3005 "database is locked"; a file that cannot be opened
    // raises 3000 + SQLite's code.
    explicit Database(const std::string& path, Mode mode = Mode::ExistingFile, BusyCursor* cursor = nullptr,
                      std::chrono::milliseconds busyWait = kDefaultBusyWait);
    static std::shared_ptr<Database> open(const std::string& path, BusyCursor* cursor = nullptr,
                                          std::chrono::milliseconds busyWait = kDefaultBusyWait) {
        return std::make_shared<Database>(path, Mode::ExistingFile, cursor, busyWait);
    }
    // Another connection to this one's file, showing the same busy cursor
    // and waiting as long.
    std::shared_ptr<Database> another() const { return open(path_, busyCursor_, busyWait_); }
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;
    ~Database();

    // The file this connection works on; another connection to the same
    // database opens this path.
    const std::string& path() const { return path_; }

    Statement prepare(std::string_view sql);
    // Prepares the statement and binds the values to parameters 1, 2, 3 ...;
    // the caller steps through its rows.
    template <typename... Args>
    Statement query(std::string_view sql, const Args&... values) {
        Statement st = prepare(sql);
        st.bindAll(values...);
        return st;
    }
    // Runs one statement with the values bound; returns the count of rows it
    // changed.
    template <typename... Args>
    int execute(std::string_view sql, const Args&... values) {
        return query(sql, values...).execute();
    }
    // Runs a text of several statements that carries no values (data files).
    void executeScript(const std::string& sql);

    // The key the last insert on this connection gave its row (32-bit:
    // Overflow beyond it).
    std::int32_t lastInsertKey() const;
    // The count of rows the last finished insert, update or delete changed.
    int changes() const;
    bool tableExists(std::string_view table);
    bool inTransaction() const;

    sqlite3* handle() const { return db_; }
    // The error of SQLite's result code rc, with the connection's message.
    [[noreturn]] void raise(int rc, std::string_view context = {}) const;

    // The cursor shown while a statement of this connection waits for another
    // connection to release the file (nullptr: none). It shows from SQLite's
    // first retry until the call that waited returns, whether the wait ended
    // in the lock or in "database is locked".
    void setBusyCursor(BusyCursor* cursor) { busyCursor_ = cursor; }
    BusyCursor* busyCursor() const { return busyCursor_; }

    // How long a statement of this connection waits for a file held by
    // another before it fails (kDefaultBusyWait unless opened with another).
    void setBusyWait(std::chrono::milliseconds wait) { busyWait_ = wait; }
    std::chrono::milliseconds busyWait() const { return busyWait_; }

private:
    friend class Statement;
    friend class Transaction;
    class Call;
    // SQLite's busy handler: waits in short sleeps, busyWait_ in all.
    static int onBusy(void* self, int retries);
    // Restores the cursor a wait of the call just ended has shown.
    void endWait();

    std::string path_;
    sqlite3* db_ = nullptr;
    BusyCursor* busyCursor_ = nullptr;
    BusyCursor* shownCursor_ = nullptr;  // the cursor showing for the current wait
    std::chrono::milliseconds busyWait_;
    std::chrono::steady_clock::time_point waitStart_;
};

}  // namespace jd
