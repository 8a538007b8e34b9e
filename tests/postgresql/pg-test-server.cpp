#include "pg-test-server.h"

#include <libpq-fe.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace providers::testing {

const TestServer &test_pg_server ()
{
  static const TestServer server = [] {
    const char *path = g_getenv ("PROVIDERS_PG_TEST_SERVER_ENV");
    try {
      return read_server_env (path ? path : PROVIDERS_PG_TEST_SERVER_ENV);
    } catch (const std::exception &e) {
      std::fprintf (stderr, "%s: start it with the postgresql_server CTest fixture\n", e.what ());
      std::abort ();
    }
  }();
  return server;
}

Owned<TorvanixProvidersContractsServer> make_pg_profile (const TestServer &server, const std::string &options)
{
  auto profile = own (torvanix_providers_contracts_server_new_with_provider ("PostgreSQL"));
  torvanix_providers_contracts_server_set_host (profile.get (), server.host.c_str ());
  torvanix_providers_contracts_server_set_port (profile.get (), server.port);
  torvanix_providers_contracts_server_set_username (profile.get (), server.user.c_str ());
  torvanix_providers_contracts_server_set_password (profile.get (), server.password.c_str ());
  torvanix_providers_contracts_server_set_initial (profile.get (), server.database.c_str ());
  torvanix_providers_contracts_server_set_options (profile.get (), options.c_str ());
  return profile;
}

Owned<TorvanixProvidersSupportsPostgreSQLProvider> open_pg_provider (const std::string &options)
{
  auto provider = own (torvanix_providers_supports_postgre_sql_provider_new ());
  GError *error = nullptr;
  torvanix_providers_contracts_iprovider_open (TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (provider.get ()),
                                               make_pg_profile (test_pg_server (), options).get (), "", &error);
  EXPECT_EQ (error, nullptr) << error->message;
  g_clear_error (&error);
  return provider;
}

PgObserver::PgObserver (const TestServer &server)
{
  const char *keywords[] = {"host", "port", "user", "password", "dbname", "sslmode", nullptr};
  std::string port = std::to_string (server.port);
  const char *values[] = {server.host.c_str (), port.c_str (), server.user.c_str (), server.password.c_str (),
                          server.database.c_str (), "disable", nullptr};
  PGconn *connection = PQconnectdbParams (keywords, values, 0);
  connection_ = connection;
  if (PQstatus (connection) != CONNECTION_OK)
    throw std::runtime_error (std::string ("observer: ") + PQerrorMessage (connection));
}

PgObserver::~PgObserver ()
{
  PQfinish (static_cast<PGconn *> (connection_));
}

std::string PgObserver::cell (const std::string &statement)
{
  PGresult *result = PQexec (static_cast<PGconn *> (connection_), statement.c_str ());
  std::string answer;
  ExecStatusType status = PQresultStatus (result);
  if (status == PGRES_TUPLES_OK) {
    if (PQntuples (result) > 0)
      answer = PQgetisnull (result, 0, 0) ? "<null>" : PQgetvalue (result, 0, 0);
  } else if (status != PGRES_COMMAND_OK) {
    const char *sqlstate = PQresultErrorField (result, PG_DIAG_SQLSTATE);
    answer = std::string ("error: ") + (sqlstate ? sqlstate : "?");
  }
  PQclear (result);
  return answer;
}

std::vector<std::vector<std::string>> PgObserver::rows (const std::string &statement)
{
  PGresult *result = PQexec (static_cast<PGconn *> (connection_), statement.c_str ());
  std::vector<std::vector<std::string>> answer;
  if (PQresultStatus (result) == PGRES_TUPLES_OK) {
    for (int row = 0; row < PQntuples (result); ++row) {
      auto &cells = answer.emplace_back ();
      for (int column = 0; column < PQnfields (result); ++column)
        cells.push_back (PQgetisnull (result, row, column) ? "<null>" : PQgetvalue (result, row, column));
    }
  }
  PQclear (result);
  return answer;
}

void PgObserver::terminate (const std::string &name)
{
  std::string quoted = "'" + name + "'";
  cell ("SELECT pg_terminate_backend (pid) FROM pg_stat_activity WHERE application_name = " + quoted);
  for (int i = 0; i < 300; ++i) {
    if (cell ("SELECT count(*) FROM pg_stat_activity WHERE application_name = " + quoted) == "0")
      return;
    g_usleep (10 * 1000);
  }
  ADD_FAILURE () << "the session " << name << " did not end";
}

}  // namespace providers::testing
