/* ServerSetting: the root of the saved connection settings and the JSON
 * file that keeps them. The file holds every password in plain text, so it
 * is written for its owner only, always through a temporary file so a
 * failed save never destroys the previous one, and no error message quotes
 * its text. */
#include "libproviders/settings/server-setting.h"

#include "common/check.h"
#include "common/compat-texts.h"
#include "common/gobject-ref.h"
#include "contracts/settings/settings-json.h"

#include <glib/gi18n-lib.h>
#include <glib/gstdio.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#ifndef PROVIDERS_LOCALEDIR
#define PROVIDERS_LOCALEDIR "/usr/share/locale"
#endif

struct TorvanixProvidersContractsServerSettingPrivate {
  gchar *filename; /* owned; "" until the first load */
  GeeArrayList *organizations;
  GeeArrayList *groups;
  GeeArrayList *servers;
};

namespace {

using Setting = TorvanixProvidersContractsServerSetting;
using Server = TorvanixProvidersContractsServer;
using Group = TorvanixProvidersContractsServerGroup;
using Organization = TorvanixProvidersContractsOrganization;
using providers::GRef;

enum { PROP_0, PROP_ORGANIZATIONS, PROP_GROUPS, PROP_SERVERS, N_PROPS };
GParamSpec *props[N_PROPS];

enum { SIGNAL_CHANGED, N_SIGNALS };
guint signals[N_SIGNALS];

/* Far beyond the eight levels of a real settings file, and well inside the
 * stack that json-glib's recursive parser needs per level. */
constexpr guint kMaxNesting = 512;

/* About 40,000 ordinary profiles, loaded in a few seconds; json-glib's tree
 * takes some three times the file's size. A larger file is refused unread
 * rather than block the caller and fill its memory. */
constexpr gsize kMaxFileSize = TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING_MAX_FILE_SIZE;

/* Symbolic links followed before save gives up, as the kernel's own limit. */
constexpr int kMaxLinks = 40;

const providers::settings::ListProperty kLists[] = {
    {"organizations", torvanix_providers_contracts_organization_get_type},
    {"groups", torvanix_providers_contracts_server_group_get_type},
    {"servers", torvanix_providers_contracts_server_get_type},
};

void serializable_init (JsonSerializableIface *iface);

}  // namespace

G_DEFINE_TYPE_WITH_CODE (TorvanixProvidersContractsServerSetting, torvanix_providers_contracts_server_setting, G_TYPE_OBJECT,
                         G_ADD_PRIVATE (TorvanixProvidersContractsServerSetting)
                         G_IMPLEMENT_INTERFACE (JSON_TYPE_SERIALIZABLE, serializable_init))

