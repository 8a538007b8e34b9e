/* LOAD DATA LOCAL sends the file its statement names and no other: names
 * quoted every way the server reads them load their file, and a request
 * for another file, made by rewriting the server's answer in the tests'
 * proxy, is refused without a byte of that file going out. */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <glib/gstdio.h>

#include <cerrno>

#include <string>
#include <vector>

#include "fault-proxy.h"
#include "support/gobject-test.h"
#include "support/log-capture.h"
#include "test-server.h"

using providers::testing::FaultProxy;
using providers::testing::LogCapture;
using providers::testing::make_profile;
using providers::testing::own;
using providers::testing::Owned;
using providers::testing::take_string;
using providers::testing::test_server;
using providers::testing::unique_name;

namespace {

using IProvider = TorvanixProvidersContractsIProvider;

/* A folder of files for one test, removed with it. */
class Folder {
 public:
  Folder () : path_ (take_string (g_dir_make_tmp ("providers-local-XXXXXX", nullptr))) {}
  ~Folder ()
  {
    for (const std::string &file : files_)
      g_remove (file.c_str ());
    g_rmdir (path_.c_str ());
  }
  Folder (const Folder &) = delete;
  Folder &operator= (const Folder &) = delete;

  /* Writes `name` holding `content`; answers its path. */
  std::string write (const std::string &name, const std::string &content)
  {
    std::string file = path_ + "/" + name;
    EXPECT_TRUE (g_file_set_contents (file.c_str (), content.data (), static_cast<gssize> (content.size ()), nullptr));
    files_.push_back (file);
    return file;
  }
  const std::string &path () const { return path_; }

 private:
  std::string path_;
  std::vector<std::string> files_;
};

class LocalFiles : public ::testing::Test {
 protected:
  void open (int port)
  {
    auto profile = make_profile (test_server ());
    torvanix_providers_contracts_server_set_host (profile.get (), "127.0.0.1");
    torvanix_providers_contracts_server_set_port (profile.get (), port);
    GError *error = nullptr;
    torvanix_providers_contracts_iprovider_open (p (), profile.get (), "", &error);
    ASSERT_EQ (error, nullptr) << error->message;
    ASSERT_EQ (affect ("CREATE TEMPORARY TABLE lf (line VARCHAR(200))"), 0);
  }

  IProvider *p () { return TORVANIX_PROVIDERS_CONTRACTS_IPROVIDER (provider_.get ()); }

  /* The affected rows, or -1 with the error's message in `failure`. */
  gint64 affect (const std::string &statement, std::string *failure = nullptr)
  {
    GError *error = nullptr;
    gint64 n = torvanix_providers_contracts_iprovider_execute_affect (p (), statement.c_str (), 0, &error);
    if (error != nullptr) {
      EXPECT_EQ (error->domain, g_quark_from_string ("MySQL"));
      if (failure != nullptr)
        *failure = error->message;
      else
        ADD_FAILURE () << statement << ": " << error->message;
      g_error_free (error);
    }
    return n;
  }

  std::string scalar (const std::string &statement)
  {
    GError *error = nullptr;
    auto value = own (torvanix_providers_contracts_iprovider_execute_scalar (p (), statement.c_str (), 0, &error));
    if (value == nullptr) {
      std::string message = error->message;
      g_error_free (error);
      return "error: " + message;
    }
    return take_string (torvanix_providers_contracts_ivalue_to_string (value.get ()));
  }

