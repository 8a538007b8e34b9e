/* ServerGroup and Organization: a name and a list of children (profiles or
 * groups), written to the settings file as a JSON array of objects.
 *
 * The two classes differ only in their C types, the list's property name,
 * the children's type and the label of to_string, so one template holds
 * their behaviour and one macro per class stamps out its exported
 * functions, as the scalar values are made. */
#include "libproviders/settings/server-group.h"

#include "common/check.h"
#include "common/private-data.h"
#include "common/compat-texts.h"
#include "common/gobject-ref.h"
#include "common/property-helpers.h"
#include "contracts/settings/settings-json-private.h"

#include <utility>

namespace providers::settings {

/* The private data of both classes: a name and a list of `element_type`. */
struct NamedList {
  gchar *name = g_strdup ("");                   /* owned */
  GeeArrayList *list;                            /* one reference, may be null */

  explicit NamedList (GType element_type) : list (providers::new_object_list (element_type)) {}
  NamedList (const NamedList &) = delete;
  ~NamedList ()
  {
    g_free (name);
    if (list) g_object_unref (list);
  }
};

}  // namespace providers::settings

struct TorvanixProvidersContractsServerGroupPrivate : providers::settings::NamedList {
  TorvanixProvidersContractsServerGroupPrivate () : NamedList (TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER) {}
};
struct TorvanixProvidersContractsOrganizationPrivate : providers::settings::NamedList {
  TorvanixProvidersContractsOrganizationPrivate () : NamedList (TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER_GROUP) {}
};

namespace {

using providers::settings::NamedList;

enum { PROP_0, PROP_NAME, PROP_LIST, N_PROPS };

/* Shared behaviour --------------------------------------------------------- */

/* "<label> <name> => a, b, c" over the children's names. */
gchar *
named_list_to_string (const char *label, NamedList *priv, const gchar *(*name_of) (GObject *))
{
  GString *names = g_string_new (nullptr);
  gint size = priv->list ? gee_collection_get_size (GEE_COLLECTION (priv->list)) : 0;
  for (gint i = 0; i < size; ++i) {
    auto child = providers::adopt_ref (static_cast<GObject *> (gee_list_get (GEE_LIST (priv->list), i)));
    if (!child) continue;
    const gchar *name = name_of (child.get ());
    g_string_append_printf (names, "%s, ", name ? name : "");
  }
  if (names->len > 0) g_string_truncate (names, names->len - 2);
  gchar *text = g_strdup_printf ("%s %s => %s", label, priv->name ? priv->name : "", names->str);
  g_string_free (names, TRUE);
  return text;
}

const gchar *
server_title (GObject *child)
{
  return TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER (child)
             ? torvanix_providers_contracts_server_get_title (TORVANIX_PROVIDERS_CONTRACTS_SERVER (child))
             : nullptr;
}

const gchar *
group_name (GObject *child)
{
  return TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER_GROUP (child)
             ? torvanix_providers_contracts_server_group_get_name (TORVANIX_PROVIDERS_CONTRACTS_SERVER_GROUP (child))
             : nullptr;
}

GParamSpec *
name_pspec ()
{
  return g_param_spec_string ("name", "name", "name", nullptr,
                              static_cast<GParamFlags> (G_PARAM_READWRITE | G_PARAM_EXPLICIT_NOTIFY | G_PARAM_STATIC_STRINGS));
}

/* One of the two classes. Traits names its instance type, the list
 * property and its children's type, the label of to_string and a child's
 * name, the function names its JSON hooks report, and (defined after
 * the type) its private data. */
template <typename Traits>
class NamedListClass {
 public:
  using Instance = typename Traits::Instance;

  static NamedList *priv (Instance *self) { return static_cast<NamedList *> (Traits::instance_private (self)); }

  static void serializable_init (JsonSerializableIface *iface)
  {
    iface->serialize_property = serialize_property;
    iface->deserialize_property = deserialize_property;
  }

  static void class_init (GObjectClass *object_class)
  {
    object_class->get_property = get_property;
    object_class->set_property = set_property;
    props[PROP_NAME] = name_pspec ();
    props[PROP_LIST] = providers::list_pspec (Traits::list_name,
                                              static_cast<GParamFlags> (G_PARAM_READWRITE | G_PARAM_EXPLICIT_NOTIFY));
    g_object_class_install_properties (object_class, N_PROPS, props);
  }

  static Instance *construct (GType object_type) { return static_cast<Instance *> (g_object_new (object_type, nullptr)); }

  static gchar *to_string (Instance *self) { return named_list_to_string (Traits::label, priv (self), Traits::child_name); }