namespace {

TorvanixProvidersContractsServerSettingPrivate *
priv_of (Setting *self)
{
  return static_cast<TorvanixProvidersContractsServerSettingPrivate *> (
      torvanix_providers_contracts_server_setting_get_instance_private (self));
}

GQuark
setting_error_quark ()
{
  return g_quark_from_static_string ("ServerSetting");
}

/* JSON hooks ----------------------------------------------------------------- */

JsonNode *
setting_serialize_property (JsonSerializable *self, const gchar *property_name, const GValue *value, GParamSpec *pspec)
{
  PROVIDERS_CHECK_SERIALIZE_ARGUMENTS (PROVIDERS_FN_SERVER_SETTING_SERIALIZE, nullptr);
  return providers::settings::serialize_property (self, kLists, property_name, value, pspec);
}

gboolean
setting_deserialize_property (JsonSerializable *self, const gchar *property_name, GValue *value, GParamSpec *pspec,
                              JsonNode *property_node)
{
  PROVIDERS_CHECK_SERIALIZE_ARGUMENTS (PROVIDERS_FN_SERVER_SETTING_DESERIALIZE, FALSE);
  providers_return_val_if_fail_in (PROVIDERS_FN_SERVER_SETTING_DESERIALIZE, property_node != NULL, FALSE);
  return providers::settings::deserialize_property (self, kLists, property_name, value, pspec, property_node);
}

void
serializable_init (JsonSerializableIface *iface)
{
  iface->serialize_property = setting_serialize_property;
  iface->deserialize_property = setting_deserialize_property;
}

/* Reading the file ----------------------------------------------------------- */

void
set_file_error (GError **error, int saved_errno, const char *format, const gchar *filename)
{
  providers::GUnique<gchar> display (g_filename_display_name (filename));
  providers::GUnique<gchar> what (g_strdup_printf (format, display.get ()));
  g_set_error (error, G_FILE_ERROR, g_file_error_from_errno (saved_errno), "%s: %s", what.get (), g_strerror (saved_errno));
}

struct FdCloser {
  int fd;
  ~FdCloser () { if (fd >= 0) close (fd); }
};

void
set_too_large_error (GError **error, const gchar *filename)
{
  providers::GUnique<gchar> display (g_filename_display_name (filename));
  g_set_error (error, setting_error_quark (), TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING_ERROR_TOO_LARGE,
               _("Settings file “%s” is larger than %u MiB."), display.get (),
               static_cast<guint> (kMaxFileSize >> 20));
}

/* Reads a regular file whole. Opening does not block, and anything but a
 * regular file (a directory, a pipe without writer, a device) is refused
 * rather than read, so a misplaced path cannot hang the caller; so is a
 * file above the size bound, also one that grows past it while read. */
GString *
read_regular_file (const gchar *filename, GError **error)
{
  FdCloser file {g_open (filename, O_RDONLY | O_NONBLOCK | O_CLOEXEC, 0)};
  if (file.fd < 0) {
    set_file_error (error, errno, "Failed to open file “%s”", filename);
    return nullptr;
  }
  struct stat info;
  if (fstat (file.fd, &info) != 0) {
    set_file_error (error, errno, "Failed to get attributes of file “%s”", filename);
    return nullptr;
  }
  if (S_ISDIR (info.st_mode)) {
    set_file_error (error, EISDIR, "Failed to read from file “%s”", filename);
    return nullptr;
  }
  if (!S_ISREG (info.st_mode)) {
    providers::GUnique<gchar> display (g_filename_display_name (filename));
    g_set_error (error, G_FILE_ERROR, G_FILE_ERROR_INVAL, "Failed to read from file “%s”: not a regular file",
                 display.get ());
    return nullptr;
  }
  if (static_cast<guint64> (info.st_size) > kMaxFileSize) {
    set_too_large_error (error, filename);
    return nullptr;
  }
  /* The size is a hint only: the file may change while it is read. */
  providers::GUnique<GString> contents (g_string_sized_new (static_cast<gsize> (info.st_size) + 1));
  char chunk[16384];
  for (;;) {
    ssize_t got = read (file.fd, chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      set_file_error (error, errno, "Failed to read from file “%s”", filename);
      return nullptr;
    }
    if (got == 0) break;
    if (contents->len + static_cast<gsize> (got) > kMaxFileSize) {
      set_too_large_error (error, filename);
      return nullptr;
    }
    g_string_append_len (contents.get (), chunk, got);
  }
  return contents.release ();
}

/* json-glib parses recursively and has no depth limit of its own, so a file
 * of nested brackets would exhaust the stack: count the depth first. */
bool
nesting_within (const GString *data, guint limit)
{
  guint depth = 0;
  bool in_string = false;
  for (gsize i = 0; i < data->len; ++i) {
    char c = data->str[i];
    if (in_string) {
      if (c == '\\') ++i;
      else if (c == '"') in_string = false;
    } else if (c == '"') {
      in_string = true;
    } else if (c == '[' || c == '{') {
      if (++depth > limit) return false;
    } else if ((c == ']' || c == '}') && depth > 0) {
      --depth;
    }
  }
  return true;
}

/* What went wrong, by json-glib's error code, in words of our own: the
 * parser's own message quotes the token it stumbled on, which may be a
 * password. */
const char *
parse_problem (gint code)
{
  switch (code) {
    case JSON_PARSER_ERROR_TRAILING_COMMA: return "trailing comma";
    case JSON_PARSER_ERROR_MISSING_COMMA: return "missing comma";
    case JSON_PARSER_ERROR_MISSING_COLON: return "missing colon";
    case JSON_PARSER_ERROR_INVALID_BAREWORD: return "unquoted word where a value belongs";
    case JSON_PARSER_ERROR_EMPTY_MEMBER_NAME: return "empty member name";
    case JSON_PARSER_ERROR_INVALID_DATA: return "the file is not UTF-8 text";
    default: return "not valid JSON";
  }
}

/* Rewrites a parse error as "<file>:<line>:<column>: Parse error: <problem>",
 * keeping its domain and code; the position comes from json-glib's
 * "<data>:<line>:<column>: " prefix, and is left out when there is none. */
void
name_parse_error (GError *parse_error, const gchar *filename)
{
  providers::GUnique<gchar> display (g_filename_display_name (filename));
  unsigned line = 0, column = 0;
  int consumed = 0;
  const bool positioned = sscanf (parse_error->message, "<data>:%u:%u:%n", &line, &column, &consumed) == 2 && consumed > 0;
  gchar *named = positioned ? g_strdup_printf ("%s:%u:%u: Parse error: %s", display.get (), line, column,
                                               parse_problem (parse_error->code))
                            : g_strdup_printf ("%s: Parse error: %s", display.get (), parse_problem (parse_error->code));
  g_free (std::exchange (parse_error->message, named));
}

/* Parses as json_parser_load_from_file would, naming the file in messages. */
GRef<JsonParser>
parse_file (const gchar *filename, GError **error)
{
  providers::GUnique<GString> data (read_regular_file (filename, error));
  if (!data) return nullptr;
  if (!nesting_within (data.get (), kMaxNesting)) {
    providers::GUnique<gchar> display (g_filename_display_name (filename));
    g_set_error (error, JSON_PARSER_ERROR, JSON_PARSER_ERROR_PARSE, "%s: Parse error: nested deeper than %u levels",
                 display.get (), kMaxNesting);
    return nullptr;
  }
  auto parser = providers::adopt_ref (json_parser_new ());
  GError *parse_error = nullptr;
  if (!json_parser_load_from_data (parser.get (), data->str, static_cast<gssize> (data->len), &parse_error)) {
    name_parse_error (parse_error, filename);
    g_propagate_error (error, parse_error);
    return nullptr;
  }
  return parser;
}

/* Writing the file ----------------------------------------------------------- */

/* The file a save replaces: `filename` with every symbolic link on its last
 * component followed, so that the new content goes to the link's target
 * and the link stays a link. A link to nothing names the file to create. */
providers::GUnique<gchar>
save_target (const gchar *filename, GError **error)
{
  providers::GUnique<gchar> path (g_strdup (filename));
  for (int links = 0;; ++links) {
    GStatBuf info;
    if (g_lstat (path.get (), &info) != 0 || !S_ISLNK (info.st_mode)) return path;
    if (links == kMaxLinks) {
      set_file_error (error, ELOOP, "Failed to create file “%s”", filename);
      return nullptr;
    }
    GError *link_error = nullptr;
    providers::GUnique<gchar> target (g_file_read_link (path.get (), &link_error));
    if (!target) {
      g_propagate_error (error, link_error);
      return nullptr;
    }
    if (!g_path_is_absolute (target.get ())) {
      providers::GUnique<gchar> directory (g_path_get_dirname (path.get ()));
      target.reset (g_build_filename (directory.get (), target.get (), nullptr));
    }
    path = std::move (target);
  }
}

/* Lookups ----------------------------------------------------------------------- */

/* The first element of `list` of `type` whose name is `name`. */
template <typename T>
GRef<T>
find_named (GeeArrayList *list, GType type, const gchar *(*name_of) (T *), const gchar *name)
{
  gint size = list ? gee_collection_get_size (GEE_COLLECTION (list)) : 0;
  for (gint i = 0; i < size; ++i) {
    auto element = providers::adopt_ref (static_cast<T *> (gee_list_get (GEE_LIST (list), i)));
    if (element && G_TYPE_CHECK_INSTANCE_TYPE (element.get (), type) && g_strcmp0 (name_of (element.get ()), name) == 0)
      return element;
  }
  return nullptr;
}

/* The group that append and remove address, or null for the top level. An
 * organization that is found but lacks the group does not fall back to the
 * top-level groups. */
GRef<Group>
find_group (Setting *self, const gchar *group_name, const gchar *org_name)
{
  auto *priv = priv_of (self);
  GRef<Organization> organization;
  if (*org_name)
    organization = find_named<Organization> (priv->organizations, TORVANIX_PROVIDERS_CONTRACTS_TYPE_ORGANIZATION,
                                             torvanix_providers_contracts_organization_get_name, org_name);
  if (!*group_name) return nullptr;
  GeeArrayList *groups =
      organization ? torvanix_providers_contracts_organization_get_groups (organization.get ()) : priv->groups;
  return find_named<Group> (groups, TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER_GROUP,
                            torvanix_providers_contracts_server_group_get_name, group_name);
}

/* The list a profile is filed in: the group's, or the top-level one. A list
 * that was set to null is replaced by an empty one so that the profile has
 * somewhere to go. */
GeeArrayList *
servers_of (Setting *self, Group *group)
{
  GeeArrayList *list = group ? torvanix_providers_contracts_server_group_get_servers (group) : priv_of (self)->servers;
  if (list) return list;
  auto fresh = providers::adopt_ref (providers::settings::new_object_list (TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER));
  if (group) torvanix_providers_contracts_server_group_set_servers (group, fresh.get ());
  else torvanix_providers_contracts_server_setting_set_servers (self, fresh.get ());
  return fresh.get ();
}

/* Appends each profile of `list` to `out`, taking a reference. */
void
collect_servers (GeeArrayList *list, GPtrArray *out)
{
  gint size = list ? gee_collection_get_size (GEE_COLLECTION (list)) : 0;
  for (gint i = 0; i < size; ++i) {
    gpointer server = gee_list_get (GEE_LIST (list), i);
    if (TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER (server)) g_ptr_array_add (out, server);
    else if (server) g_object_unref (server);
  }
}

template <typename T>
void
for_each (GeeArrayList *list, GType type, void (*visit) (T *, GPtrArray *), GPtrArray *out)
{
  gint size = list ? gee_collection_get_size (GEE_COLLECTION (list)) : 0;
  for (gint i = 0; i < size; ++i) {
    auto element = providers::adopt_ref (static_cast<T *> (gee_list_get (GEE_LIST (list), i)));
    if (element && G_TYPE_CHECK_INSTANCE_TYPE (element.get (), type)) visit (element.get (), out);
  }
}

void
collect_group (Group *group, GPtrArray *out)
{
  collect_servers (torvanix_providers_contracts_server_group_get_servers (group), out);
}

void
collect_organization (Organization *organization, GPtrArray *out)
{
  for_each<Group> (torvanix_providers_contracts_organization_get_groups (organization),
                   TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER_GROUP, collect_group, out);
}

/* GObject ------------------------------------------------------------------------ */

void
setting_get_property (GObject *object, guint prop_id, GValue *value, GParamSpec *pspec)
{
  auto *priv = priv_of (TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING (object));
  switch (prop_id) {
    case PROP_ORGANIZATIONS: g_value_set_object (value, priv->organizations); break;
    case PROP_GROUPS: g_value_set_object (value, priv->groups); break;
    case PROP_SERVERS: g_value_set_object (value, priv->servers); break;
    default: G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec); break;
  }
}

