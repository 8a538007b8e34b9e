/* Server: one connection profile, a plain bag of properties that a provider
 * reads when it connects and the settings file writes and reads. */
#include "libproviders/settings/server.h"

#include "common/check.h"
#include "common/private-data.h"
#include "common/compat-texts.h"
#include "common/gobject-ref.h"
#include "common/property-helpers.h"

#include <memory>
#include <utility>

/* Every property in installation order, which is also its number and the
 * order of the private fields. S: string (name, start value), I: int
 * (declared default = start value), B: boolean (false), V: the databases
 * array. Strings are declared with a null default although most start
 * with text: the settings file writes every member that differs from the
 * declared default, so the start texts are always written. */
#define SERVER_PROPERTIES(S, I, B, V) \
  S (UUID, uuid, "uuid", "")                                                 \
  S (PROVIDER, provider, "provider", "UNKNOWN")                              \
  S (DRIVER, driver, "driver", "")                                           \
  S (TITLE, title, "title", "")                                              \
  S (HOST, host, "host", "")                                                 \
  I (PORT, port, "port", 0)                                                  \
  S (USERNAME, username, "username", "")                                     \
  S (PASSWORD, password, "password", "")                                     \
  S (INITIAL, initial, "initial", "")                                        \
  S (FILENAME, filename, "filename", "")                                     \
  S (LOCATION, location, "location", "")                                     \
  S (EXTENSIONS, extensions, "extensions", "")                               \
  V (DATABASES, databases, "databases")                                      \
  S (OPTIONS, options, "options", "")                                        \
  B (SSH_USING, ssh_using, "ssh-using")                                      \
  S (SSH_PROCESS, ssh_process, "ssh-process", "ssh")                         \
  S (SSH_HOST, ssh_host, "ssh-host", "")                                     \
  I (SSH_PORT, ssh_port, "ssh-port", 22)                                     \
  S (SSH_AUTH_TYPE, ssh_auth_type, "ssh-auth-type", "password")              \
  S (SSH_USERNAME, ssh_username, "ssh-username", "")                         \
  S (SSH_PASSWORD, ssh_password, "ssh-password", "")                         \
  S (SSH_KEY_PRIVATE_FILE, ssh_key_private_file, "ssh-key-private-file", "") \
  B (HTTP_USING, http_using, "http-using")                                   \
  S (HTTP_PROCESS, http_process, "http-process", "wstunnel")                 \
  S (HTTP_PROTOCOL, http_protocol, "http-protocol", "http")                  \
  S (HTTP_HOST, http_host, "http-host", "")                                  \
  I (HTTP_PORT, http_port, "http-port", 8080)                                \
  B (HTTP_AUTH, http_auth, "http-auth")                                      \
  S (HTTP_USERNAME, http_username, "http-username", "")                      \
  S (HTTP_PASSWORD, http_password, "http-password", "")                      \
  S (HTTP_CA_FILE, http_ca_file, "http-ca-file", "")                         \
  S (HTTP_CERT_FILE, http_cert_file, "http-cert-file", "")                   \
  S (HTTP_KEY_FILE, http_key_file, "http-key-file", "")                      \
  B (SSL_USING, ssl_using, "ssl-using")                                      \
  S (SSL_CA_FILE, ssl_ca_file, "ssl-ca-file", "")                            \
  S (SSL_CERT_FILE, ssl_cert_file, "ssl-cert-file", "")                      \
  S (SSL_KEY_FILE, ssl_key_file, "ssl-key-file", "")                         \
  S (SSL_MODE, ssl_mode, "ssl-mode", "require")                              \
  S (SSL_PASSWORD, ssl_password, "ssl-password", "")                        

#define PROVIDERS_SERVER_NOTHING(...)

struct TorvanixProvidersContractsServerPrivate {
#define FIELD_S(U, f, n, start) gchar *f = g_strdup (start);
#define FIELD_I(U, f, n, def) gint f = def;
#define FIELD_B(U, f, ...) gboolean f = FALSE;
#define FIELD_V(U, f, ...) gchar **f = static_cast<gchar **> (g_malloc0 (sizeof (gchar *))); /* owned, null-terminated beyond f##_length */ gint f##_length = 0;
  SERVER_PROPERTIES (FIELD_S, FIELD_I, FIELD_B, FIELD_V)

