/* Every cell against the server's own client: statements of the server's
 * regression suite (Debian's mariadb-test-data) and statements of our own
 * for the extremes run through the library (execute_model, and
 * execute_reader with get_values) and through the `mariadb` client
 * (--batch --raw for the bytes, --xml to tell NULLs from the text NULL),
 * compared cell by cell. What may differ is one short list below, each
 * entry with its reason; anything else fails the test.
 *
 * PROVIDERS_DIFFERENTIAL_FILES (test file names under the suite's main/
 * folder, separated by spaces) replaces the curated set: the long sweep
 * (scripts/differential-sweep) runs every suite so and reads the counts
 * this prints. */
#include <libproviders/providers.h>

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "support/gobject-test.h"
#include "support/log-capture.h"
#include "support/result-cells.h"
#include "test-server.h"

using providers::testing::LogCapture;
using providers::testing::make_profile;
using providers::testing::own;
using providers::testing::Owned;
using providers::testing::ScratchServer;
using providers::testing::take_string;
using providers::testing::TestServer;

namespace {

using Value = TorvanixProvidersContractsIValue;
using DataType = TorvanixProvidersContractsDataType;

constexpr const char kSuiteDir[] = "/usr/share/mysql/mysql-test/main/";

/* The curated set: from each file, the statements up to the first `limit`
 * compared results (the files build their tables as they go). */
struct SuiteFile {
  const char *name;
  int limit;
};
constexpr SuiteFile kCurated[] = {
  {"type_date.test", 20},      {"type_time.test", 20},       {"type_datetime.test", 20},
  {"type_timestamp.test", 15}, {"type_newdecimal.test", 30}, {"type_decimal.test", 15},
  {"type_bit.test", 15},       {"type_binary.test", 15},     {"type_year.test", 10},
  {"type_enum.test", 10},      {"type_set.test", 10},        {"type_blob.test", 10},
  {"type_float.test", 15},     {"func_time.test", 30},       {"ctype_utf8mb4.test", 15},
};

/* What may differ, and why. Every difference found is either one of these
 * (checked, not assumed: the server's cell printed as the class prints
 * must give ours) or a failure. */
struct Allowed {
  const char *name;
  const char *reason;
};
constexpr Allowed kAllowed[] = {
  {"float-double-print",
   "FLOAT and DOUBLE values print with their classes' fixed format (\"%.2f\"): approximate types, a display choice "
   "callers rely on; the server's number so printed gives ours"},
  {"text-ends-at-zero-byte",
   "text values are zero-terminated and cannot hold U+0000: a text cell with a zero byte ends there; the server's "
   "cell up to its first zero byte gives ours"},
};

using Result = providers::testing::ResultCells;
using providers::testing::through_model;
using providers::testing::through_reader;

/* The client's answer: its bytes, and which cells the XML calls nil. */
struct ClientResult {
  bool failed = false;
  std::string batch;
  std::vector<bool> nulls;
};

/* The client's output for `sql` in `mode`, every byte of it. */
std::string run_client (const TestServer &server, const std::string &sql, const char *mode, bool &failed)
{
  std::string port = std::to_string (server.port);
  GSubprocessLauncher *launcher = g_subprocess_launcher_new (
      static_cast<GSubprocessFlags> (G_SUBPROCESS_FLAGS_STDOUT_PIPE | G_SUBPROCESS_FLAGS_STDERR_SILENCE));
  g_subprocess_launcher_setenv (launcher, "MYSQL_PWD", server.password.c_str (), TRUE);
  const char *argv[] = {"mariadb", "--no-defaults", "--host", server.host.c_str (), "--port", port.c_str (),
                        "--user", server.user.c_str (), "--database", server.database.c_str (),
                        "--default-character-set=utf8mb4", mode, "--raw", "--skip-column-names", "-e", sql.c_str (),
                        nullptr};
  GSubprocess *process = g_subprocess_launcher_spawnv (launcher, argv, nullptr);
  g_object_unref (launcher);
  std::string bytes;
  failed = true;
  if (process) {
    GBytes *out = nullptr;
    if (g_subprocess_communicate (process, nullptr, nullptr, &out, nullptr, nullptr)) {
      gsize length = 0;
      const char *data = out ? static_cast<const char *> (g_bytes_get_data (out, &length)) : nullptr;
      bytes.assign (data ? data : "", length);
      failed = !g_subprocess_get_successful (process);
    }
    if (out)
      g_bytes_unref (out);
    g_object_unref (process);
  }
  return bytes;
}

ClientResult through_client (const TestServer &server, const std::string &prelude, const std::string &statement,
                             bool ask_nulls)
{
  ClientResult result;
  std::string sql = prelude + statement;
  result.batch = run_client (server, sql, "--batch", result.failed);
  if (!ask_nulls)
    return result;
  bool xml_failed = false;
  std::string xml = run_client (server, sql, "--xml", xml_failed);
  for (std::size_t at = xml.find ("<field "); at != std::string::npos; at = xml.find ("<field ", at + 1)) {
    std::size_t end = xml.find ('>', at);
    result.nulls.push_back (xml.substr (at, end - at).find ("xsi:nil=\"true\"") != std::string::npos);
  }
  return result;
}

/* The tally of one run, by reason. */
struct Tally {
  int statements = 0;
  long cells = 0;
  int skipped = 0;
  int both_failed = 0;
  std::map<std::string, long> allowed;
  std::map<std::string, long> differences;
  std::vector<std::string> examples;