void
setting_set_property (GObject *object, guint prop_id, const GValue *value, GParamSpec *pspec)
{
  auto *self = TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING (object);
  auto *list = static_cast<GeeArrayList *> (g_value_get_object (value));
  switch (prop_id) {
    case PROP_ORGANIZATIONS: torvanix_providers_contracts_server_setting_set_organizations (self, list); break;
    case PROP_GROUPS: torvanix_providers_contracts_server_setting_set_groups (self, list); break;
    case PROP_SERVERS: torvanix_providers_contracts_server_setting_set_servers (self, list); break;
    default: G_OBJECT_WARN_INVALID_PROPERTY_ID (object, prop_id, pspec); break;
  }
}

void
setting_finalize (GObject *object)
{
  auto *priv = priv_of (TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING (object));
  g_free (priv->filename);
  for (GeeArrayList *list : {priv->organizations, priv->groups, priv->servers})
    if (list) g_object_unref (list);
  G_OBJECT_CLASS (torvanix_providers_contracts_server_setting_parent_class)->finalize (object);
}

void
set_list (Setting *self, GeeArrayList **field, guint prop, GeeArrayList *value)
{
  if (providers::settings::replace_list (field, value)) g_object_notify_by_pspec (G_OBJECT (self), props[prop]);
}

}  // namespace

