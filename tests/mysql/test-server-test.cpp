/* The private server itself, reached with the bare client library. */
#include <mysql.h>

#include <gtest/gtest.h>

#include <string>

#include "test-server.h"

using providers::testing::test_server;

namespace {

struct Connection {
  MYSQL *handle = mysql_init (nullptr);
  ~Connection () { mysql_close (handle); }
};

std::string first_cell (MYSQL *handle, const char *query)
{
  if (mysql_query (handle, query) != 0)
    return std::string ("error: ") + mysql_error (handle);
  MYSQL_RES *result = mysql_store_result (handle);
  if (result == nullptr)
    return "no result";
  MYSQL_ROW row = mysql_fetch_row (result);
  std::string cell = row && row[0] ? row[0] : "<null>";
  mysql_free_result (result);
  return cell;
}

TEST (TestServer, AcceptsTheTestAccountOverTcpAndTls)
{
  const auto &s = test_server ();
  Connection plain;
  ASSERT_NE (mysql_real_connect (plain.handle, s.host.c_str (), s.user.c_str (), s.password.c_str (),
                                 s.database.c_str (), s.port, nullptr, 0),
             nullptr)
      << mysql_error (plain.handle);
  EXPECT_EQ (first_cell (plain.handle, "SELECT DATABASE()"), s.database);
  EXPECT_EQ (first_cell (plain.handle, "SELECT 6 * 7"), "42");

  Connection tls;
  my_bool verify = 1;
  mysql_optionsv (tls.handle, MYSQL_OPT_SSL_CA, s.ssl_ca.c_str ());
  mysql_optionsv (tls.handle, MYSQL_OPT_SSL_VERIFY_SERVER_CERT, &verify);
  ASSERT_NE (mysql_real_connect (tls.handle, s.host.c_str (), s.user.c_str (), s.password.c_str (),
                                 nullptr, s.port, nullptr, 0),
             nullptr)
      << mysql_error (tls.handle);
  EXPECT_NE (mysql_get_ssl_cipher (tls.handle), nullptr);
}

}  // namespace
