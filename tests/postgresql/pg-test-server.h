/* The private PostgreSQL server the PostgreSQL tests run against.
 *
 * The CTest fixture `postgresql_server` starts it with
 * scripts/test-pg-server; PROVIDERS_PG_TEST_SERVER_ENV names another
 * server.env to run the tests against a server started by hand.
 */
#pragma once

#include <libproviders/providers.h>
#include <libproviders/postgresql.h>

#include <string>
#include <vector>

#include "support/gobject-test.h"
#include "support/server-env.h"

namespace providers::testing {

/* The fixture's server; aborts the test program when it is missing, since
 * no provider test may pass without a server. */
const TestServer &test_pg_server ();

/* A profile for `server`'s test account and database; TLS off.
 * `options` is the profile's options text. */
Owned<TorvanixProvidersContractsServer> make_pg_profile (const TestServer &server, const std::string &options = "");

/* A provider opened on the fixture's server; fails the test when it
 * cannot be opened. */
Owned<TorvanixProvidersSupportsPostgreSQLProvider> open_pg_provider (const std::string &options = "");

/* A connection of the test's own, through libpq alone, to look at what a
 * provider did from outside. */
class PgObserver {
 public:
  explicit PgObserver (const TestServer &server = test_pg_server ());
  ~PgObserver ();
  PgObserver (const PgObserver &) = delete;
  PgObserver &operator= (const PgObserver &) = delete;

  /* The first cell of the statement's result: "<null>" for NULL, "error:
   * <SQLSTATE>" when it failed, "" when it returned no rows. */
  std::string cell (const std::string &statement);
  /* Every row of the statement's result, NULL as "<null>"; none when it
   * failed. */
  std::vector<std::vector<std::string>> rows (const std::string &statement);
  /* Ends the sessions whose application_name is `name` and waits until
   * the server has let them go. */
  void terminate (const std::string &name);

 private:
  void *connection_;
};

}  // namespace providers::testing
