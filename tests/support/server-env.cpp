#include "support/server-env.h"

#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <map>
#include <stdexcept>

namespace providers::testing {

TestServer read_server_env (const std::string &path)
{
  std::ifstream in (path);
  if (!in)
    throw std::runtime_error ("no server description at " + path);
  std::map<std::string, std::string> env;
  for (std::string line; std::getline (in, line);) {
    auto eq = line.find ('=');
    if (eq != std::string::npos)
      env[line.substr (0, eq)] = line.substr (eq + 1);
  }
  TestServer s;
  s.dir = path.substr (0, path.rfind ('/'));
  s.host = env["PROVIDERS_TEST_HOST"];
  s.port = std::atoi (env["PROVIDERS_TEST_PORT"].c_str ());
  s.socket = env["PROVIDERS_TEST_SOCKET"];
  s.user = env["PROVIDERS_TEST_USER"];
  s.password = env["PROVIDERS_TEST_PASSWORD"];
  s.database = env["PROVIDERS_TEST_DATABASE"];
  s.pid = std::atoi (env["PROVIDERS_TEST_PID"].c_str ());
  s.ssl_ca = env["PROVIDERS_TEST_SSL_CA"];
  s.ssl_other_ca = env["PROVIDERS_TEST_SSL_OTHER_CA"];
  s.ssl_cert = env["PROVIDERS_TEST_SSL_CERT"];
  s.ssl_key = env["PROVIDERS_TEST_SSL_KEY"];
  s.ssl_key_encrypted = env["PROVIDERS_TEST_SSL_KEY_ENCRYPTED"];
  s.ssl_key_password = env["PROVIDERS_TEST_SSL_KEY_PASSWORD"];
  if (s.port == 0)
    throw std::runtime_error ("no port in " + path);
  return s;
}

std::string unique_name (const std::string &stem)
{
  static std::atomic<int> counter{0};
  return stem + "_" + std::to_string (getpid ()) + "_" + std::to_string (++counter);
}

}  // namespace providers::testing
