/* A C caller of the library: the umbrella header compiles as strict C11,
 * and the declared class and interface structs let C code subclass a value
 * class and implement the value interface. */
#include <libproviders/providers.h>

#include <stdio.h>
#include <string.h>

/* A value subclass written in C. */
typedef struct {
  TorvanixProvidersContractsValueObject parent_instance;
} CheckAnswer;
typedef struct {
  TorvanixProvidersContractsValueObjectClass parent_class;
} CheckAnswerClass;

static GType check_answer_get_type (void);
G_DEFINE_TYPE (CheckAnswer, check_answer, TORVANIX_PROVIDERS_CONTRACTS_TYPE_VALUE_OBJECT)

static gchar *check_answer_to_string (TorvanixProvidersContractsValueObject *self)
{
  (void) self;
  return g_strdup ("42");
}

static const gchar *check_answer_get_name (TorvanixProvidersContractsValueObject *self)
{
  (void) self;
  return "answer";
}

static void check_answer_class_init (CheckAnswerClass *klass)
{
  TorvanixProvidersContractsValueObjectClass *value_class = TORVANIX_PROVIDERS_CONTRACTS_VALUE_OBJECT_CLASS (klass);
  value_class->to_string = check_answer_to_string;
  value_class->get_name = check_answer_get_name;
}

static void check_answer_init (CheckAnswer *self)
{
  (void) self;
}

/* A plain GObject implementing IValue directly. */
typedef struct {
  GObject parent_instance;
} CheckPlain;
typedef struct {
  GObjectClass parent_class;
} CheckPlainClass;

static GType check_plain_get_type (void);
static void check_plain_ivalue_init (TorvanixProvidersContractsIValueInterface *iface);
G_DEFINE_TYPE_WITH_CODE (CheckPlain, check_plain, G_TYPE_OBJECT,
                         G_IMPLEMENT_INTERFACE (TORVANIX_PROVIDERS_CONTRACTS_TYPE_IVALUE, check_plain_ivalue_init))

static gchar *check_plain_to_string (TorvanixProvidersContractsIValue *self)
{
  (void) self;
  return g_strdup ("plain");
}

static TorvanixProvidersContractsDataType check_plain_get_data_type (TorvanixProvidersContractsIValue *self)
{
  (void) self;
  return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
}

static void check_plain_ivalue_init (TorvanixProvidersContractsIValueInterface *iface)
{
  iface->to_string = check_plain_to_string;
  iface->get_data_type = check_plain_get_data_type;
}

enum { PLAIN_PROP_0, PLAIN_PROP_NAME, PLAIN_PROP_DATA_TYPE, PLAIN_PROP_IS_NULL };

static void check_plain_get_property (GObject *object, guint prop_id, GValue *value, GParamSpec *pspec)
{
  (void) object;
  (void) pspec;
  switch (prop_id) {
    case PLAIN_PROP_NAME: g_value_set_string (value, "plain"); break;
    case PLAIN_PROP_DATA_TYPE: g_value_set_enum (value, TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING); break;
    default: g_value_set_boolean (value, FALSE); break;
  }
}

static void check_plain_class_init (CheckPlainClass *klass)
{
  GObjectClass *object_class = G_OBJECT_CLASS (klass);
  object_class->get_property = check_plain_get_property;
  g_object_class_override_property (object_class, PLAIN_PROP_NAME, "name");
  g_object_class_override_property (object_class, PLAIN_PROP_DATA_TYPE, "data-type");
  g_object_class_override_property (object_class, PLAIN_PROP_IS_NULL, "is-null");
}

static void check_plain_init (CheckPlain *self)
{
  (void) self;
}

static int failures = 0;

static void expect_text (const char *what, gchar *actual, const char *expected)
{
  if (actual == NULL || strcmp (actual, expected) != 0) {
    fprintf (stderr, "%s: expected \"%s\", got \"%s\"\n", what, expected, actual ? actual : "(null)");
    ++failures;
  }
  g_free (actual);
}

int main (void)
{
  g_autoptr (TorvanixProvidersContractsValueObject) answer = g_object_new (check_answer_get_type (), NULL);
  TorvanixProvidersContractsIValue *as_value = TORVANIX_PROVIDERS_CONTRACTS_IVALUE (answer);

  expect_text ("subclass through the interface", torvanix_providers_contracts_ivalue_to_string (as_value), "42");
  expect_text ("subclass through the class", torvanix_providers_contracts_value_object_to_string (answer), "42");
  expect_text ("inherited dump", torvanix_providers_contracts_ivalue_dump (as_value), "CheckAnswer => 42");
  gchar *name = NULL;
  g_object_get (answer, "name", &name, NULL);
  expect_text ("subclass name through the property", name, "answer");

  GObject *plain = g_object_new (check_plain_get_type (), NULL);
  expect_text ("interface implemented in C",
               torvanix_providers_contracts_ivalue_to_string (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (plain)), "plain");
  if (torvanix_providers_contracts_ivalue_get_data_type (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (plain)) !=
      TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING) {
    fprintf (stderr, "interface slot get_data_type not reached\n");
    ++failures;
  }
  /* An empty slot answers the zero value instead of crashing. */
  if (torvanix_providers_contracts_ivalue_clone (TORVANIX_PROVIDERS_CONTRACTS_IVALUE (plain)) != NULL) {
    fprintf (stderr, "empty clone slot answered something\n");
    ++failures;
  }
  g_object_unref (plain);

  g_autoptr (TorvanixProvidersContractsValueError) error = torvanix_providers_contracts_value_error_new (7, "seven");
  expect_text ("error value from C", torvanix_providers_contracts_value_error_get_itsvalue (error), "7:seven");

  /* C may pass any int where a data type is expected. */
  if (torvanix_providers_contracts_data_type_to_string ((TorvanixProvidersContractsDataType) 37) != NULL ||
      torvanix_providers_contracts_data_type_to_string ((TorvanixProvidersContractsDataType) -1) != NULL ||
      torvanix_providers_contracts_data_version_to_string ((TorvanixProvidersContractsDataVersion) 16) != NULL ||
      torvanix_providers_contracts_data_version_to_string ((TorvanixProvidersContractsDataVersion) (1 << 20)) != NULL) {
    fprintf (stderr, "a number outside the enumerations has a name\n");
    ++failures;
  }
  if (torvanix_providers_contracts_data_type_get_glib_type ((TorvanixProvidersContractsDataType) 99) != G_TYPE_STRING ||
      torvanix_providers_contracts_data_type_get_glib_type ((TorvanixProvidersContractsDataType) -5) != G_TYPE_STRING) {
    fprintf (stderr, "numbers outside the enumeration do not map to G_TYPE_STRING\n");
    ++failures;
  }

  if (failures == 0) printf ("C callers: all checks passed\n");
  return failures == 0 ? 0 : 1;
}
