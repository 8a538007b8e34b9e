#include "test-server.h"

#include <glib.h>
#include <mysql.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace providers::testing {

namespace {

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
      return read_server_env (path ? path : PROVIDERS_TEST_SERVER_ENV);
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
  server_ = read_server_env (dir_ + "/server.env");
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
  server_ = read_server_env (dir_ + "/server.env");
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

}  // namespace providers::testing
