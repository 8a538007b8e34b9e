/* Every cell against the server's own client: the statements of
 * differential.sql through execute_model and through `psql -X -A` with the
 * provider's session settings (nulls printed as a marker, cells and rows
 * separated by control characters), compared cell by cell in the session
 * zone the test runs in (TZ, UTC when unset). What may differ is the short
 * list below, each with its reason; anything else fails the test. */
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "pg-test-calls.h"
#include "pg-test-server.h"
#include "support/result-cells.h"

using namespace providers::testing;

namespace {

constexpr char kNullMarker[] = "\x01NULL\x01";
constexpr char kFieldSeparator[] = "\x1f";
constexpr char kRecordSeparator[] = "\x1e";

using DataType = TorvanixProvidersContractsDataType;

/* What may differ, and why. Every difference found is one of these
 * (checked, not assumed: psql's cell printed as the value's class prints
 * must give ours) or a failure. */
struct Allowed {
  const char *name;
  const char *reason;
  /* Whether psql's `theirs` printed as the class prints gives `ours`. */
  bool (*explains) (DataType type, const std::string &ours, const std::string &theirs);
};

std::string hex_notation (const std::string &bytes)
{
  static const char kHex[] = "0123456789abcdef";
  std::string text = "\\x";
  for (unsigned char byte : bytes) {
    text += kHex[byte >> 4];
    text += kHex[byte & 0xF];
  }
  return text;
}

const Allowed kAllowed[] = {
  {"boolean-print", "BOOLEAN values print as true and false, the class's print; psql prints the server's t and f",
   [] (DataType type, const std::string &ours, const std::string &theirs) {
     return type == TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN
            && ((theirs == "t" && ours == "true") || (theirs == "f" && ours == "false"));
   }},
  {"float-double-print",
   "FLOAT and DOUBLE values print with their classes' fixed format (\"%.2f\", nan and inf as C prints them); psql "
   "prints the shortest digits that read back",
   [] (DataType type, const std::string &ours, const std::string &theirs) {
     if (type != TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT && type != TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE)
       return false;
     double number = g_ascii_strtod (theirs.c_str (), nullptr);
     if (type == TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT)
       number = static_cast<float> (number);
     return ours == take_string (g_strdup_printf ("%.2f", number));
   }},
  {"bytes", "a BINARY value is its bytes; psql prints them in the server's hex notation",
   [] (DataType type, const std::string &ours, const std::string &theirs) {
     return type == TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY && hex_notation (ours) == theirs;
   }},
};

/* The user-defined types the statements use: enumerations, composites,
 * domains over built-in and user types, ranges of an enumeration. The
 * variants of the test share the server and may run at once: the first
 * makes them, a run that finds them (or loses the race) uses them. */
constexpr char kUserTypes[] = R"(DO $$ BEGIN
  IF to_regtype ('differential.mood_multirange') IS NULL THEN
    CREATE SCHEMA IF NOT EXISTS differential;
    CREATE TYPE differential.mood AS ENUM ('sad', 'ok', 'happy', 'très "content"');
    CREATE DOMAIN differential.mood_domain AS differential.mood;
    CREATE TYPE differential.pair AS (a int, b text);
    CREATE TYPE differential.nested AS (inner_pair differential.pair, label text);
    CREATE DOMAIN differential.positive AS int4 CHECK (VALUE > 0);
    CREATE DOMAIN differential.flag AS bool;
    CREATE DOMAIN differential.bytes AS bytea;
    CREATE DOMAIN differential.price AS numeric(10, 2);
    CREATE DOMAIN differential.moment AS timestamptz;
    CREATE DOMAIN differential.pair_of_ints AS int[];
    CREATE TYPE differential.mood_range AS RANGE (subtype = differential.mood,
                                                  multirange_type_name = differential.mood_multirange);
  END IF;
EXCEPTION WHEN duplicate_object OR duplicate_schema OR unique_violation THEN NULL;
END $$)";

std::string zone ()
{
  const char *tz = g_getenv ("TZ");
  return tz != nullptr && *tz != '\0' ? tz : "UTC";
}

std::vector<std::string> statements ()
{
  std::ifstream in (PROVIDERS_PG_DIFFERENTIAL_SQL);
  std::vector<std::string> lines;
  for (std::string line; std::getline (in, line);)
    if (!line.empty () && !line.starts_with ("--"))
      lines.push_back (line);
  return lines;
}

std::vector<std::string> split (const std::string &text, const std::string &separator)
{
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find (separator, start)) != std::string::npos; start = at + separator.size ())
    parts.push_back (text.substr (start, at - start));
  parts.push_back (text.substr (start));
  return parts;
}

