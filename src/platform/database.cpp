#include "platform/database.h"

#include <sqlite3.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <system_error>
#include <thread>
#include <utility>

#include "platform/run_time_error.h"
#include "platform/services.h"

namespace jd {

namespace {

// Calls into SQLite under way on this thread: at most one, as a second one
// could only come from inside the first one's wait for the file.
thread_local int tCallsUnderWay = 0;

// Table and column names are compared without regard to case, as the
// database itself compares them (ASCII letters only).
std::string foldCase(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

RunTimeError sqliteError(int rc, const std::string& message) {
    return RunTimeError(kDbErrorBase + (rc & 0xff), message);
}

// The shortest text of a number of up to 15 significant digits: 5.5, 10, 0.1.
std::string numberText(double v) {
    char buf[32];
    const int n = std::snprintf(buf, sizeof buf, "%.15g", v);
    return std::string(buf, static_cast<std::size_t>(n));
}

// A text read as a number: blanks around it are allowed, a leading "+" too;
// anything else makes it no number.
std::optional<double> parseNumber(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    if (s.empty() || s.front() == '+') return std::nullopt;
    double v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::general);
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

// A number made whole the way the run time's conversions do it: to the
// nearest, a half to the even neighbour.
double roundHalfEven(double v) {
    const double r = std::round(v);
    if (std::fabs(v - std::trunc(v)) == 0.5) return 2.0 * std::round(v / 2.0);
    return r;
}

}  // namespace

bool isDatabaseFailure(const RunTimeError& e) {
    const int n = e.number();
    if (n == kDbFileMissing || n == kDbNotADatabase || n == kDbNoSuchColumn) return true;
    if (n < kDbErrorBase || n > kDbErrorBase + 0xff) return false;
    switch (n - kDbErrorBase) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_IOERR:
    case SQLITE_CORRUPT:
    case SQLITE_CANTOPEN:
    case SQLITE_NOTADB:
        return true;
    case SQLITE_ERROR: {
        // A refused statement: the database's fault only when what it names
        // is not there.
        const std::string& text = e.description();
        return text.find("no such table") != std::string::npos || text.find("no such column") != std::string::npos;
    }
    default:
        return false;
    }
}

// One call into SQLite that may wait for the file. A call that would start
// while another is under way is refused: it could only come from inside the
// first one's wait (the busy cursor letting the window system run), and
// SQLite must not be entered again from there.
class Database::Call {
public:
    Call() {
        if (tCallsUnderWay > 0) {
            throw RunTimeError(kDbErrorBase + SQLITE_MISUSE,
                               "The database is waiting for its file; nothing else may reach it meanwhile");
        }
        ++tCallsUnderWay;
    }
    ~Call() { --tCallsUnderWay; }
    Call(const Call&) = delete;
    Call& operator=(const Call&) = delete;
};

// ---------------------------------------------------------------- Statement

Statement::Statement(Database& db, sqlite3_stmt* stmt, std::string sql)
    : db_(&db), stmt_(stmt), sql_(std::move(sql)) {}

Statement::Statement(Statement&& other) noexcept
    : db_(other.db_),
      stmt_(std::exchange(other.stmt_, nullptr)),
      sql_(std::move(other.sql_)),
      hasRow_(std::exchange(other.hasRow_, false)),
      foldedNames_(std::move(other.foldedNames_)) {}

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(stmt_);
        db_ = other.db_;
        stmt_ = std::exchange(other.stmt_, nullptr);
        sql_ = std::move(other.sql_);
        hasRow_ = std::exchange(other.hasRow_, false);
        foldedNames_ = std::move(other.foldedNames_);
    }
    return *this;
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

void Statement::checkBind(int rc) const {
    if (rc == SQLITE_RANGE) {
        throw RunTimeError(kDbErrorBase + SQLITE_RANGE, "No parameter of that position in: " + sql_);
    }
    if (rc != SQLITE_OK) db_->raise(rc);
}

Statement& Statement::bind(int index, std::nullptr_t) {
    checkBind(sqlite3_bind_null(stmt_, index));
    return *this;
}

Statement& Statement::bind(int index, int value) {
    checkBind(sqlite3_bind_int(stmt_, index, value));
    return *this;
}