  TorvanixProvidersContractsServerPrivate () = default;
  TorvanixProvidersContractsServerPrivate (const TorvanixProvidersContractsServerPrivate &) = delete;
  ~TorvanixProvidersContractsServerPrivate ();
};

namespace {

using Private = TorvanixProvidersContractsServerPrivate;
using Server = TorvanixProvidersContractsServer;

enum {
  PROP_0,
#define ENUM_ENTRY(U, ...) PROP_##U,
  SERVER_PROPERTIES (ENUM_ENTRY, ENUM_ENTRY, ENUM_ENTRY, ENUM_ENTRY)
  N_PROPS
};

GParamSpec *props[N_PROPS];

}  // namespace

PROVIDERS_DEFINE_TYPE (TorvanixProvidersContractsServer, torvanix_providers_contracts_server, G_TYPE_OBJECT)

namespace {

Private *
priv_of (Server *self)
{
  return static_cast<Private *> (torvanix_providers_contracts_server_get_instance_private (self));
}

/* Strings compare null-safe: two nulls are equal, null and "" are not. */
void
set_text (Server *self, gchar *Private::*field, guint prop, const gchar *value)
{
  if (providers::replace_string (&(priv_of (self)->*field), value))
    g_object_notify_by_pspec (G_OBJECT (self), props[prop]);
}

template <typename T>
void
set_plain (Server *self, T Private::*field, guint prop, T value)
{
  Private *priv = priv_of (self);
  if (priv->*field == value) return;
  priv->*field = value;
  g_object_notify_by_pspec (G_OBJECT (self), props[prop]);
}

/* Frees by count: a caller may have put null among the names. */
void
free_databases (Private *priv)
{
  for (gint i = 0; i < priv->databases_length; ++i) g_free (priv->databases[i]);
  g_free (priv->databases);
  priv->databases = nullptr;
  priv->databases_length = 0;
}

}  // namespace

TorvanixProvidersContractsServerPrivate::~TorvanixProvidersContractsServerPrivate ()
{
#define FREE_S(U, f, ...) g_free (f);
#define FREE_V(U, f, ...) free_databases (this);
  SERVER_PROPERTIES (FREE_S, PROVIDERS_SERVER_NOTHING, PROVIDERS_SERVER_NOTHING, FREE_V)
}

namespace {

void
assign_fresh_uuid (Server *self)
{
  providers::GUnique<gchar> random (g_uuid_string_random ());
  providers::GUnique<gchar> upper (g_ascii_strup (random.get (), -1));
  torvanix_providers_contracts_server_set_uuid (self, upper.get ());
}

struct FreeSpecList {
  void operator() (GParamSpec **specs) const noexcept { g_free (specs); }
};

const gchar *
text_or_empty (const gchar *text)
{
  return text ? text : "";
}

void
server_get_property (GObject *object, guint prop_id, GValue *value, GParamSpec *pspec)
{
  Private *priv = priv_of (TORVANIX_PROVIDERS_CONTRACTS_SERVER (object));
  switch (prop_id) {
#define GET_S(U, f, ...) case PROP_##U: g_value_set_string (value, priv->f); break;
#define GET_I(U, f, ...) case PROP_##U: g_value_set_int (value, priv->f); break;
#define GET_B(U, f, ...) case PROP_##U: g_value_set_boolean (value, priv->f); break;
#define GET_V(U, f, ...) case PROP_##U: g_value_set_boxed (value, priv->f); break;
    SERVER_PROPERTIES (GET_S, GET_I, GET_B, GET_V)
    default: G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec); break;
  }
}

void
server_set_property (GObject *object, guint prop_id, const GValue *value, GParamSpec *pspec)
{
  Server *self = TORVANIX_PROVIDERS_CONTRACTS_SERVER (object);
  switch (prop_id) {
#define SET_S(U, f, ...) case PROP_##U: torvanix_providers_contracts_server_set_##f (self, g_value_get_string (value)); break;
#define SET_I(U, f, ...) case PROP_##U: torvanix_providers_contracts_server_set_##f (self, g_value_get_int (value)); break;
#define SET_B(U, f, ...) case PROP_##U: torvanix_providers_contracts_server_set_##f (self, g_value_get_boolean (value)); break;
#define SET_V(U, f, ...)                                                                       \
    case PROP_##U: {                                                                           \
      auto **names = static_cast<gchar **> (g_value_get_boxed (value));                        \
      torvanix_providers_contracts_server_set_##f (self, names, names ? static_cast<gint> (g_strv_length (names)) : 0); \
      break;                                                                                   \
    }
    SERVER_PROPERTIES (SET_S, SET_I, SET_B, SET_V)
    default: G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec); break;
  }
}

}  // namespace