  static void set_name (Instance *self, const gchar *value)
  {
    if (providers::replace_string (&priv (self)->name, value))
      g_object_notify_by_pspec (G_OBJECT (self), props[PROP_NAME]);
  }

  static void set_list (Instance *self, GeeArrayList *value)
  {
    if (providers::settings::replace_list (&priv (self)->list, value))
      g_object_notify_by_pspec (G_OBJECT (self), props[PROP_LIST]);
  }

 private:
  static inline GParamSpec *props[N_PROPS];
  static constexpr providers::settings::ListProperty lists[] = {{Traits::list_name, Traits::child_type}};

  static JsonNode *serialize_property (JsonSerializable *self, const gchar *property_name, const GValue *value,
                                       GParamSpec *pspec)
  {
    PROVIDERS_CHECK_SERIALIZE_ARGUMENTS (Traits::serialize_name, nullptr);
    return providers::settings::serialize_property (self, lists, property_name, value, pspec);
  }

  static gboolean deserialize_property (JsonSerializable *self, const gchar *property_name, GValue *value,
                                        GParamSpec *pspec, JsonNode *property_node)
  {
    PROVIDERS_CHECK_SERIALIZE_ARGUMENTS (Traits::deserialize_name, FALSE);
    providers_return_val_if_fail_in (Traits::deserialize_name, property_node != NULL, FALSE);
    return providers::settings::deserialize_property (self, lists, property_name, value, pspec, property_node);
  }

  static void get_property (GObject *object, guint prop_id, GValue *value, GParamSpec *pspec)
  {
    NamedList *p = priv (reinterpret_cast<Instance *> (object));
    switch (prop_id) {
      case PROP_NAME: g_value_set_string (value, p->name); break;
      case PROP_LIST: g_value_set_object (value, p->list); break;
      default: G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec); break;
    }
  }

  /* Through the exported setters, so that property writes are checked and
   * notify as calls do. */
  static void set_property (GObject *object, guint prop_id, const GValue *value, GParamSpec *pspec)
  {
    auto *self = reinterpret_cast<Instance *> (object);
    switch (prop_id) {
      case PROP_NAME: Traits::set_name (self, g_value_get_string (value)); break;
      case PROP_LIST: Traits::set_list (self, static_cast<GeeArrayList *> (g_value_get_object (value))); break;
      default: G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec); break;
    }
  }
};

struct GroupTraits {
  using Instance = TorvanixProvidersContractsServerGroup;
  static constexpr const char *list_name = "servers";
  static GType child_type () { return torvanix_providers_contracts_server_get_type (); }
  static constexpr const char *label = "ServerGroup";
  static const gchar *child_name (GObject *child) { return server_title (child); }
  static constexpr const char *serialize_name = PROVIDERS_FN_SERVER_GROUP_SERIALIZE;
  static constexpr const char *deserialize_name = PROVIDERS_FN_SERVER_GROUP_DESERIALIZE;
  static gpointer instance_private (Instance *self);
  static void set_name (Instance *self, const gchar *value);
  static void set_list (Instance *self, GeeArrayList *value);
};

struct OrganizationTraits {
  using Instance = TorvanixProvidersContractsOrganization;
  static constexpr const char *list_name = "groups";
  static GType child_type () { return torvanix_providers_contracts_server_group_get_type (); }
  static constexpr const char *label = "Organization";
  static const gchar *child_name (GObject *child) { return group_name (child); }
  static constexpr const char *serialize_name = PROVIDERS_FN_ORGANIZATION_SERIALIZE;
  static constexpr const char *deserialize_name = PROVIDERS_FN_ORGANIZATION_DESERIALIZE;
  static gpointer instance_private (Instance *self);
  static void set_name (Instance *self, const gchar *value);
  static void set_list (Instance *self, GeeArrayList *value);
};

using Group = NamedListClass<GroupTraits>;
using Organization = NamedListClass<OrganizationTraits>;

}  // namespace

PROVIDERS_DEFINE_TYPE_WITH_CODE (TorvanixProvidersContractsServerGroup, torvanix_providers_contracts_server_group, G_TYPE_OBJECT,
                                 G_IMPLEMENT_INTERFACE (JSON_TYPE_SERIALIZABLE, Group::serializable_init))

PROVIDERS_DEFINE_TYPE_WITH_CODE (TorvanixProvidersContractsOrganization, torvanix_providers_contracts_organization, G_TYPE_OBJECT,
                                 G_IMPLEMENT_INTERFACE (JSON_TYPE_SERIALIZABLE, Organization::serializable_init))

/* Stamps out the class's class_init and exported functions; the
 * argument checks live in the exported functions so the warnings name
 * them. */