Statement& Statement::bind(int index, std::int64_t value) {
    checkBind(sqlite3_bind_int64(stmt_, index, value));
    return *this;
}

Statement& Statement::bind(int index, double value) {
    checkBind(sqlite3_bind_double(stmt_, index, value));
    return *this;
}

Statement& Statement::bind(int index, std::string_view value) {
    checkBind(sqlite3_bind_text64(stmt_, index, value.data(), value.size(), SQLITE_TRANSIENT, SQLITE_UTF8));
    return *this;
}

Statement& Statement::bind(int index, char value) { return bind(index, std::string_view(&value, 1)); }

Statement& Statement::bind(int index, const char* value) {
    return value ? bind(index, std::string_view(value)) : bind(index, nullptr);
}

int Statement::parameterIndex(std::string_view name) const {
    const int index = sqlite3_bind_parameter_index(stmt_, std::string(name).c_str());
    if (index == 0) {
        throw RunTimeError(kDbErrorBase + SQLITE_RANGE, "No parameter " + std::string(name) + " in: " + sql_);
    }
    return index;
}

bool Statement::step() {
    int rc;
    {
        Database::Call call;
        rc = sqlite3_step(stmt_);
    }
    db_->endWait();
    if (rc == SQLITE_ROW) {
        hasRow_ = true;
        return true;
    }
    hasRow_ = false;
    if (rc == SQLITE_DONE) return false;
    const RunTimeError error = sqliteError(rc, sqlite3_errmsg(db_->handle()));
    // Leave the statement ready to run again.
    sqlite3_reset(stmt_);
    throw error;
}

int Statement::execute() {
    // Counted as the difference of the connection's running total, so a query
    // or a table definition reports 0 and not the count of an earlier change.
    const auto before = sqlite3_total_changes64(db_->handle());
    while (step()) {
    }
    return static_cast<int>(sqlite3_total_changes64(db_->handle()) - before);
}

void Statement::reset() {
    hasRow_ = false;
    sqlite3_reset(stmt_);
}

void Statement::clearBindings() { sqlite3_clear_bindings(stmt_); }

int Statement::columnCount() const { return sqlite3_column_count(stmt_); }

std::string Statement::columnName(int column) const {
    const char* name = sqlite3_column_name(stmt_, column);
    return name ? name : "";
}

void Statement::loadColumnNames() const {
    if (!foldedNames_.empty()) return;
    const int n = columnCount();
    foldedNames_.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) foldedNames_.push_back(foldCase(columnName(i)));
}

bool Statement::hasColumn(std::string_view name) const {
    loadColumnNames();
    const std::string key = foldCase(name);
    for (const auto& n : foldedNames_) {
        if (n == key) return true;
    }
    return false;
}

int Statement::columnIndex(std::string_view name) const {
    loadColumnNames();
    const std::string key = foldCase(name);
    for (std::size_t i = 0; i < foldedNames_.size(); ++i) {
        if (foldedNames_[i] == key) return static_cast<int>(i);
    }
    throw RunTimeError(kDbNoSuchColumn, "No column named " + std::string(name) + " in: " + sql_);
}

void Statement::checkColumn(int column) const {
    if (!hasRow_) throw RunTimeError(kDbNoCurrentRow, "No current row");
    if (column < 0 || column >= columnCount()) {
        throw RunTimeError(kDbNoSuchColumn, "No column " + std::to_string(column) + " in: " + sql_);
    }
}

bool Statement::isNull(int column) const {
    checkColumn(column);
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

std::string Statement::asText(int column) const {
    checkColumn(column);
    switch (sqlite3_column_type(stmt_, column)) {
    case SQLITE_NULL:
        return "";
    case SQLITE_FLOAT:
        return numberText(sqlite3_column_double(stmt_, column));
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
        const int size = sqlite3_column_bytes(stmt_, column);
        return text ? std::string(text, static_cast<std::size_t>(size)) : std::string();
    }
    }
}