static void
torvanix_providers_contracts_server_class_init (TorvanixProvidersContractsServerClass *klass)
{
  GObjectClass *object_class = G_OBJECT_CLASS (klass);
  object_class->get_property = server_get_property;
  object_class->set_property = server_set_property;

  /* The name serves as nick and blurb. The setters notify only on change,
   * also when reached through g_object_set. */
  constexpr auto flags = static_cast<GParamFlags> (G_PARAM_READWRITE | G_PARAM_EXPLICIT_NOTIFY | G_PARAM_STATIC_STRINGS);
#define PSPEC_S(U, f, n, ...) props[PROP_##U] = g_param_spec_string (n, n, n, nullptr, flags);
#define PSPEC_I(U, f, n, def) props[PROP_##U] = g_param_spec_int (n, n, n, G_MININT, G_MAXINT, def, flags);
#define PSPEC_B(U, f, n) props[PROP_##U] = g_param_spec_boolean (n, n, n, FALSE, flags);
#define PSPEC_V(U, f, n) props[PROP_##U] = g_param_spec_boxed (n, n, n, G_TYPE_STRV, flags);
  SERVER_PROPERTIES (PSPEC_S, PSPEC_I, PSPEC_B, PSPEC_V)
  g_object_class_install_properties (object_class, N_PROPS, props);
}

extern "C" TorvanixProvidersContractsServer *
torvanix_providers_contracts_server_construct (GType object_type)
{
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER, nullptr);
  return TORVANIX_PROVIDERS_CONTRACTS_SERVER (g_object_new (object_type, nullptr));
}

extern "C" TorvanixProvidersContractsServer *
torvanix_providers_contracts_server_new (void)
{
  return torvanix_providers_contracts_server_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER);
}

extern "C" TorvanixProvidersContractsServer *
torvanix_providers_contracts_server_construct_with_provider (GType object_type, const gchar *provider)
{
  providers_return_val_if_fail_text (provider != NULL, PROVIDERS_TEXT_PROVIDER_GIVEN, nullptr);
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER, nullptr);
  Server *self = TORVANIX_PROVIDERS_CONTRACTS_SERVER (g_object_new (object_type, nullptr));
  torvanix_providers_contracts_server_set_provider (self, provider);
  assign_fresh_uuid (self);
  return self;
}

extern "C" TorvanixProvidersContractsServer *
torvanix_providers_contracts_server_new_with_provider (const gchar *provider)
{
  return torvanix_providers_contracts_server_construct_with_provider (TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER, provider);
}

extern "C" TorvanixProvidersContractsServer *
torvanix_providers_contracts_server_clone (TorvanixProvidersContractsServer *self, gboolean new_uuid)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER (self), nullptr);
  /* The copy is of the same class, so a subclass's own properties have
   * somewhere to go. */
  auto copy = providers::adopt_ref (TORVANIX_PROVIDERS_CONTRACTS_SERVER (g_object_new (G_OBJECT_TYPE (self), nullptr)));
  guint n_specs = 0;
  std::unique_ptr<GParamSpec *, FreeSpecList> specs (g_object_class_list_properties (G_OBJECT_GET_CLASS (self), &n_specs));
  for (guint i = 0; i < n_specs; ++i) {
    GParamSpec *pspec = specs.get ()[i];
    constexpr guint needed = G_PARAM_READABLE | G_PARAM_WRITABLE;
    if ((pspec->flags & needed) != needed || (pspec->flags & G_PARAM_CONSTRUCT_ONLY)) continue;
    /* A GValue holds the names only up to the first null, and no array as
     * an empty one: the names are copied by their count below. */
    if (pspec == props[PROP_DATABASES]) continue;
    providers::ScopedGValue value;
    g_value_init (value.get (), G_PARAM_SPEC_VALUE_TYPE (pspec));
    g_object_get_property (G_OBJECT (self), pspec->name, value.get ());
    g_object_set_property (G_OBJECT (copy.get ()), pspec->name, value.get ());
  }
  Private *priv = priv_of (self);
  torvanix_providers_contracts_server_set_databases (copy.get (), priv->databases,
                                                     priv->databases ? priv->databases_length : -1);
  if (new_uuid) assign_fresh_uuid (copy.get ());
  return copy.release ();
}