  void differ (const std::string &reason, const std::string &detail)
  {
    ++differences[reason];
    if (examples.size () < 40)
      examples.push_back (reason + ": " + detail);
  }
};

/* Case-insensitive GLib regular expressions (std::regex trips g++'s
 * warnings under the sanitizers), compiled once each. */
GRegex *regex_of (const char *pattern)
{
  /* Kept for the whole run. */
  static auto &compiled = *new std::map<std::string, GRegex *> ();
  auto found = compiled.find (pattern);
  if (found != compiled.end ())
    return found->second;
  GRegex *regex = g_regex_new (pattern, G_REGEX_CASELESS,
                               static_cast<GRegexMatchFlags> (0), nullptr);
  compiled[pattern] = regex;
  return regex;
}

bool matches (const char *pattern, const std::string &text)
{
  return g_regex_match_full (regex_of (pattern), text.c_str (), static_cast<gssize> (text.size ()), 0,
                             static_cast<GRegexMatchFlags> (0), nullptr, nullptr);
}

std::string printable (const std::optional<std::string> &cell)
{
  if (!cell)
    return "NULL";
  std::string out;
  for (unsigned char c : *cell) {
    if (c < 0x20 || c == 0x7F) {
      char hex[8];
      std::snprintf (hex, sizeof hex, "\\x%02X", c);
      out += hex;
    } else {
      out += static_cast<char> (c);
    }
  }
  return out.size () > 120 ? out.substr (0, 120) + "..." : out;
}

/* Names the allowed difference that explains `ours` against the server's
 * `theirs`, or null. */
const char *allowed_reason (DataType type, const std::string &ours, const std::string &theirs)
{
  if (type == TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT || type == TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE) {
    double number = g_ascii_strtod (theirs.c_str (), nullptr);
    if (type == TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT)
      number = static_cast<float> (number);
    if (take_string (g_strdup_printf ("%.2f", number)) == ours)
      return kAllowed[0].name;
  }
  std::size_t zero = theirs.find ('\0');
  if (zero != std::string::npos && theirs.substr (0, zero) == ours)
    return kAllowed[1].name;
  return nullptr;
}

std::string batch_of (const Result &result)
{
  std::string out;
  for (const auto &row : result.rows) {
    for (std::size_t c = 0; c < row.size (); ++c) {
      if (c)
        out += '\t';
      out += row[c] ? *row[c] : "NULL";
    }
    out += '\n';
  }
  return out;
}

std::vector<std::string> split (const std::string &text, char separator)
{
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t at = text.find (separator); at != std::string::npos; at = text.find (separator, start)) {
    parts.push_back (text.substr (start, at - start));
    start = at + 1;
  }
  parts.push_back (text.substr (start));
  return parts;
}

