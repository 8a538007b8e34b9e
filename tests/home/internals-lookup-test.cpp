/* An engine library refuses a builders' table of another build with a
 * clear error, and builds through the one its own libproviders hands out. */
#include "contracts/internals-private.h"
#include "supports/common/engine/internals-lookup-internal.h"

#include <gtest/gtest.h>

#include "libproviders/providers.h"

namespace {

using providers::contracts::Internals;

GQuark
engine_domain ()
{
  return g_quark_from_static_string ("engine-under-test");
}

GQuark
internals_quark ()
{
  return g_quark_from_static_string (providers::contracts::kInternalsQuark);
}

void
hand_out (const Internals *table)
{
  g_type_set_qdata (TORVANIX_PROVIDERS_CONTRACTS_TYPE_IPROVIDER, internals_quark (), const_cast<Internals *> (table));
}

/* One test, in this order: a refused table is looked at again on the next
 * open, a matching one is kept for good. */
TEST (InternalsLookup, RefusesAnotherBuildThenBuildsThroughItsOwn)
{
  const auto *own = static_cast<const Internals *> (
      g_type_get_qdata (TORVANIX_PROVIDERS_CONTRACTS_TYPE_IPROVIDER, internals_quark ()));
  ASSERT_NE (own, nullptr);

  Internals newer = *own;
  newer.version += 1;
  newer.library_version = "9.9.9";
  Internals wider = *own;
  wider.size += sizeof (gpointer);
  struct Case {
    const char *name;
    const Internals *table;
    const char *says;
  } cases[] = {
    {"none handed out", nullptr, "hands out no builders for engine libraries"},
    {"another version", &newer, "the libproviders loaded is 9.9.9 (builders version 2,"},
    {"another size", &wider, "built with libproviders " PROVIDERS_VERSION " (builders version 1,"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE (c.name);
    hand_out (c.table);
    GError *error = nullptr;
    EXPECT_FALSE (providers::home::internals_match (engine_domain (), 7, &error));
    ASSERT_NE (error, nullptr);
    EXPECT_TRUE (g_error_matches (error, engine_domain (), 7));
    EXPECT_NE (std::string (error->message).find (c.says), std::string::npos) << error->message;
    EXPECT_NE (std::string (error->message).find ("Install both from one build."), std::string::npos);
    g_clear_error (&error);
  }

  hand_out (own);
  GError *error = nullptr;
  ASSERT_TRUE (providers::home::internals_match (engine_domain (), 7, &error));
  EXPECT_EQ (error, nullptr);
  hand_out (&newer);
  EXPECT_TRUE (providers::home::internals_match (engine_domain (), 7, nullptr));
  hand_out (own);

  /* The slots reach libproviders' own builders. */
  const Internals &in = providers::home::internals ();
  gpointer cells[] = {
    in.text_copy (TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_STRING, "abcdef", 3),
    in.decimal_with_text (12.5, "12.50", 5),
  };
  auto *row = in.row_adopting (cells, 2);
  auto *table = torvanix_providers_contracts_table_model_new ();
  in.table_adopt_rows (table, &row, 1);
  ASSERT_EQ (g_list_model_get_n_items (G_LIST_MODEL (table)), 1u);
  auto *first = TORVANIX_PROVIDERS_CONTRACTS_IVALUE (torvanix_providers_contracts_table_model_get_value_at (table, 0, 0));
  auto *second = TORVANIX_PROVIDERS_CONTRACTS_IVALUE (torvanix_providers_contracts_table_model_get_value_at (table, 1, 0));
  gchar *texts[] = {torvanix_providers_contracts_ivalue_to_string (first), torvanix_providers_contracts_ivalue_to_string (second)};
  EXPECT_STREQ (texts[0], "abc");
  EXPECT_STREQ (texts[1], "12.50");
  g_free (texts[0]);
  g_free (texts[1]);
  g_object_unref (first);
  g_object_unref (second);
  g_object_unref (table);
}

}  // namespace
