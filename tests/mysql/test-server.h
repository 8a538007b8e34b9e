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

namespace providers::testing {

struct TestServer {
  std::string dir;
  std::string host;
  int port = 0;
  std::string socket;
  std::string user;
  std::string password;
  std::string database;
  int pid = 0;
  std::string ssl_ca;
  std::string ssl_other_ca;
  std::string ssl_cert;
  std::string ssl_key;
  std::string ssl_key_encrypted;
  std::string ssl_key_password;
};

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

/* A name no other test process uses at the same time: tests run in
 * parallel against one server, under several variants. */
std::string unique_name (const std::string &stem);

}  // namespace providers::testing