double Statement::asDouble(int column) const {
    checkColumn(column);
    switch (sqlite3_column_type(stmt_, column)) {
    case SQLITE_NULL:
        throw RunTimeError::invalidUseOfNull();
    case SQLITE_INTEGER:
        return static_cast<double>(sqlite3_column_int64(stmt_, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(stmt_, column);
    default: {
        const auto v = parseNumber(asText(column));
        if (!v) throw RunTimeError::typeMismatch();
        return *v;
    }
    }
}

std::int64_t Statement::asInt64(int column) const {
    checkColumn(column);
    if (sqlite3_column_type(stmt_, column) == SQLITE_INTEGER) return sqlite3_column_int64(stmt_, column);
    const double v = roundHalfEven(asDouble(column));
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    if (v >= 9223372036854775808.0 || v < -9223372036854775808.0) throw RunTimeError::overflow();
    return static_cast<std::int64_t>(v);
}

int Statement::asInt(int column) const {
    const std::int64_t v = asInt64(column);
    if (v > std::numeric_limits<int>::max() || v < std::numeric_limits<int>::min()) {
        throw RunTimeError::overflow();
    }
    return static_cast<int>(v);
}

std::optional<double> Statement::asOptionalDouble(std::string_view name) const {
    const int column = columnIndex(name);
    if (isNull(column)) return std::nullopt;
    return asDouble(column);
}

std::optional<int> Statement::asOptionalInt(std::string_view name) const {
    const int column = columnIndex(name);
    if (isNull(column)) return std::nullopt;
    return asInt(column);
}

// -------------------------------------------------------------- Transaction

// The outermost unit is the transaction itself, begun for writing; an inner
// one is a savepoint inside it, so units of work can be composed.
Transaction::Transaction(Database& db) : db_(db), outermost_(!db.inTransaction()) {
    db_.executeScript(outermost_ ? "BEGIN IMMEDIATE" : "SAVEPOINT jd_unit");
}

Transaction::~Transaction() {
    if (open_) abandon();
}

void Transaction::commit() {
    if (!open_) throw RunTimeError(kDbErrorBase + SQLITE_MISUSE, "The transaction has already ended");
    try {
        db_.executeScript(outermost_ ? "COMMIT" : "RELEASE jd_unit");
    } catch (const RunTimeError&) {
        // A commit refused (another connection still reads the file) leaves
        // the transaction open: end it now, so nothing the caller does next
        // runs inside it unseen.
        abandon();
        throw;
    }
    open_ = false;
}

void Transaction::rollback() {
    if (open_) abandon();
}

void Transaction::abandon() noexcept {
    open_ = false;
    // A plain rollback needs no lock on the file, so it does not wait. When
    // SQLite has already undone the transaction itself (an I/O error, a full
    // disk), there is nothing left to end.
    sqlite3* h = db_.handle();
    if (outermost_) {
        if (!sqlite3_get_autocommit(h)) sqlite3_exec(h, "ROLLBACK", nullptr, nullptr, nullptr);
    } else {
        sqlite3_exec(h, "ROLLBACK TO jd_unit; RELEASE jd_unit", nullptr, nullptr, nullptr);
    }
    try {
        db_.endWait();
    } catch (...) {
        // The cursor's own fault; the unit is ended all the same.
    }
}

// ----------------------------------------------------------------- Database

Database::Database(const std::string& path, Mode mode, BusyCursor* cursor, std::chrono::milliseconds busyWait)
    : path_(path), busyCursor_(cursor), busyWait_(busyWait) {
    std::error_code ec;
    if (mode == Mode::ExistingFile && !std::filesystem::exists(path, ec)) {
        throw RunTimeError(kDbFileMissing, "The database file " + path + " does not exist");
    }
    int flags = SQLITE_OPEN_READWRITE;
    if (mode == Mode::CreateIfMissing) flags |= SQLITE_OPEN_CREATE;
    const int rc = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        const std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
        sqlite3_close(db_);
        db_ = nullptr;
        throw RunTimeError(kDbErrorBase + (rc & 0xff),
                           "The database file " + path + " cannot be opened: " + message);
    }
    sqlite3_extended_result_codes(db_, 0);
    // Several connections of the program may meet on the file; a short wait
    // lets one finish before another is refused.
    sqlite3_busy_handler(db_, &Database::onBusy, this);
    if (mode == Mode::CreateIfMissing) return;

    // SQLite opens any file lazily: read the schema now, so that a file which
    // is no database, or an empty one, is reported here and not at first use.
    // The read waits for a file that another connection holds, as any
    // statement does.
    sqlite3_stmt* stmt = nullptr;
    int count = -1;
    int readRc = SQLITE_OK;
    try {
        Call call;
        readRc = sqlite3_prepare_v2(db_, "SELECT count(*) FROM sqlite_master WHERE type = 'table'", -1, &stmt, nullptr);
        if (readRc == SQLITE_OK) {
            readRc = sqlite3_step(stmt);
            if (readRc == SQLITE_ROW) count = sqlite3_column_int(stmt, 0);
        }
    } catch (const RunTimeError&) {
        sqlite3_close(db_);
        db_ = nullptr;
        throw;
    }
    endWait();
    const std::string message = sqlite3_errmsg(db_);
    sqlite3_finalize(stmt);
    if (count <= 0) {
        sqlite3_close(db_);
        db_ = nullptr;
        // A file held too long by another program is locked, not damaged.
        if ((readRc & 0xff) == SQLITE_BUSY || (readRc & 0xff) == SQLITE_LOCKED) throw sqliteError(readRc, message);
        throw RunTimeError(kDbNotADatabase,
                           count == 0 ? "The file " + path + " is a database without tables"
                                      : "The file " + path + " is not a database: " + message);
    }
}

Database::~Database() { sqlite3_close_v2(db_); }

int Database::onBusy(void* self, int retries) {
    auto& db = *static_cast<Database*>(self);
    if (retries == 0) {
        // The cursor is set on the first retry only: a statement that gets
        // the file at once never shows it.
        if (db.busyCursor_ && !db.shownCursor_) {
            db.shownCursor_ = db.busyCursor_;
            try {
                db.shownCursor_->show();
            } catch (...) {
                // Nothing may pass through SQLite's frames; the wait goes on
                // without the cursor's fault.
            }
        }
        db.waitStart_ = std::chrono::steady_clock::now();
    }
    const auto left = db.busyWait_ - (std::chrono::steady_clock::now() - db.waitStart_);
    if (left <= decltype(left)::zero()) return 0;
    // Short steps at first, as the other connection may be nearly done.
    const std::chrono::milliseconds step{retries < 10 ? 5 : 50};
    std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(step, left));
    return 1;
}

