#include "test-server.h"

#include <glib.h>
#include <mysql.h>

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <stdexcept>

namespace providers::testing {

namespace {

TestServer read_env (const std::string &path)
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

int run_script (const std::string &command, const std::string &dir, bool tls)
{
  gchar *quoted_script = g_shell_quote (PROVIDERS_TEST_SERVER_SCRIPT);
  gchar *quoted_dir = g_shell_quote (dir.c_str ());
  gchar *quoted_template = g_shell_quote (PROVIDERS_TEST_SERVER_TEMPLATE);
  std::string line = std::string ("PROVIDERS_TEST_SERVER_TEMPLATE=") + quoted_template + " " + quoted_script + " " + command + " " + quoted_dir + (tls ? "" : " --no-tls");
  g_free (quoted_script);
  g_free (quoted_dir);
  g_free (quoted_template);
  return std::system (line.c_str ());
}

}  // namespace

const TestServer &test_server ()
{
  static const TestServer server = [] {
    const char *path = g_getenv ("PROVIDERS_TEST_SERVER_ENV");
    try {
      return read_env (path ? path : PROVIDERS_TEST_SERVER_ENV);
    } catch (const std::exception &e) {
      std::fprintf (stderr, "%s: start it with the mysql_server CTest fixture\n", e.what ());
      std::abort ();
    }
  }();
  return server;
}

ScratchServer::ScratchServer (const std::string &name, bool tls)
    : dir_ (std::string (PROVIDERS_TEST_SCRATCH_DIR) + "/" + name)
{
  if (run_script ("start", dir_, tls) != 0)
    throw std::runtime_error ("scratch server " + name + " did not start");
  running_ = true;
  server_ = read_env (dir_ + "/server.env");
}

ScratchServer::~ScratchServer ()
{
  stop ();
}

void ScratchServer::stop ()
{
  if (running_)
    run_script ("stop", dir_, true);
  running_ = false;
}

void ScratchServer::restart ()
{
  running_ = run_script ("restart", dir_, true) == 0;
  if (!running_)
    throw std::runtime_error ("scratch server " + dir_ + " did not start again");
  server_ = read_env (dir_ + "/server.env");
}

Observer::Observer (const TestServer &server) : handle_ (mysql_init (nullptr))
{
  auto *mysql = static_cast<MYSQL *> (handle_);
  if (mysql_real_connect (mysql, server.host.c_str (), server.user.c_str (), server.password.c_str (),
                          server.database.c_str (), server.port, nullptr, CLIENT_MULTI_STATEMENTS)
      == nullptr)
    throw std::runtime_error (std::string ("observer: ") + mysql_error (mysql));
}

Observer::~Observer ()
{
  mysql_close (static_cast<MYSQL *> (handle_));
}

std::string Observer::cell (const std::string &statement)
{
  auto *mysql = static_cast<MYSQL *> (handle_);
  if (mysql_real_query (mysql, statement.data (), statement.size ()) != 0)
    return std::string ("error: ") + mysql_error (mysql);
  std::string answer;
  if (MYSQL_RES *result = mysql_store_result (mysql)) {
    if (MYSQL_ROW row = mysql_fetch_row (result))
      answer = row[0] ? row[0] : "<null>";
    mysql_free_result (result);
  }
  while (mysql_next_result (mysql) == 0)
    if (MYSQL_RES *more = mysql_store_result (mysql))
      mysql_free_result (more);
  return answer;
}

Owned<TorvanixProvidersContractsServer> make_profile (const TestServer &server)
{
  auto profile = own (torvanix_providers_contracts_server_new_with_provider ("MySQL"));
  torvanix_providers_contracts_server_set_host (profile.get (), server.host.c_str ());
  torvanix_providers_contracts_server_set_port (profile.get (), server.port);
  torvanix_providers_contracts_server_set_username (profile.get (), server.user.c_str ());
  torvanix_providers_contracts_server_set_password (profile.get (), server.password.c_str ());
  torvanix_providers_contracts_server_set_initial (profile.get (), server.database.c_str ());
  return profile;
}

std::string unique_name (const std::string &stem)
{
  static std::atomic<int> counter{0};
  return stem + "_" + std::to_string (getpid ()) + "_" + std::to_string (++counter);
}

}  // namespace providers::testing