void compare (const Result &ours, const ClientResult &theirs, const std::string &statement, const char *path, Tally &tally)
{
  std::string batch = batch_of (ours);
  std::size_t cells = 0;
  for (const auto &row : ours.rows)
    cells += row.size ();
  tally.cells += static_cast<long> (cells);
  std::vector<bool> nulls;
  for (const auto &row : ours.rows)
    for (const auto &cell : row)
      nulls.push_back (!cell);
  if (theirs.nulls.size () == nulls.size () && theirs.nulls != nulls)
    tally.differ ("null", std::string (path) + ": " + statement);
  if (batch == theirs.batch)
    return;
  /* Split the client's lines by our shape; a cell with a tab or a line
   * break of its own makes the split ambiguous. */
  std::vector<std::string> lines = split (theirs.batch, '\n');
  if (!lines.empty () && lines.back ().empty ())
    lines.pop_back ();
  if (lines.size () != ours.rows.size ()) {
    tally.differ ("shape", std::string (path) + ": " + statement);
    return;
  }
  for (std::size_t r = 0; r < lines.size (); ++r) {
    std::vector<std::string> fields = split (lines[r], '\t');
    if (fields.size () != ours.rows[r].size ()) {
      tally.differ ("shape", std::string (path) + ": " + statement);
      return;
    }
    for (std::size_t c = 0; c < fields.size (); ++c) {
      const auto &cell = ours.rows[r][c];
      std::string mine = cell ? *cell : "NULL";
      if (mine == fields[c])
        continue;
      DataType type = c < ours.types.size () ? ours.types[c] : TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
      if (const char *reason = cell ? allowed_reason (type, mine, fields[c]) : nullptr) {
        ++tally.allowed[reason];
        continue;
      }
      g_autofree gchar *type_name = torvanix_providers_contracts_data_type_to_string (type);
      tally.differ (std::string ("value:") + (type_name ? type_name : "unknown"),
                    std::string (path) + ": " + statement + " | ours " + printable (cell) + " | server " +
                        printable (fields[c]));
    }
  }
}

/* Statements of a mysqltest file: its SQL, without the test language's
 * commands, split at the delimiter in force. */
std::vector<std::string> statements_of (const std::string &path)
{
  std::ifstream in (path);
  std::vector<std::string> statements;
  std::string delimiter = ";";
  std::string current;
  std::string line;
  bool in_block = false; /* perl / write_file blocks end at "EOF" */
  static const char *const command =
      R"(^\s*(let|eval|echo|if|while|\}|\{|source|connect|connection|disconnect|error|disable_\w+|enable_\w+|replace_\w+|sorted_result|query_vertical|send|reap|sleep|real_sleep|exit|die|dec|inc|remove_file|system|exec|vertical_results|horizontal_results|character_set|skip|end|start_timer|end_timer|lowercase_result|change_user|query_get_value|shutdown_server|wait_for_slave_to_stop|sync_slave_with_master|save_master_pos|result_format|copy_file|file_exists|list_files|mkdir|rmdir|move_file|chmod|cat_file|diff_files|send_eval|query|let\$)\b)";
  while (std::getline (in, line)) {
    std::string trimmed = line.substr (std::min (line.find_first_not_of (" \t"), line.size ()));
    if (in_block) {
      in_block = trimmed.rfind ("EOF", 0) != 0;
      continue;
    }
    if (current.empty ()) {
      if (trimmed.empty () || trimmed[0] == '#' || trimmed.rfind ("--", 0) == 0)
        continue;
      if (matches (R"(^(perl|write_file|append_file)\b)", trimmed)) {
        in_block = true;
        continue;
      }
    }
    current += line + "\n";
    /* The delimiter outside quotes ends the statement. */
    char quote = 0;
    for (std::size_t i = 0; i < current.size (); ++i) {
      char ch = current[i];
      if (quote) {
        if (ch == '\\' && quote != '`')
          ++i;
        else if (ch == quote)
          quote = 0;
        continue;
      }
      if (ch == '\'' || ch == '"' || ch == '`') {
        quote = ch;
        continue;
      }
      if (current.compare (i, delimiter.size (), delimiter) == 0) {
        std::string statement = current.substr (0, i);
        current = current.substr (i + delimiter.size ());
        i = static_cast<std::size_t> (-1);
        std::size_t start = statement.find_first_not_of (" \t\n");
        if (start == std::string::npos)
          continue;
        statement = statement.substr (start);
        GMatchInfo *match = nullptr;
        bool changes = g_regex_match (regex_of (R"(^delimiter\s+(\S+))"), statement.c_str (), static_cast<GRegexMatchFlags> (0), &match);
        if (changes) {
          g_autofree gchar *word = g_match_info_fetch (match, 1);
          delimiter = word;
        }
        g_match_info_free (match);
        if (changes)
          continue;
        if (!matches (command, statement))
          statements.push_back (statement);
      }
    }
    if (current.find_first_not_of (" \t\n") == std::string::npos)
      current.clear ();
  }
  return statements;
}

