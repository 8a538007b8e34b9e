/* The fixture of the reader-drop cases: a provider of the engine under
 * test, and the reader calls as the cases make them. */
#pragma once

#include <libproviders/providers.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine-context.h"
#include "support/gobject-test.h"

namespace providers::testing {

using Reader = TorvanixProvidersContractsIDataReader;
using Value = TorvanixProvidersContractsIValue;

class ReaderDrop : public ::testing::Test {
 protected:
  void SetUp () override
  {
    if (!engine ().has_readers)
      GTEST_SKIP () << "the " << engine ().name << " provider answers no reader yet";
    provider_ = engine ().open ();
    ASSERT_NE (provider_, nullptr);
  }

  TorvanixProvidersContractsIProvider *p () { return as_iprovider (provider_); }

  Reader *reader (const std::string &statement)
  {
    GError *error = nullptr;
    Reader *made = torvanix_providers_contracts_iprovider_execute_reader (p (), statement.c_str (), &error);
    EXPECT_EQ (error, nullptr) << (error ? error->message : "");
    g_clear_error (&error);
    return made;
  }

 private:
  Owned<GObject> provider_;
};

/* The current row's values; the caller owns them. */
inline std::vector<Owned<Value>> values_of (Reader *reader)
{
  gint length = 0;
  GError *error = nullptr;
  Value **values = torvanix_providers_contracts_idata_reader_get_values (reader, &length, &error);
  EXPECT_EQ (error, nullptr);
  g_clear_error (&error);
  std::vector<Owned<Value>> row;
  for (gint i = 0; i < length; ++i) row.push_back (own (values[i]));
  g_free (values);
  return row;
}

inline std::string text_of (Value *value)
{
  return take_string (torvanix_providers_contracts_ivalue_to_string (value));
}

}  // namespace providers::testing
