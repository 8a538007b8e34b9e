/* The text values and their asynchronous file operations. */
#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>

#include "support/gobject-test.h"
#include "support/log-capture.h"
#include "support/notify-counter.h"
#include "values/async-run.h"

using providers::testing::assertion_text;
using providers::testing::Completion;
using providers::testing::io_error;
using providers::testing::LogCapture;
using providers::testing::NotifyCounter;
using providers::testing::file_operation;
using providers::testing::outcome_of;
using providers::testing::own;
using providers::testing::patterned_bytes;
using providers::testing::run_in_worker_thread;
using providers::testing::run_on_new_context;
using providers::testing::ScratchDir;
using providers::testing::take_string;

namespace {

using String = TorvanixProvidersContractsValueString;

TorvanixProvidersContractsIValue *as_ivalue (gpointer object) { return TORVANIX_PROVIDERS_CONTRACTS_IVALUE (object); }

std::string text_of (gpointer value) { return take_string (torvanix_providers_contracts_ivalue_to_string (as_ivalue (value))); }

const char *held (gpointer value)
{
  return torvanix_providers_contracts_value_string_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_STRING (value));
}

std::string load (String *value, const std::string &path, bool in_worker = false)
{
  return file_operation (value, path, torvanix_providers_contracts_value_string_load, torvanix_providers_contracts_value_string_load_finish, in_worker);
}

std::string save (String *value, const std::string &path, bool in_worker = false)
{
  return file_operation (value, path, torvanix_providers_contracts_value_string_save, torvanix_providers_contracts_value_string_save_finish, in_worker);
}

TEST (ValueText, EachClassAnswersItsNameAndDataType)
{
  struct Case {
    gpointer value;
    const char *type_name;
    GType parent;
    const char *name;
    int data_type;
  } cases[] = {
    {torvanix_providers_contracts_value_string_new ("s"), "TorvanixProvidersContractsValueString",
     TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_OBJECT, "string", 23},
    {torvanix_providers_contracts_value_xml_new ("s"), "TorvanixProvidersContractsValueXml",
     TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_STRING, "xml", 25},
    {torvanix_providers_contracts_value_json_new ("s"), "TorvanixProvidersContractsValueJson",
     TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_STRING, "json", 27},
    {torvanix_providers_contracts_value_uuid_new_uuid ("s"), "TorvanixProvidersContractsValueUuid",
     TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_STRING, "uuid", 26},
    {torvanix_providers_contracts_value_utf16_new_string ("s"), "TorvanixProvidersContractsValueUtf16",
     TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_OBJECT, "wstring", 24},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE (c.type_name);
    auto value = own (c.value);
    EXPECT_STREQ (G_OBJECT_TYPE_NAME (value.get ()), c.type_name);
    EXPECT_EQ (g_type_parent (G_OBJECT_TYPE (value.get ())), c.parent);
    EXPECT_STREQ (torvanix_providers_contracts_ivalue_get_name (as_ivalue (value.get ())), c.name);
    EXPECT_EQ (torvanix_providers_contracts_ivalue_get_data_type (as_ivalue (value.get ())), c.data_type);
    gchar *name = nullptr;
    gint data_type = 0;
    gboolean is_null = TRUE;
    g_object_get (value.get (), "name", &name, "data-type", &data_type, "is-null", &is_null, nullptr);
    EXPECT_EQ (take_string (name), c.name);
    EXPECT_EQ (data_type, c.data_type);
    EXPECT_FALSE (is_null);
    EXPECT_EQ (text_of (value.get ()), "s");
    EXPECT_EQ (take_string (torvanix_providers_contracts_ivalue_dump (as_ivalue (value.get ()))),
               std::string (c.type_name) + " => s");
    GValue v = G_VALUE_INIT;
    torvanix_providers_contracts_ivalue_to_value (as_ivalue (value.get ()), &v);
    EXPECT_STREQ (g_value_get_string (&v), "s");
    g_value_unset (&v);
  }
}