bool starts_with_word (const std::string &statement, const char *word)
{
  std::size_t n = std::strlen (word);
  std::size_t at = statement.find_first_not_of (" \t\n(");
  return at != std::string::npos && g_ascii_strncasecmp (statement.c_str () + at, word, n) == 0 &&
         (statement.size () == at + n || !g_ascii_isalnum (statement[at + n]));
}

/* Answers that are not the server's data but the moment's or the
 * session's: they differ between any two sessions. */
bool not_deterministic (const std::string &statement)
{
  static const char *const session =
      R"(\b(rand|uuid|uuid_short|sleep|benchmark|connection_id|last_insert_id|found_rows|row_count|get_lock|release_lock|database|user|current_user|session_user|system_user|version|@@|information_schema|performance_schema|processlist|show)\b)";
  static const char *const clock =
      R"(\b(now|curdate|curtime|current_date|current_time|current_timestamp|sysdate|utc_date|utc_time|utc_timestamp|localtime|localtimestamp|unix_timestamp\s*\(\s*\)))";
  /* A file's SET timestamp fixes the clock only until it sets it back:
   * the clock's functions are left out always. */
  return matches (session, statement) || matches (clock, statement);
}

/* The names the pattern's first group matches in `text`. */
std::vector<std::string> names_in (const char *pattern, const std::string &text)
{
  std::vector<std::string> names;
  GMatchInfo *match = nullptr;
  g_regex_match (regex_of (pattern), text.c_str (), static_cast<GRegexMatchFlags> (0), &match);
  for (; g_match_info_matches (match); g_match_info_next (match, nullptr)) {
    g_autofree gchar *name = g_match_info_fetch (match, 1);
    g_autofree gchar *lower = g_ascii_strdown (name, -1);
    names.push_back (lower);
  }
  g_match_info_free (match);
  return names;
}

/* What only the library's session holds: user variables that a statement
 * other than SET gave a value (a SELECT ... :=, INTO @v, a routine's SET
 * @v), and temporary tables. The client's session sees neither. */
struct SessionOnly {
  std::vector<std::string> variables;
  std::vector<std::string> tables;

  void note (const std::string &statement)
  {
    for (const std::string &name : names_in (R"((?<!@)@(\w+)\s*:=)", statement))
      variables.push_back (name);
    for (const std::string &name : names_in (R"(\binto\s+@(\w+))", statement))
      variables.push_back (name);
    /* A routine's SET @v runs in the session that calls it. */
    if (matches (R"(^\s*create\s+(definer\s*=\s*\S+\s+)?(function|procedure|trigger|event)\b)", statement)) {
      for (const std::string &name : names_in (R"(\bset\s+@(\w+))", statement))
        variables.push_back (name);
    }
    for (const std::string &name : names_in (R"(^\s*create\s+temporary\s+table\s+(?:if\s+not\s+exists\s+)?`?(\w+))", statement))
      tables.push_back (name);
  }

  bool used_by (const std::string &statement, const std::string &prelude) const
  {
    for (const std::string &name : names_in (R"((?<!@)@(\w+))", statement)) {
      if (std::find (variables.begin (), variables.end (), name) != variables.end () ||
          !matches ((std::string ("@") + name + R"(\s*:?=)").c_str (), prelude))
        return true;
    }
    for (const std::string &name : tables) {
      if (matches ((std::string (R"(\b)") + name + R"(\b)").c_str (), statement))
        return true;
    }
    return false;
  }
};