  Folder folder_;
  Owned<TorvanixProvidersSupportsMySQLProvider> provider_ = own (torvanix_providers_supports_my_sql_provider_new ());
};

/* The server reads the name and asks for it: a name read otherwise here
 * would be refused, so each case loading its line shows both read it
 * alike. */
TEST_F (LocalFiles, TheFileAStatementNamesIsSentHoweverItsNameIsWritten)
{
  open (test_server ().port);
  const std::string dir = folder_.path ();
  const struct {
    const char *file;    /* on disk, in the folder */
    std::string statement;
    bool no_backslash_escapes = false;
    bool xml = false;
  } cases[] = {
    {"plain.csv", "LOAD DATA LOCAL INFILE '" + dir + "/plain.csv' INTO TABLE lf"},
    {"plain.csv", "load data low_priority local infile '" + dir + "/plain.csv' into table lf"},
    {"plain.csv", "LOAD DATA CONCURRENT LOCAL INFILE \"" + dir + "/plain.csv\" INTO TABLE lf"},
    {"plain.csv", "\n  /* from the editor */ -- a note\n# another\nLOAD/**/DATA LOCAL INFILE '" + dir
                      + "/plain.csv' INTO TABLE lf"},
    {"it's.csv", "LOAD DATA LOCAL INFILE '" + dir + "/it''s.csv' INTO TABLE lf"},
    {"it's.csv", "LOAD DATA LOCAL INFILE '" + dir + "/it\\'s.csv' INTO TABLE lf"},
    {"say \"hi\".csv", "LOAD DATA LOCAL INFILE \"" + dir + "/say \"\"hi\"\".csv\" INTO TABLE lf"},
    {"back\\slash.csv", "LOAD DATA LOCAL INFILE '" + dir + "/back\\\\slash.csv' INTO TABLE lf"},
    {"tab\tand\nline.csv", "LOAD DATA LOCAL INFILE '" + dir + "/tab\\tand\\nline.csv' INTO TABLE lf"},
    /* The server keeps the backslash of \% and \_, meant for LIKE. */
    {"pct\\%\\_.csv", "LOAD DATA LOCAL INFILE '" + dir + "/pct\\%\\_.csv' INTO TABLE lf"},
    {"q\\x.csv", "LOAD DATA LOCAL INFILE '" + dir + "/q\\\\x.csv' INTO TABLE lf"},
    {"données 源.csv", "LOAD DATA LOCAL INFILE '" + dir + "/données 源.csv' INTO TABLE lf"},
    {"back\\slash.csv", "LOAD DATA LOCAL INFILE '" + dir + "/back\\slash.csv' INTO TABLE lf", true},
    {"rows.xml", "LOAD XML LOCAL INFILE '" + dir + "/rows.xml' INTO TABLE lf ROWS IDENTIFIED BY '<row>'", false, true},
  };
  int line = 0;
  for (const auto &c : cases) {
    SCOPED_TRACE (c.statement);
    std::string content = "line " + std::to_string (++line);
    content = c.xml ? "<rows><row line=\"" + content + "\"/></rows>\n" : content + "\n";
    folder_.write (c.file, content);
    if (c.no_backslash_escapes)
      affect ("SET SESSION sql_mode = CONCAT(@@sql_mode, ',NO_BACKSLASH_ESCAPES')");
    EXPECT_EQ (affect (c.statement), 1);
    if (c.no_backslash_escapes)
      affect ("SET SESSION sql_mode = REPLACE(@@sql_mode, 'NO_BACKSLASH_ESCAPES', '')");
    EXPECT_EQ (scalar ("SELECT COUNT(*) FROM lf WHERE line = 'line " + std::to_string (line) + "'"), "1");
  }
}

/* Only a text's first statement may send a file: one later in a text is
 * refused as the server asks for it, as that statement's failure, and the
 * session stays in step. */
TEST_F (LocalFiles, ALoadDataLocalLaterInATextSendsNothing)
{
  open (test_server ().port);
  std::string file = folder_.write ("later.csv", "later\n");
  std::string load = "LOAD DATA LOCAL INFILE '" + file + "' INTO TABLE lf";
  std::string refusal = "The server asked for the file \"" + file + "\", but only a LOAD DATA or LOAD XML that begins the text may send a file: nothing was sent.";
  std::string failure;
  EXPECT_EQ (affect ("DO 1; " + load, &failure), -1);
  EXPECT_EQ (failure, refusal);
  EXPECT_EQ (scalar ("SELECT COUNT(*) FROM lf"), "0");

  /* A batch answers each statement: the refused one with its error. */
  gint n = 0;
  GError *error = nullptr;
  GObject **items = torvanix_providers_contracts_iprovider_execute_statements (
      p (), ("DO 1; " + load + "; SELECT 'after'").c_str (), 0, &n, &error);
  ASSERT_NE (items, nullptr) << error->message;
  ASSERT_EQ (n, 3);
  EXPECT_TRUE (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_UINT64 (items[0]));
  ASSERT_TRUE (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_ERROR (items[1]));
  EXPECT_EQ (take_string (torvanix_providers_contracts_ivalue_to_string (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (items[1]))),
             "-1:" + refusal);
  EXPECT_TRUE (TORVANIX_PROVIDERS_CONTRACTS_IS_TABLE_MODEL (items[2]));
  for (gint i = 0; i < n; ++i)
    g_object_unref (items[i]);
  g_free (items);
  EXPECT_EQ (scalar ("SELECT COUNT(*) FROM lf"), "0");
}

/* The connector's own handler fails here and leaves the server's answer
 * unread: the next statement would be answered with this text's rest. */
TEST_F (LocalFiles, AMissingFileFailsItsStatementAndKeepsTheSessionInStep)
{
  open (test_server ().port);
  std::string missing = folder_.path () + "/missing.csv";
  std::string failure;
  GError *error = nullptr;
  EXPECT_EQ (torvanix_providers_contracts_iprovider_execute_affect (
                 p (), ("LOAD DATA LOCAL INFILE '" + missing + "' INTO TABLE lf; SELECT 'rest'").c_str (), 0, &error),
             -1);
  ASSERT_NE (error, nullptr);
  EXPECT_EQ (error->code, 5004);
  EXPECT_EQ (std::string (error->message),
             "The file \"" + missing + "\" cannot be opened: " + g_strerror (ENOENT) + ".");
  g_error_free (error);
  EXPECT_EQ (scalar ("SELECT 'after'"), "after");
}

/* Through the proxy, the server's answer becomes a request for another
 * file: one the user can read and would never mean to send. */
TEST_F (LocalFiles, ARequestForAnotherFileIsRefusedAndNoneOfItsBytesGoOut)
{
  FaultProxy proxy (test_server ().port);
  open (proxy.port ());
  std::string named = folder_.write ("named.csv", "named\n");
  const std::string marker = unique_name ("secret-key-material");
  std::string secret = folder_.write ("id_ed25519", marker + "\n");
  std::string formats = folder_.path () + "/100%s%n%x.txt";
  const struct {
    const char *what;
    std::string statement;
    std::string requested;
    std::string refusal;
  } cases[] = {
    {"another file than the statement's", "LOAD DATA LOCAL INFILE '" + named + "' INTO TABLE lf", secret,
     "The server asked for the file \"" + secret + "\", but the statement names \"" + named
         + "\": nothing was sent."},
    /* The client library takes an error text as a format. */
    {"a name of format directives", "LOAD DATA LOCAL INFILE '" + named + "' INTO TABLE lf", formats,
     "The server asked for the file \"" + formats + "\", but the statement names \"" + named
         + "\": nothing was sent."},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE (c.what);
    FaultProxy::Fault rewrite{FaultProxy::Direction::ToClient, FaultProxy::Action::Rewrite, 0, 1};
    rewrite.payload = "\xfb" + c.requested;
    proxy.arm (rewrite);
    std::string failure;
    {
      LogCapture log;
      EXPECT_EQ (affect (c.statement, &failure), -1);
    }
    EXPECT_TRUE (proxy.struck ());
    EXPECT_EQ (failure, c.refusal);
    EXPECT_EQ (proxy.sent_to_server ().find (marker), std::string::npos);
    /* The server had an empty file for its own request: the session is in
     * step, and nothing was loaded. */
    EXPECT_EQ (scalar ("SELECT COUNT(*) FROM lf"), "0");
  }
  /* The proxy passes the server's own request: the named file goes. */
  EXPECT_EQ (affect ("LOAD DATA LOCAL INFILE '" + named + "' INTO TABLE lf"), 1);
  EXPECT_NE (proxy.sent_to_server ().find ("named\n"), std::string::npos);
}

/* A statement that names no file never sends one, whatever the answer. */
TEST_F (LocalFiles, AStatementThatNamesNoFileNeverSendsOne)
{
  FaultProxy proxy (test_server ().port);
  open (proxy.port ());
  const std::string marker = unique_name ("secret-key-material");
  std::string secret = folder_.write ("id_ed25519", marker + "\n");
  FaultProxy::Fault rewrite{FaultProxy::Direction::ToClient, FaultProxy::Action::Rewrite, 0, 1};
  rewrite.payload = "\xfb" + secret;
  proxy.arm (rewrite);
  std::string failure;
  {
    LogCapture log;
    EXPECT_EQ (affect ("DO 1", &failure), -1);
  }
  EXPECT_TRUE (proxy.struck ());
  EXPECT_EQ (failure, "The server asked for the file \"" + secret + "\", but only a LOAD DATA or LOAD XML that begins the text may send a file: nothing was sent.");
  EXPECT_EQ (proxy.sent_to_server ().find (marker), std::string::npos);
}

}  // namespace