static void
torvanix_providers_contracts_server_setting_class_init (TorvanixProvidersContractsServerSettingClass *klass)
{
  GObjectClass *object_class = G_OBJECT_CLASS (klass);
  object_class->get_property = setting_get_property;
  object_class->set_property = setting_set_property;
  object_class->finalize = setting_finalize;

  constexpr auto flags = static_cast<GParamFlags> (G_PARAM_READWRITE | G_PARAM_EXPLICIT_NOTIFY | G_PARAM_STATIC_STRINGS);
  props[PROP_ORGANIZATIONS] = g_param_spec_object ("organizations", "organizations", "organizations", GEE_TYPE_ARRAY_LIST, flags);
  props[PROP_GROUPS] = g_param_spec_object ("groups", "groups", "groups", GEE_TYPE_ARRAY_LIST, flags);
  props[PROP_SERVERS] = g_param_spec_object ("servers", "servers", "servers", GEE_TYPE_ARRAY_LIST, flags);
  g_object_class_install_properties (object_class, N_PROPS, props);

  signals[SIGNAL_CHANGED] = g_signal_new ("changed", G_TYPE_FROM_CLASS (klass), G_SIGNAL_RUN_LAST, 0, nullptr, nullptr,
                                          nullptr, G_TYPE_NONE, 0);

  /* The translated messages; no catalogue needs to be installed. */
  bindtextdomain (GETTEXT_PACKAGE, PROVIDERS_LOCALEDIR);
  bind_textdomain_codeset (GETTEXT_PACKAGE, "UTF-8");
}

