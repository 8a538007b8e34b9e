/* The value factory over every data type (and numbers beyond them) with
 * arbitrary text, and every operation of the value it gives. */
#include <libproviders/providers.h>

#include "fuzz-support.h"

extern "C" TorvanixProvidersContractsIValue *fuzz_factory_call (int type, const gchar *text);

namespace {

std::string
take (gchar *text)
{
  std::string result = text ? text : "<null>";
  g_free (text);
  return result;
}

/* Reads every property the value's class has, as a GUI binding would. */
void
read_properties (GObject *object)
{
  guint count = 0;
  GParamSpec **specs = g_object_class_list_properties (G_OBJECT_GET_CLASS (object), &count);
  for (guint i = 0; i < count; ++i) {
    if ((specs[i]->flags & G_PARAM_READABLE) == 0) continue;
    GValue value = G_VALUE_INIT;
    g_value_init (&value, specs[i]->value_type);
    g_object_get_property (object, specs[i]->name, &value);
    g_free (g_strdup_value_contents (&value));
    g_value_unset (&value);
  }
  g_free (specs);
}

bool
clone_prints_the_same (int type)
{
  /* Temporal clones move the instant into the local zone, which may print
   * another wall-clock time; every other clone is an exact copy. */
  switch (type) {
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATE:
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIME:
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME:
    case TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESTAMP:
      return false;
    default:
      return true;
  }
}

void
exercise (int type, const gchar *text)
{
  TorvanixProvidersContractsIValue *value = fuzz_factory_call (type, text);
  if (value == nullptr) {
    std::fprintf (stderr, "the factory gave nothing for type %d\n", type);
    std::abort ();
  }
  (void) torvanix_providers_contracts_ivalue_get_name (value);
  (void) torvanix_providers_contracts_ivalue_get_data_type (value);
  (void) torvanix_providers_contracts_ivalue_get_is_null (value);
  std::string printed = take (torvanix_providers_contracts_ivalue_to_string (value));
  (void) take (torvanix_providers_contracts_ivalue_dump (value));

  GValue converted = G_VALUE_INIT;
  torvanix_providers_contracts_ivalue_to_value (value, &converted);
  g_free (g_strdup_value_contents (&converted));
  g_value_unset (&converted);

  read_properties (G_OBJECT (value));

  TorvanixProvidersContractsIValue *copy = torvanix_providers_contracts_ivalue_clone (value);
  if (copy == nullptr || G_OBJECT_TYPE (copy) != G_OBJECT_TYPE (value)) {
    std::fprintf (stderr, "clone of type %d is not of the same class\n", type);
    std::abort ();
  }
  if (clone_prints_the_same (type)) {
    std::string printed_copy = take (torvanix_providers_contracts_ivalue_to_string (copy));
    if (printed_copy != printed) {
      std::fprintf (stderr, "clone of type %d prints %s, the value %s\n", type, printed_copy.c_str (), printed.c_str ());
      std::abort ();
    }
  }
  g_object_unref (copy);
  g_object_unref (value);
}

}  // namespace

extern "C" int
LLVMFuzzerTestOneInput (const uint8_t *data, size_t size)
{
  providers::fuzz::setup ();
  static const int beyond[] = { -1, 37, 255, G_MAXINT, G_MININT };
  std::string text = providers::fuzz::text_of (data, size);
  for (int type = 0; type <= TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ERROR; ++type) exercise (type, text.c_str ());
  for (int type : beyond) exercise (type, text.c_str ());
  return 0;
}
