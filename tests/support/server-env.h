/* A private test server as its start script describes it.
 *
 * scripts/test-server and scripts/test-pg-server write DIR/server.env,
 * KEY=VALUE lines: the address, the socket, the test account and database,
 * the TLS files and the server's process id.
 */
#pragma once

#include <string>

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

/* The server described at `path`; throws std::runtime_error when the file
 * is missing or names no port. */
TestServer read_server_env (const std::string &path);

/* A name no other test process uses at the same time: tests run in
 * parallel against one server, under several variants. */
std::string unique_name (const std::string &stem);

}  // namespace providers::testing