TEST (ValueText, StringsKeepPrivateCopiesAndNotifyOnEverySet)
{
  gchar *source = g_strdup ("first");
  auto value = own (torvanix_providers_contracts_value_string_new (source));
  g_free (source);
  EXPECT_STREQ (held (value.get ()), "first");

  auto plain = own (torvanix_providers_contracts_value_object_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_JSON));
  EXPECT_STREQ (held (plain.get ()), "");

  NotifyCounter notes (value.get (), "itsvalue");
  /* Handing back the lent pointer must not free it before the copy. */
  torvanix_providers_contracts_value_string_set_itsvalue (value.get (), held (value.get ()));
  torvanix_providers_contracts_value_string_set_itsvalue (value.get (), "first");
  EXPECT_STREQ (held (value.get ()), "first");
  g_object_set (value.get (), "itsvalue", "second", nullptr);
  EXPECT_STREQ (held (value.get ()), "second");
  torvanix_providers_contracts_value_string_set_itsvalue (value.get (), nullptr);
  EXPECT_EQ (held (value.get ()), nullptr);
  EXPECT_EQ (text_of (value.get ()), "<null>");
  EXPECT_EQ (notes.count (), 4);

  gchar *read_back = const_cast<gchar *> ("not written");
  g_object_get (value.get (), "itsvalue", &read_back, nullptr);
  EXPECT_EQ (read_back, nullptr);
}

TEST (ValueText, ClonesAreIndependentAndOfTheSameClass)
{
  gpointer originals[] = {
    torvanix_providers_contracts_value_string_new ("text"), torvanix_providers_contracts_value_xml_new ("<a/>"),
    torvanix_providers_contracts_value_json_new ("{}"), torvanix_providers_contracts_value_uuid_new (),
    torvanix_providers_contracts_value_utf16_new_string ("wide"),
  };
  for (gpointer original_ptr : originals) {
    auto original = own (original_ptr);
    SCOPED_TRACE (G_OBJECT_TYPE_NAME (original.get ()));
    std::string before = text_of (original.get ());
    auto copy = own (torvanix_providers_contracts_ivalue_clone (as_ivalue (original.get ())));
    ASSERT_NE (copy.get (), nullptr);
    EXPECT_EQ (G_OBJECT_TYPE (copy.get ()), G_OBJECT_TYPE (original.get ()));
    EXPECT_EQ (text_of (copy.get ()), before);
    if (TORVANIX_PROVIDERS_CONTRACTS_IS_VALUE_STRING (copy.get ())) {
      EXPECT_NE (held (copy.get ()), held (original.get ()));
      torvanix_providers_contracts_value_string_set_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_STRING (copy.get ()), "changed");
    } else {
      auto *wide = TORVANIX_PROVIDERS_CONTRACTS_VALUE_UTF16 (copy.get ());
      EXPECT_NE (torvanix_providers_contracts_value_utf16_get_itsvalue (wide),
                 torvanix_providers_contracts_value_utf16_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_UTF16 (original.get ())));
      torvanix_providers_contracts_value_utf16_set_itsvalue (wide, g_utf8_to_utf16 ("changed", -1, nullptr, nullptr, nullptr));
    }
    EXPECT_EQ (text_of (copy.get ()), "changed");
    EXPECT_EQ (text_of (original.get ()), before);
    copy.reset ();
    EXPECT_EQ (text_of (original.get ()), before);
  }
}

TEST (ValueText, ClonesOfMissingTextHoldNoTextInsteadOfFailing)
{
  LogCapture log;
  auto text = own (torvanix_providers_contracts_value_uuid_new_uuid ("u"));
  torvanix_providers_contracts_value_string_set_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_STRING (text.get ()), nullptr);
  auto text_copy = own (torvanix_providers_contracts_ivalue_clone (as_ivalue (text.get ())));
  ASSERT_NE (text_copy.get (), nullptr);
  EXPECT_EQ (G_OBJECT_TYPE (text_copy.get ()), TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_UUID);
  EXPECT_EQ (held (text_copy.get ()), nullptr);

  auto wide = own (torvanix_providers_contracts_value_utf16_new_string ("\xff not UTF-8"));
  auto wide_copy = own (torvanix_providers_contracts_ivalue_clone (as_ivalue (wide.get ())));
  ASSERT_NE (wide_copy.get (), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_utf16_get_itsvalue (TORVANIX_PROVIDERS_CONTRACTS_VALUE_UTF16 (wide_copy.get ())),
             nullptr);
  EXPECT_EQ (text_of (wide_copy.get ()), "<null>");
  EXPECT_TRUE (log.records ().empty ());
}

