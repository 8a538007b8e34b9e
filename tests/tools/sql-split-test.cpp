#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sql-split.h"

namespace {

std::vector<std::string>
split (const char *text)
{
  gchar **parts = providers_sql_split (text);
  std::vector<std::string> result;
  for (gchar **p = parts; *p; ++p)
    result.emplace_back (*p);
  g_strfreev (parts);
  return result;
}

struct SplitCase {
  const char *name;
  const char *text;
  std::vector<std::string> statements;
};

TEST (SqlSplit, StatementsEndAtSemicolonsOutsideQuotesAndComments)
{
  const SplitCase cases[] = {
      {"empty", "", {}},
      {"blanks and comments only", "  ;\n-- nothing\n; /* still nothing */ ; # nor this\n", {}},
      {"one without semicolon", "SELECT 1", {"SELECT 1"}},
      {"two, trimmed", " SELECT 1 ;\n\tSELECT 2;  ", {"SELECT 1", "SELECT 2"}},
      {"single quotes", "SELECT 'a;b'; SELECT 2", {"SELECT 'a;b'", "SELECT 2"}},
      {"escaped quote", R"(SELECT 'it\'s;'; SELECT 2)", {R"(SELECT 'it\'s;')", "SELECT 2"}},
      {"doubled quote", "SELECT 'it''s;'; SELECT 2", {"SELECT 'it''s;'", "SELECT 2"}},
      {"double quotes", "SELECT \"x;\"; SELECT 2", {"SELECT \"x;\"", "SELECT 2"}},
      {"backquoted name", "SELECT `a;b` FROM t; SELECT 2", {"SELECT `a;b` FROM t", "SELECT 2"}},
      {"backslash in a backquoted name", "SELECT `a\\`; SELECT 2", {"SELECT `a\\`", "SELECT 2"}},
      {"line comments", "SELECT 1 -- one; two\n; # three; four\nSELECT 2", {"SELECT 1 -- one; two", "# three; four\nSELECT 2"}},
      {"double dash without a blank is an operator", "SELECT 1--1; SELECT 2", {"SELECT 1--1", "SELECT 2"}},
      {"block comment", "SELECT /* ; */ 1; SELECT 2", {"SELECT /* ; */ 1", "SELECT 2"}},
      {"executable comment is code", "/*!40101 SET NAMES utf8 */;", {"/*!40101 SET NAMES utf8 */"}},
      {"unterminated quote runs to the end", "SELECT 'a; SELECT 2", {"SELECT 'a; SELECT 2"}},
      {"unterminated comment runs to the end", "SELECT 1 /* ; SELECT 2", {"SELECT 1 /* ; SELECT 2"}},
      {"UTF-8 text", "SELECT '源氏;物語'; SELECT 'ü'", {"SELECT '源氏;物語'", "SELECT 'ü'"}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE (c.name);
    EXPECT_EQ (split (c.text), c.statements);
  }
}

} // namespace