static void
torvanix_providers_contracts_server_setting_init (TorvanixProvidersContractsServerSetting *self)
{
  auto *priv = priv_of (self);
  priv->filename = g_strdup ("");
  priv->organizations = providers::settings::new_object_list (TORVANIX_PROVIDERS_CONTRACTS_TYPE_ORGANIZATION);
  priv->groups = providers::settings::new_object_list (TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER_GROUP);
  priv->servers = providers::settings::new_object_list (TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER);
}

extern "C" TorvanixProvidersContractsServerSetting *
torvanix_providers_contracts_server_setting_construct (GType object_type)
{
  providers_return_val_if_fail_subtype (object_type, TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER_SETTING, nullptr);
  return TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING (g_object_new (object_type, nullptr));
}

extern "C" TorvanixProvidersContractsServerSetting *
torvanix_providers_contracts_server_setting_new (void)
{
  return torvanix_providers_contracts_server_setting_construct (TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER_SETTING);
}

extern "C" gboolean
torvanix_providers_contracts_server_setting_load (TorvanixProvidersContractsServerSetting *self, const gchar *filename,
                                                  GError **error)
{
  providers_return_val_if_fail (self != NULL, FALSE);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER_SETTING (self), FALSE);
  providers_return_val_if_fail (filename != NULL, FALSE);
  providers_return_val_if_fail (error == NULL || *error == NULL, FALSE);
  auto *priv = priv_of (self);
  /* Recorded first, so save() writes here even after a failed load. */
  g_free (std::exchange (priv->filename, g_strdup (filename)));

  GRef<JsonParser> parser = parse_file (filename, error);
  if (!parser) return FALSE;
  /* An empty document or a root that is not an object holds no settings;
   * json-glib's deserializer must not see it (it would fail an assertion). */
  JsonNode *root = json_parser_get_root (parser.get ());
  GRef<GObject> loaded;
  if (root && JSON_NODE_HOLDS_OBJECT (root))
    loaded = providers::adopt_ref (
        providers::settings::deserialize_object (TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER_SETTING, root));
  if (!loaded || !TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER_SETTING (loaded.get ())) {
    g_set_error_literal (error, setting_error_quark (), TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING_ERROR_LOAD_FAILED,
                         _("Failed to load database setting file."));
    return FALSE;
  }
  auto *from = priv_of (TORVANIX_PROVIDERS_CONTRACTS_SERVER_SETTING (loaded.get ()));
  torvanix_providers_contracts_server_setting_set_groups (self, from->groups);
  torvanix_providers_contracts_server_setting_set_servers (self, from->servers);
  torvanix_providers_contracts_server_setting_set_organizations (self, from->organizations);
  return TRUE;
}

