/* The private database server the tests run against.
 *
 * The CTest fixture `mysql_server` starts it with scripts/test-server and
 * writes its address, account and TLS files to a file in the build tree;
 * PROVIDERS_TEST_SERVER_ENV names another such file to run the tests
 * against a server started by hand.
 */
#pragma once

#include <libproviders/providers.h>

#include <string>

#include "support/gobject-test.h"
#include "support/server-env.h"

namespace providers::testing {

/* The fixture's server; aborts the test program when the file is missing,
 * since no provider test may pass without a server. */
const TestServer &test_server ();

/* A server of the test's own, for tests that stop it or need one without
 * TLS. Stopped when destroyed; the fixture's cleanup stops any left over. */
class ScratchServer {
 public:
  ScratchServer (const std::string &name, bool tls);
  ~ScratchServer ();
  ScratchServer (const ScratchServer &) = delete;
  ScratchServer &operator= (const ScratchServer &) = delete;

  const TestServer &server () const { return server_; }
  bool running () const { return running_; }
  void stop ();
  /* Stops it and runs it again on the same port and data: every session
   * is gone, the tables stay. */
  void restart ();

 private:
  std::string dir_;
  TestServer server_;
  bool running_ = false;
};

/* A connection of the test's own with the bare client library, to look
 * at what the provider did from outside. */
class Observer {
 public:
  explicit Observer (const TestServer &server);
  ~Observer ();
  Observer (const Observer &) = delete;
  Observer &operator= (const Observer &) = delete;

  /* The first cell of the statement's result: "<null>" for NULL, "error:
   * <text>" when the statement failed, "" when it returned no rows. */
  std::string cell (const std::string &statement);

 private:
  void *handle_;
};

/* A profile for `server`'s test account and database; TLS off. */
Owned<TorvanixProvidersContractsServer> make_profile (const TestServer &server);

}  // namespace providers::testing