TEST (ValueText, UuidsAreRandomVersionFourInLowerCase)
{
  GRegex *layout = g_regex_new ("^[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}$", G_REGEX_DEFAULT,
                                G_REGEX_MATCH_DEFAULT, nullptr);
  auto first = own (torvanix_providers_contracts_value_uuid_new ());
  auto second = own (torvanix_providers_contracts_value_uuid_new ());
  EXPECT_TRUE (g_regex_match (layout, held (first.get ()), G_REGEX_MATCH_DEFAULT, nullptr)) << held (first.get ());
  EXPECT_STRNE (held (first.get ()), held (second.get ()));
  g_regex_unref (layout);

  auto copy = own (torvanix_providers_contracts_ivalue_clone (as_ivalue (first.get ())));
  EXPECT_STREQ (held (copy.get ()), held (first.get ()));
  auto any_text = own (torvanix_providers_contracts_value_uuid_new_uuid ("not a uuid"));
  EXPECT_STREQ (held (any_text.get ()), "not a uuid");
}

TEST (ValueText, Utf16ConvertsSurrogatePairsAndRejectsBadText)
{
  const char *text = "a\xc3\xa9\xf0\x9f\x98\x80z"; /* a, e acute, U+1F600, z */
  auto wide = own (torvanix_providers_contracts_value_utf16_new_string (text));
  const gunichar2 *units = torvanix_providers_contracts_value_utf16_get_itsvalue (wide.get ());
  const gunichar2 expected[] = {0x61, 0xE9, 0xD83D, 0xDE00, 0x7A, 0};
  ASSERT_NE (units, nullptr);
  for (size_t i = 0; i < G_N_ELEMENTS (expected); ++i) EXPECT_EQ (units[i], expected[i]) << i;
  EXPECT_EQ (text_of (wide.get ()), text);

  auto bad = own (torvanix_providers_contracts_value_utf16_new_string ("\xc3("));
  EXPECT_EQ (torvanix_providers_contracts_value_utf16_get_itsvalue (bad.get ()), nullptr);
  EXPECT_EQ (text_of (bad.get ()), "<null>");

  gunichar2 lone[] = {0x61, 0xD800, 0x62, 0};
  auto unpaired = own (torvanix_providers_contracts_value_utf16_new (static_cast<gunichar2 *> (g_memdup2 (lone, sizeof lone))));
  EXPECT_EQ (text_of (unpaired.get ()), "<null>");
  GValue v = G_VALUE_INIT;
  torvanix_providers_contracts_ivalue_to_value (as_ivalue (unpaired.get ()), &v);
  EXPECT_TRUE (G_VALUE_HOLDS_STRING (&v));
  EXPECT_EQ (g_value_get_string (&v), nullptr);
  g_value_unset (&v);
}

TEST (ValueText, Utf16BuffersHaveOneOwner)
{
  auto first = own (torvanix_providers_contracts_value_utf16_new_string ("shared"));
  auto second = own (torvanix_providers_contracts_value_utf16_new_string ("other"));

  /* Giving a value back its own buffer only notifies. */
  gunichar2 *own_buffer = torvanix_providers_contracts_value_utf16_get_itsvalue (first.get ());
  {
    NotifyCounter notes (first.get (), "itsvalue");
    torvanix_providers_contracts_value_utf16_set_itsvalue (first.get (), own_buffer);
    EXPECT_EQ (torvanix_providers_contracts_value_utf16_get_itsvalue (first.get ()), own_buffer);
    EXPECT_EQ (text_of (first.get ()), "shared");
    g_object_set (first.get (), "itsvalue", own_buffer, nullptr);
    EXPECT_EQ (notes.count (), 2);
  }

  /* Copying through the property interface leaves each value its own. */
  gpointer lent = nullptr;
  g_object_get (first.get (), "itsvalue", &lent, nullptr);
  EXPECT_EQ (lent, own_buffer);
  g_object_set (second.get (), "itsvalue", lent, nullptr);
  EXPECT_NE (torvanix_providers_contracts_value_utf16_get_itsvalue (second.get ()), own_buffer);
  EXPECT_EQ (text_of (second.get ()), "shared");
  first.reset ();
  EXPECT_EQ (text_of (second.get ()), "shared");

  /* The plain setter takes ownership. */
  gunichar2 *given = g_utf8_to_utf16 ("given", -1, nullptr, nullptr, nullptr);
  torvanix_providers_contracts_value_utf16_set_itsvalue (second.get (), given);
  EXPECT_EQ (torvanix_providers_contracts_value_utf16_get_itsvalue (second.get ()), given);
}

struct LineCase {
  const char *label;
  std::string file;
  std::string loaded;
};