extern "C" gchar *
torvanix_providers_contracts_server_to_string (TorvanixProvidersContractsServer *self, gboolean with_id)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER (self), nullptr);
  Private *priv = priv_of (self);
  /* A profile read from a file may hold null in any text; it prints as "". */
  GString *text = g_string_new (nullptr);
  g_string_append_printf (text, "Server %s => Provider:%s, ", text_or_empty (priv->title), text_or_empty (priv->provider));
  if (priv->driver && *priv->driver) g_string_append_printf (text, "Driver:%s, ", priv->driver);
  g_string_append_printf (text, "Initial:%s, ", text_or_empty (priv->initial));
  g_string_append_printf (text, "Host:%s, port:%d, ", text_or_empty (priv->host), priv->port);
  g_string_append_printf (text, "User:%s, ", text_or_empty (priv->username));
  g_string_append_printf (text, "SSL:%s, ", priv->ssl_using ? "Yes" : "No");
  if (priv->ssh_using) {
    g_string_append (text, "Tunnel:SSH");
  } else if (priv->http_using) {
    providers::GUnique<gchar> protocol (g_utf8_strup (text_or_empty (priv->http_protocol), -1));
    g_string_append_printf (text, "Tunnel:%s", protocol.get ());
  } else {
    g_string_append (text, "Tunnel:");
  }
  if (with_id) g_string_append_printf (text, ", ID:%s", text_or_empty (priv->uuid));
  return g_string_free (text, FALSE);
}

/* Property accessors. */

#define ACCESSORS_S(U, f, ...)                                                              \
  extern "C" const gchar *torvanix_providers_contracts_server_get_##f (Server *self)        \
  {                                                                                         \
    providers_return_val_if_fail (self != NULL, nullptr);                                   \
    providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER (self), nullptr);  \
    return priv_of (self)->f;                                                               \
  }                                                                                         \
  extern "C" void torvanix_providers_contracts_server_set_##f (Server *self, const gchar *value) \
  {                                                                                         \
    providers_return_if_fail (self != NULL);                                                \
    providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER (self));               \
    set_text (self, &Private::f, PROP_##U, value);                                          \
  }

#define ACCESSORS_PLAIN(T, U, f)                                                            \
  extern "C" T torvanix_providers_contracts_server_get_##f (Server *self)                   \
  {                                                                                         \
    providers_return_val_if_fail (self != NULL, 0);                                         \
    providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER (self), 0);        \
    return priv_of (self)->f;                                                               \
  }                                                                                         \
  extern "C" void torvanix_providers_contracts_server_set_##f (Server *self, T value)       \
  {                                                                                         \
    providers_return_if_fail (self != NULL);                                                \
    providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER (self));               \
    set_plain<T> (self, &Private::f, PROP_##U, value);                                      \
  }
#define ACCESSORS_I(U, f, ...) ACCESSORS_PLAIN (gint, U, f)
#define ACCESSORS_B(U, f, ...) ACCESSORS_PLAIN (gboolean, U, f)

SERVER_PROPERTIES (ACCESSORS_S, ACCESSORS_I, ACCESSORS_B, PROVIDERS_SERVER_NOTHING)

extern "C" gchar **
torvanix_providers_contracts_server_get_databases (TorvanixProvidersContractsServer *self, gint *result_length)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER (self), nullptr);
  Private *priv = priv_of (self);
  if (result_length) *result_length = priv->databases_length;
  return priv->databases;
}

extern "C" void
torvanix_providers_contracts_server_set_databases (TorvanixProvidersContractsServer *self, gchar **value, gint value_length)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER (self));
  providers_return_if_fail (value != NULL || value_length <= 0);
  Private *priv = priv_of (self);
  /* By identity: a new array with the same names is still a change. */
  if (value == priv->databases) return;
  gchar **copy = nullptr;
  if (value_length >= 0) {
    copy = g_new0 (gchar *, static_cast<gsize> (value_length) + 1);
    for (gint i = 0; i < value_length; ++i) copy[i] = g_strdup (value[i]);
  }
  free_databases (priv);
  priv->databases = copy;
  priv->databases_length = copy ? value_length : 0;
  g_object_notify_by_pspec (G_OBJECT (self), props[PROP_DATABASES]);
}