#define PROVIDERS_DEFINE_NAMED_LIST(Name, lower, UPPER, Traits, children)                                             \
  gpointer Traits::instance_private (Instance *self)                                                              \
  {                                                                                                               \
    return torvanix_providers_contracts_##lower##_get_instance_private (self);                                    \
  }                                                                                                               \
  void Traits::set_name (Instance *self, const gchar *value)                                                      \
  {                                                                                                               \
    torvanix_providers_contracts_##lower##_set_name (self, value);                                                \
  }                                                                                                               \
  void Traits::set_list (Instance *self, GeeArrayList *value)                                                     \
  {                                                                                                               \
    torvanix_providers_contracts_##lower##_set_##children (self, value);                                              \
  }                                                                                                               \
  static void torvanix_providers_contracts_##lower##_class_init (TorvanixProvidersContracts##Name##Class *klass)  \
  {                                                                                                               \
    NamedListClass<Traits>::class_init (G_OBJECT_CLASS (klass));                                                  \
  }                                                                                                               \
  extern "C" TorvanixProvidersContracts##Name *torvanix_providers_contracts_##lower##_construct (GType object_type) \
  {                                                                                                               \
    providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_##UPPER, nullptr);       \
    return NamedListClass<Traits>::construct (object_type);                                                       \
  }                                                                                                               \
  extern "C" TorvanixProvidersContracts##Name *torvanix_providers_contracts_##lower##_new (void)                  \
  {                                                                                                               \
    return torvanix_providers_contracts_##lower##_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_##UPPER);          \
  }                                                                                                               \
  extern "C" TorvanixProvidersContracts##Name *torvanix_providers_contracts_##lower##_construct_with_name (       \
      GType object_type, const gchar *name)                                                                       \
  {                                                                                                               \
    providers_return_val_if_fail_text (name != NULL, PROVIDERS_TEXT_NAME_GIVEN, nullptr);                         \
    providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_##UPPER, nullptr);       \
    auto *self = NamedListClass<Traits>::construct (object_type);                                                 \
    torvanix_providers_contracts_##lower##_set_name (self, name);                                                 \
    return self;                                                                                                  \
  }                                                                                                               \
  extern "C" TorvanixProvidersContracts##Name *torvanix_providers_contracts_##lower##_new_with_name (const gchar *name) \
  {                                                                                                               \
    return torvanix_providers_contracts_##lower##_construct_with_name (TORVANIX_PROVIDERS_CONTRACTS_TYPE_##UPPER, name); \
  }                                                                                                               \
  extern "C" gchar *torvanix_providers_contracts_##lower##_to_string (TorvanixProvidersContracts##Name *self)     \
  {                                                                                                               \
    providers_return_val_if_fail (self != NULL, nullptr);                                                         \
    providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_##UPPER (self), nullptr);                       \
    return NamedListClass<Traits>::to_string (self);                                                              \
  }                                                                                                               \
  extern "C" const gchar *torvanix_providers_contracts_##lower##_get_name (TorvanixProvidersContracts##Name *self) \
  {                                                                                                               \
    providers_return_val_if_fail (self != NULL, nullptr);                                                         \
    providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_##UPPER (self), nullptr);                       \
    return NamedListClass<Traits>::priv (self)->name;                                                             \
  }                                                                                                               \
  extern "C" void torvanix_providers_contracts_##lower##_set_name (TorvanixProvidersContracts##Name *self,       \
                                                                   const gchar *value)                           \
  {                                                                                                               \
    providers_return_if_fail (self != NULL);                                                                      \
    providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_##UPPER (self));                                    \
    NamedListClass<Traits>::set_name (self, value);                                                               \
  }                                                                                                               \
  extern "C" GeeArrayList *torvanix_providers_contracts_##lower##_get_##children (TorvanixProvidersContracts##Name *self) \
  {                                                                                                               \
    providers_return_val_if_fail (self != NULL, nullptr);                                                         \
    providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_##UPPER (self), nullptr);                       \
    return NamedListClass<Traits>::priv (self)->list;                                                             \
  }                                                                                                               \
  extern "C" void torvanix_providers_contracts_##lower##_set_##children (TorvanixProvidersContracts##Name *self,     \
                                                                     GeeArrayList *value)                        \
  {                                                                                                               \
    providers_return_if_fail (self != NULL);                                                                      \
    providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_##UPPER (self));                                    \
    NamedListClass<Traits>::set_list (self, value);                                                               \
  }

PROVIDERS_DEFINE_NAMED_LIST (ServerGroup, server_group, SERVER_GROUP, GroupTraits, servers)
PROVIDERS_DEFINE_NAMED_LIST (Organization, organization, ORGANIZATION, OrganizationTraits, groups)