TEST (ValueText, LoadEndsEveryLineWithALineFeed)
{
  ScratchDir dir;
  const LineCase cases[] = {
    {"two lines", "a\nb", "a\nb\n"},
    {"empty line kept", "a\n\nb", "a\n\nb\n"},
    {"carriage returns kept", "a\r\nb\r\n", "a\r\nb\r\n"},
    {"last line without ending", "x\r\ny", "x\r\ny\n"},
    {"empty file", "", ""},
    {"only a line feed", "\n", "\n"},
    {"bytes as they are", "caf\xe9\n", "caf\xe9\n"},
    {"long line", std::string (5000, 'q'), std::string (5000, 'q') + "\n"},
  };
  for (const LineCase &c : cases) {
    SCOPED_TRACE (c.label);
    auto value = own (torvanix_providers_contracts_value_string_new ("old"));
    NotifyCounter notes (value.get (), "itsvalue");
    EXPECT_EQ (load (value.get (), dir.write ("lines.txt", c.file)), "ok");
    EXPECT_EQ (held (value.get ()), c.loaded);
    EXPECT_EQ (notes.count (), 0);
  }
}

TEST (ValueText, SaveWritesExactlyTheTextsBytes)
{
  ScratchDir dir;
  for (gsize size : {0, 1, 1023, 1024, 1025, 2500, 3 * 1024 * 1024 + 7}) {
    SCOPED_TRACE (size);
    std::string text = patterned_bytes (size);
    for (char &c : text)
      if (c == '\0') c = ' ';
    auto value = own (torvanix_providers_contracts_value_string_new (text.c_str ()));
    std::string path = dir.write ("out.txt", "previous contents that are longer than some texts");
    EXPECT_EQ (save (value.get (), path), "ok");
    EXPECT_EQ (ScratchDir::read (path), text);
    EXPECT_EQ (held (value.get ()), text);
  }
}

TEST (ValueText, OperationsCompleteOnAWorkerThreadsContext)
{
  ScratchDir dir;
  auto json = own (torvanix_providers_contracts_value_json_new ("{\"a\": 1}"));
  String *value = TORVANIX_PROVIDERS_CONTRACTS_VALUE_STRING (json.get ());
  std::string path = dir.file ("worker.json");
  EXPECT_EQ (save (value, path, true), "ok");
  torvanix_providers_contracts_value_string_set_itsvalue (value, "");
  EXPECT_EQ (load (value, path, true), "ok");
  EXPECT_STREQ (held (value), "{\"a\": 1}\n");
}

TEST (ValueText, FailuresPassGiosErrorsAndKeepTheText)
{
  ScratchDir dir;
  auto value = own (torvanix_providers_contracts_value_string_new ("kept"));
  EXPECT_EQ (load (value.get (), dir.file ("absent.txt")), "ok");
  EXPECT_EQ (load (value.get (), dir.file ("no-such-dir/absent.txt")), "ok");
  EXPECT_EQ (load (value.get (), dir.file ("")), io_error (G_IO_ERROR_IS_DIRECTORY));
  EXPECT_EQ (save (value.get (), dir.file ("no-such-dir/out.txt")), io_error (G_IO_ERROR_NOT_FOUND));
  EXPECT_EQ (save (value.get (), dir.file ("")), io_error (G_IO_ERROR_IS_DIRECTORY));

  /* Root reads and writes regardless of permission bits. */
  std::string locked = dir.write ("locked.txt", "secret\n");
  ASSERT_EQ (g_chmod (locked.c_str (), 0), 0);
  bool root = geteuid () == 0;
  EXPECT_EQ (load (value.get (), locked), root ? "ok" : io_error (G_IO_ERROR_PERMISSION_DENIED));
  EXPECT_STREQ (held (value.get ()), root ? "secret\n" : "kept");

  torvanix_providers_contracts_value_string_set_itsvalue (value.get (), "kept");
  std::string sealed = dir.file ("sealed");
  ASSERT_EQ (g_mkdir (sealed.c_str (), 0500), 0);
  EXPECT_EQ (save (value.get (), sealed + "/out.txt"), root ? "ok" : io_error (G_IO_ERROR_PERMISSION_DENIED));
  EXPECT_STREQ (held (value.get ()), "kept");
}