extern "C" gboolean
torvanix_providers_contracts_server_setting_save (TorvanixProvidersContractsServerSetting *self, GError **error)
{
  providers_return_val_if_fail (self != NULL, FALSE);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER_SETTING (self), FALSE);
  providers_return_val_if_fail (error == NULL || *error == NULL, FALSE);
  const gchar *filename = priv_of (self)->filename;
  if (*filename == '\0') {
    /* What the file system answers for an empty path, without leaving a
     * temporary file in the working directory on the way. */
    set_file_error (error, ENOENT, "Failed to create file “%s”", filename);
    return FALSE;
  }

  JsonNode *root = json_gobject_serialize (G_OBJECT (self));
  auto generator = providers::adopt_ref (json_generator_new ());
  json_generator_set_pretty (generator.get (), TRUE);
  json_generator_set_indent (generator.get (), 2);
  json_generator_set_indent_char (generator.get (), ' ');
  json_generator_set_root (generator.get (), root);
  json_node_unref (root);
  gsize length = 0;
  providers::GUnique<gchar> data (json_generator_to_data (generator.get (), &length));
  /* The reader refuses a document that is not UTF-8, so writing one (from a
   * password typed in another encoding, say) would lose every profile at
   * the next load: keep the previous file instead. */
  if (!g_utf8_validate_len (data.get (), length, nullptr)) {
    providers::GUnique<gchar> display (g_filename_display_name (filename));
    g_set_error (error, G_IO_ERROR, G_IO_ERROR_INVALID_DATA,
                 "Failed to save “%s”: a setting holds text that is not valid UTF-8", display.get ());
    return FALSE;
  }

  /* A temporary file beside the target, renamed over it once complete; the
   * passwords inside make it the owner's alone. */
  providers::GUnique<gchar> target = save_target (filename, error);
  if (!target) return FALSE;
  GError *write_error = nullptr;
  if (g_file_set_contents_full (target.get (), data.get (), static_cast<gssize> (length), G_FILE_SET_CONTENTS_CONSISTENT,
                                0600, &write_error))
    return TRUE;
  if (write_error) g_propagate_error (error, write_error);
  else g_set_error_literal (error, G_IO_ERROR, G_IO_ERROR_FAILED, filename);
  return FALSE;
}