/* Session settings the client's session must share; the connection's
 * character set stays utf8mb4 on both sides. */
bool shared_setting (const std::string &statement)
{
  static const char *const names = R"(^\s*set\s+(names|statement|character\s+set|charset|password|global|@@global|.*character_set_))";
  return starts_with_word (statement, "SET") && !matches (names, statement);
}

void run_statements (TorvanixProvidersContractsIProvider *provider, const TestServer &server,
                     const std::vector<std::string> &statements, int limit, const char *path, Tally &tally)
{
  std::string prelude;
  SessionOnly session_only;
  int compared = 0;
  const bool trace = g_getenv ("PROVIDERS_DIFFERENTIAL_TRACE") != nullptr;
  for (const std::string &statement : statements) {
    if (compared >= limit)
      break;
    if (trace)
      std::fprintf (stderr, "%s: %s\n", path, statement.c_str ());
    /* A failed statement logs the server's error (a warning the library
     * gives by design); a CRITICAL is the library tripping its own checks. */
    LogCapture log;
    struct Criticals {
      LogCapture &log;
      Tally &tally;
      const char *path;
      const std::string &statement;
      ~Criticals ()
      {
        for (const std::string &critical : log.criticals ())
          tally.differ ("critical", std::string (path) + ": " + statement + " | " + critical);
      }
    } criticals{log, tally, path, statement};
    if (starts_with_word (statement, "SET") && !shared_setting (statement) &&
        !matches (R"(^\s*set\s+statement\b)", statement))
      continue;
    /* The test's database is the only one: a file that moves to another
     * would fail every statement after it. */
    if (starts_with_word (statement, "USE") || matches (R"(^\s*(create|drop|alter)\s+(database|schema)\b)", statement))
      continue;
    if (!starts_with_word (statement, "SELECT") && !starts_with_word (statement, "VALUES")) {
      GError *error = nullptr;
      torvanix_providers_contracts_iprovider_execute_affect (provider, statement.c_str (), 0, &error);
      bool ok = error == nullptr;
      g_clear_error (&error);
      if (ok && !shared_setting (statement))
        session_only.note (statement);
      if (ok && shared_setting (statement))
        prelude += statement + ";\n";
      continue;
    }
    if (not_deterministic (statement) || session_only.used_by (statement, prelude) || statement.find ("INTO OUTFILE") != std::string::npos ||
        statement.find (" INTO @") != std::string::npos) {
      ++tally.skipped;
      continue;
    }
    ++compared;
    ++tally.statements;
    session_only.note (statement);
    Result model = through_model (provider, statement);
    /* The batch prints NULL as the text NULL: only a result holding
     * either needs the XML to tell them apart. */
    bool ask_nulls = false;
    for (const auto &row : model.rows)
      for (const auto &cell : row)
        ask_nulls = ask_nulls || !cell || *cell == "NULL";
    ClientResult client = through_client (server, prelude, statement, ask_nulls);
    if (model.failed || client.failed) {
      if (model.failed && client.failed) {
        ++tally.both_failed;
        if (trace)
          std::fprintf (stderr, "  failed on both sides\n");
      }
      else
        tally.differ (model.failed ? "library-failed" : "client-failed", std::string (path) + ": " + statement +
                                                                              (trace ? " | after " + prelude : ""));
      continue;
    }
    compare (model, client, statement, path, tally);
    Result reader = through_reader (provider, statement);
    reader.types = model.types;
    if (reader.failed || reader.rows != model.rows)
      tally.differ ("reader-vs-model", std::string (path) + ": " + statement);
  }
}

std::string source_dir ()
{
  return PROVIDERS_DIFFERENTIAL_DIR;
}