void Database::endWait() {
    if (BusyCursor* cursor = std::exchange(shownCursor_, nullptr)) cursor->restore();
}

void Database::raise(int rc, std::string_view context) const {
    std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
    if (!context.empty()) message = std::string(context) + ": " + message;
    throw sqliteError(rc, message);
}

Statement Database::prepare(std::string_view sql) {
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    int rc;
    {
        Call call;
        rc = sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &stmt, &tail);
    }
    endWait();
    if (rc != SQLITE_OK) raise(rc);
    if (!stmt) {
        throw RunTimeError(kDbErrorBase + SQLITE_MISUSE, "No statement in: " + std::string(sql));
    }
    // One statement at a time: a second one would silently not run.
    for (const char* p = tail; p && p < sql.data() + sql.size(); ++p) {
        if (*p != ' ' && *p != '\t' && *p != '\r' && *p != '\n' && *p != ';') {
            sqlite3_finalize(stmt);
            throw RunTimeError(kDbErrorBase + SQLITE_MISUSE,
                               "Only one statement may be prepared at a time: " + std::string(sql));
        }
    }
    return Statement(*this, stmt, std::string(sql));
}

void Database::executeScript(const std::string& sql) {
    char* err = nullptr;
    int rc;
    {
        Call call;
        rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &err);
    }
    endWait();
    if (rc != SQLITE_OK) {
        std::string message = err ? err : sqlite3_errstr(rc);
        sqlite3_free(err);
        throw sqliteError(rc, message);
    }
}

std::int32_t Database::lastInsertKey() const {
    const sqlite3_int64 key = sqlite3_last_insert_rowid(db_);
    if (key > std::numeric_limits<std::int32_t>::max() || key < std::numeric_limits<std::int32_t>::min()) {
        throw RunTimeError::overflow();
    }
    return static_cast<std::int32_t>(key);
}

int Database::changes() const { return sqlite3_changes(db_); }

bool Database::tableExists(std::string_view table) {
    auto st = query("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE", table);
    return st.step();
}

bool Database::inTransaction() const { return sqlite3_get_autocommit(db_) == 0; }

}  // namespace jd