extern "C" void
torvanix_providers_contracts_server_setting_append (TorvanixProvidersContractsServerSetting *self,
                                                    TorvanixProvidersContractsServer *server, const gchar *group_name,
                                                    const gchar *org_name)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER_SETTING (self));
  providers_return_if_fail (server != NULL);
  providers_return_if_fail (group_name != NULL);
  providers_return_if_fail (org_name != NULL);
  GRef<Group> group = find_group (self, group_name, org_name);
  gee_collection_add (GEE_COLLECTION (servers_of (self, group.get ())), server);
  g_signal_emit (self, signals[SIGNAL_CHANGED], 0);
}

extern "C" void
torvanix_providers_contracts_server_setting_remove (TorvanixProvidersContractsServerSetting *self,
                                                    TorvanixProvidersContractsServer *server, const gchar *group_name,
                                                    const gchar *org_name)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER_SETTING (self));
  providers_return_if_fail (server != NULL);
  providers_return_if_fail (group_name != NULL);
  providers_return_if_fail (org_name != NULL);
  GRef<Group> group = find_group (self, group_name, org_name);
  GeeArrayList *list = group ? torvanix_providers_contracts_server_group_get_servers (group.get ()) : priv_of (self)->servers;
  if (list) gee_collection_remove (GEE_COLLECTION (list), server);
  g_signal_emit (self, signals[SIGNAL_CHANGED], 0);
}

extern "C" TorvanixProvidersContractsServer **
torvanix_providers_contracts_server_setting_unite_servers (TorvanixProvidersContractsServerSetting *self,
                                                           gint *result_length)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER_SETTING (self), nullptr);
  auto *priv = priv_of (self);
  GPtrArray *all = g_ptr_array_new ();
  for_each<Organization> (priv->organizations, TORVANIX_PROVIDERS_CONTRACTS_TYPE_ORGANIZATION, collect_organization, all);
  for_each<Group> (priv->groups, TORVANIX_PROVIDERS_CONTRACTS_TYPE_SERVER_GROUP, collect_group, all);
  collect_servers (priv->servers, all);
  if (result_length) *result_length = static_cast<gint> (all->len);
  g_ptr_array_add (all, nullptr);
  return reinterpret_cast<Server **> (g_ptr_array_free (all, FALSE));
}

extern "C" GeeArrayList *
torvanix_providers_contracts_server_setting_get_organizations (TorvanixProvidersContractsServerSetting *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER_SETTING (self), nullptr);
  return priv_of (self)->organizations;
}

extern "C" void
torvanix_providers_contracts_server_setting_set_organizations (TorvanixProvidersContractsServerSetting *self,
                                                               GeeArrayList *value)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER_SETTING (self));
  set_list (self, &priv_of (self)->organizations, PROP_ORGANIZATIONS, value);
}

extern "C" GeeArrayList *
torvanix_providers_contracts_server_setting_get_groups (TorvanixProvidersContractsServerSetting *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER_SETTING (self), nullptr);
  return priv_of (self)->groups;
}

extern "C" void
torvanix_providers_contracts_server_setting_set_groups (TorvanixProvidersContractsServerSetting *self, GeeArrayList *value)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER_SETTING (self));
  set_list (self, &priv_of (self)->groups, PROP_GROUPS, value);
}

extern "C" GeeArrayList *
torvanix_providers_contracts_server_setting_get_servers (TorvanixProvidersContractsServerSetting *self)
{
  providers_return_val_if_fail (self != NULL, nullptr);
  providers_return_val_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER_SETTING (self), nullptr);
  return priv_of (self)->servers;
}

extern "C" void
torvanix_providers_contracts_server_setting_set_servers (TorvanixProvidersContractsServerSetting *self, GeeArrayList *value)
{
  providers_return_if_fail (self != NULL);
  providers_return_if_fail (TORVANIX_PROVIDERS_CONTRACTS_IS_SERVER_SETTING (self));
  set_list (self, &priv_of (self)->servers, PROP_SERVERS, value);
}