void print (const Tally &tally)
{
  std::printf ("differential: %d statements compared, %ld cells, %d skipped (session or clock), %d failed on both sides\n",
               tally.statements, tally.cells, tally.skipped, tally.both_failed);
  for (const Allowed &a : kAllowed) {
    auto found = tally.allowed.find (a.name);
    std::printf ("  allowed %-24s %ld\n", a.name, found == tally.allowed.end () ? 0 : found->second);
  }
  long total = 0;
  for (const auto &[reason, count] : tally.differences) {
    std::printf ("  differs %-24s %ld\n", reason.c_str (), count);
    total += count;
  }
  std::printf ("  differences beyond the list: %ld\n", total);
  for (const std::string &example : tally.examples)
    std::printf ("    %s\n", example.c_str ());
  std::fflush (stdout);
}

TEST (Differential, EveryCellAsTheServersClientPrintsIt)
{
  /* A server of this run's own: the suite's files make and drop tables
   * of fixed names, and every zone and locale runs at the same time. The
   * sweep brings its own (a scratch server would be stopped by any test
   * run's cleanup meanwhile). */
  const char *files = g_getenv ("PROVIDERS_DIFFERENTIAL_FILES");
  const char *label = g_getenv ("PROVIDERS_DIFFERENTIAL_LABEL");
  std::unique_ptr<ScratchServer> scratch;
  if (!files)
    scratch = std::make_unique<ScratchServer> (std::string ("differential-") + (label ? label : "run"), false);
  const TestServer &server = scratch ? scratch->server () : providers::testing::test_server ();
  auto provider = own (torvanix_providers_supports_my_sql_provider_new ());
  auto *iface = TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (provider.get ());
  GError *error = nullptr;
  torvanix_providers_contracts_iprovider_open (iface, make_profile (server).get (), "", &error);
  ASSERT_EQ (error, nullptr) << error->message;

  Tally tally;
  std::vector<SuiteFile> chosen;
  std::vector<std::string> names;
  if (files) {
    std::istringstream words (files);
    for (std::string name; words >> name;)
      names.push_back (name);
    for (const std::string &name : names)
      chosen.push_back ({name.c_str (), G_MAXINT});
  } else {
    chosen.assign (std::begin (kCurated), std::end (kCurated));
  }
  for (const SuiteFile &file : chosen) {
    std::string path = std::string (kSuiteDir) + file.name;
    ASSERT_TRUE (g_file_test (path.c_str (), G_FILE_TEST_EXISTS)) << path << ": install mariadb-test-data";
    /* Each file starts from an empty database, as the suite runs it. */
    auto drop = own (torvanix_providers_contracts_iprovider_execute_model (
        iface, "SELECT GROUP_CONCAT(CONCAT('`', table_name, '`')) FROM information_schema.tables WHERE table_schema = DATABASE()", 0,
        nullptr));
    if (drop && g_list_model_get_n_items (G_LIST_MODEL (drop.get ())) == 1) {
      auto names_value = own (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (torvanix_providers_contracts_table_model_get_value_at (drop.get (), 0, 0)));
      if (!G_TYPE_CHECK_INSTANCE_TYPE (names_value.get (), TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_NULL)) {
        std::string tables = take_string (torvanix_providers_contracts_ivalue_to_string (names_value.get ()));
        torvanix_providers_contracts_iprovider_execute_affect (iface, ("DROP TABLE IF EXISTS " + tables).c_str (), 0, nullptr);
      }
    }
    torvanix_providers_contracts_iprovider_close (iface, nullptr);
    torvanix_providers_contracts_iprovider_open (iface, make_profile (server).get (), "", nullptr);
    run_statements (iface, server, statements_of (path), file.limit, file.name, tally);
  }
  /* Our own statements for the extremes, one a line. */
  if (!files) {
    std::ifstream extremes (source_dir () + "/differential-extremes.sql");
    std::vector<std::string> own_statements;
    for (std::string line; std::getline (extremes, line);) {
      if (!line.empty () && line[0] != '#')
        own_statements.push_back (line);
    }
    ASSERT_FALSE (own_statements.empty ());
    run_statements (iface, server, own_statements, G_MAXINT, "extremes", tally);
  }
  print (tally);
  EXPECT_GT (tally.cells, 0);
  if (!files) {
    EXPECT_TRUE (tally.differences.empty ()) << "cells differ from the server's client beyond the allowed list";
  }
}

}  // namespace