/* psql's rows, or nullopt when it failed. */
std::optional<std::vector<std::vector<std::optional<std::string>>>> through_psql (const std::string &statement)
{
  const TestServer &server = test_pg_server ();
  std::string port = std::to_string (server.port);
  std::string null_setting = std::string ("null=") + kNullMarker;
  const char *argv[] = {"psql", "-X", "-A", "-t", "-q", "-v", "ON_ERROR_STOP=1", "-P", null_setting.c_str (), "-F",
                        kFieldSeparator, "-R", kRecordSeparator, "-h", server.host.c_str (), "-p", port.c_str (), "-U",
                        server.user.c_str (), "-d", server.database.c_str (), "-c", statement.c_str (), nullptr};
  gchar **env = g_get_environ ();
  env = g_environ_setenv (env, "PGPASSWORD", server.password.c_str (), TRUE);
  env = g_environ_setenv (env, "PGSSLMODE", "disable", TRUE);
  env = g_environ_setenv (env, "PGTZ", zone ().c_str (), TRUE);
  env = g_environ_setenv (env, "PGCLIENTENCODING", "UTF8", TRUE);
  env = g_environ_setenv (
      env, "PGOPTIONS", "-c DateStyle=ISO -c IntervalStyle=postgres -c extra_float_digits=1 -c bytea_output=hex", TRUE);
  gchar *out = nullptr;
  gchar *err = nullptr;
  gint status = 0;
  GError *error = nullptr;
  gboolean ran = g_spawn_sync (nullptr, const_cast<gchar **> (argv), env, G_SPAWN_SEARCH_PATH, nullptr, nullptr, &out,
                               &err, &status, &error);
  g_strfreev (env);
  std::string text = out ? out : "";
  g_free (out);
  g_free (err);
  if (!ran) {
    ADD_FAILURE () << "psql did not run: " << error->message;
    g_error_free (error);
    return std::nullopt;
  }
  if (!g_spawn_check_wait_status (status, nullptr))
    return std::nullopt;
  if (text.ends_with ("\n"))
    text.pop_back ();
  std::vector<std::vector<std::optional<std::string>>> rows;
  if (text.empty ())
    return rows;
  for (const std::string &record : split (text, kRecordSeparator)) {
    auto &row = rows.emplace_back ();
    for (const std::string &field : split (record, kFieldSeparator))
      row.push_back (field == kNullMarker ? std::nullopt : std::optional<std::string> (field));
  }
  return rows;
}

std::string shown (const std::optional<std::string> &cell) { return cell ? '"' + *cell + '"' : "NULL"; }

TEST (PostgreSQLDifferential, EveryCellAsPsqlPrintsIt)
{
  auto provider = open_pg_provider ();
  ASSERT_FALSE (affect (provider, "SET TimeZone = '" + zone () + "'").failed);
  Outcome made = affect (provider, kUserTypes);
  ASSERT_FALSE (made.failed) << made.message;
  int cells = 0, differing = 0;
  std::vector<int> allowed (std::size (kAllowed));
  for (const std::string &statement : statements ()) {
    SCOPED_TRACE (statement);
    ResultCells ours = through_model (as_provider (provider), statement);
    auto theirs = through_psql (statement);
    ASSERT_TRUE (theirs.has_value ());
    ASSERT_FALSE (ours.failed);
    ASSERT_EQ (ours.rows.size (), theirs->size ());
    for (std::size_t r = 0; r < ours.rows.size (); ++r) {
      ASSERT_EQ (ours.rows[r].size (), (*theirs)[r].size ());
      for (std::size_t c = 0; c < ours.rows[r].size (); ++c, ++cells) {
        const std::optional<std::string> &mine = ours.rows[r][c], &psql = (*theirs)[r][c];
        if (mine == psql)
          continue;
        std::size_t reason = 0;
        while (reason < std::size (kAllowed)
               && !(mine && psql && kAllowed[reason].explains (ours.types[c], *mine, *psql)))
          ++reason;
        if (reason < std::size (kAllowed)) {
          ++allowed[reason];
          continue;
        }
        if (++differing <= 40)
          ADD_FAILURE () << "row " << r << ", column " << c << ": ours " << shown (mine) << ", psql " << shown (psql);
      }
    }
  }
  std::printf ("%d cells compared in %s, %d differ beyond the named list;", cells, zone ().c_str (), differing);
  for (std::size_t i = 0; i < std::size (kAllowed); ++i)
    std::printf (" %s: %d", kAllowed[i].name, allowed[i]);
  std::printf ("\n");
  EXPECT_EQ (differing, 0);
}

}  // namespace