TEST (ValueText, SavingMissingTextWarnsAndLeavesAnEmptyFile)
{
  ScratchDir dir;
  auto value = own (torvanix_providers_contracts_value_string_new ("x"));
  torvanix_providers_contracts_value_string_set_itsvalue (value.get (), nullptr);
  std::string path = dir.write ("emptied.txt", "before");
  LogCapture log;
  EXPECT_EQ (save (value.get (), path), "ok");
  EXPECT_EQ (ScratchDir::read (path), "");
  EXPECT_EQ (log.criticals (), std::vector<std::string> {assertion_text ("torvanix_providers_contracts_value_string_save",
                                                                         "itsvalue != NULL")});
}

/* A _finish given a result that its operation did not start for this value
 * must refuse it with a warning a caller can read, and set no error. */
TEST (ValueText, FinishRefusesAResultItDidNotStart)
{
  ScratchDir dir;
  auto value = own (torvanix_providers_contracts_value_string_new ("v"));
  auto other = own (torvanix_providers_contracts_value_string_new ("w"));
  std::string path = dir.file ("out.txt");
  Completion saved = run_on_new_context ([&] (GAsyncReadyCallback done, gpointer data) {
    torvanix_providers_contracts_value_string_save (value.get (), path.c_str (), done, data);
  });
  ASSERT_NE (saved.result, nullptr);
  {
    LogCapture log;
    GError *error = nullptr;
    torvanix_providers_contracts_value_string_load_finish (value.get (), saved.result, &error);
    torvanix_providers_contracts_value_string_save_finish (other.get (), saved.result, &error);
    torvanix_providers_contracts_value_string_save_finish (value.get (), nullptr, &error);
    torvanix_providers_contracts_value_binary_load_finish (nullptr, saved.result, &error);
    EXPECT_EQ (error, nullptr);
    std::vector<std::string> expected = {
      assertion_text ("torvanix_providers_contracts_value_string_load_finish",
                      "g_async_result_is_tagged (result, torvanix_providers_contracts_value_string_load)"),
      assertion_text ("torvanix_providers_contracts_value_string_save_finish", "g_task_is_valid (result, self)"),
      assertion_text ("torvanix_providers_contracts_value_string_save_finish", "g_task_is_valid (result, self)"),
      assertion_text ("torvanix_providers_contracts_value_binary_load_finish", "self != NULL"),
    };
    EXPECT_EQ (log.criticals (), expected);
  }
  EXPECT_EQ (outcome_of (saved, torvanix_providers_contracts_value_string_save_finish, value.get ()), "ok");
}

TEST (ValueText, NullArgumentsAreRefused)
{
  LogCapture log;
  auto value = own (torvanix_providers_contracts_value_string_new ("v"));
  EXPECT_EQ (torvanix_providers_contracts_value_string_new (nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_xml_new (nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_json_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_JSON, nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_uuid_new_uuid (nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_utf16_new (nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_utf16_new_string (nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_string_get_itsvalue (nullptr), nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_utf16_get_itsvalue (nullptr), nullptr);
  torvanix_providers_contracts_value_string_load (value.get (), nullptr, nullptr, nullptr);
  torvanix_providers_contracts_value_string_save (nullptr, "x", nullptr, nullptr);
  EXPECT_EQ (torvanix_providers_contracts_value_xml_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_JSON, "x"), nullptr);

  std::vector<std::string> expected = {
    assertion_text ("torvanix_providers_contracts_value_string_construct", "text != NULL"),
    assertion_text ("torvanix_providers_contracts_value_xml_construct", "text != NULL"),
    assertion_text ("torvanix_providers_contracts_value_json_construct", "text != NULL"),
    assertion_text ("torvanix_providers_contracts_value_uuid_construct_uuid", "uuid != NULL"),
    assertion_text ("torvanix_providers_contracts_value_utf16_construct", "text != NULL"),
    assertion_text ("torvanix_providers_contracts_value_utf16_construct_string", "text != NULL"),
    assertion_text ("torvanix_providers_contracts_value_string_get_itsvalue", "self != NULL"),
    assertion_text ("torvanix_providers_contracts_value_utf16_get_itsvalue", "self != NULL"),
    assertion_text ("torvanix_providers_contracts_value_string_load", "filename != NULL"),
    assertion_text ("torvanix_providers_contracts_value_string_save", "self != NULL"),
    assertion_text ("torvanix_providers_contracts_value_xml_construct",
                    "g_type_is_a (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_XML)"),
  };
  EXPECT_EQ (log.criticals (), expected);
}

}  // namespace
