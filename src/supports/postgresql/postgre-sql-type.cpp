/* The built-in types of the server by OID, their names and data types, and
 * the session's catalog of the others. */
#include "libproviders/postgresql/postgre-sql-type.h"

#include <algorithm>
#include <string>

#include "supports/postgresql/postgre-sql-provider-private.h"
#include "supports/postgresql/postgre-sql-type-private.h"

namespace {

using DataType = TorvanixProvidersContractsDataType;

struct BuiltIn {
  guint32 oid;
  guint32 array_oid; /* the OID of the type's array, 0 for none */
  const char *name;  /* the array's name is this with "_" before it */
  DataType data_type;
};

#define TYPE(oid, array_oid, name, data_type) {oid, array_oid, name, TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_##data_type}

/* The server's own catalog (pg_type of release 15, every type of the
 * pg_catalog schema but the catalogs' row types), in OID order; the tests
 * compare it with a live server's. */
constexpr BuiltIn kBuiltIns[] = {
    TYPE (16, 1000, "bool", BOOLEAN),
    TYPE (17, 1001, "bytea", BINARY),
    TYPE (18, 1002, "char", STRING),
    TYPE (19, 1003, "name", STRING),
    TYPE (20, 1016, "int8", INT64),
    TYPE (21, 1005, "int2", INT16),
    TYPE (22, 1006, "int2vector", STRING),
    TYPE (23, 1007, "int4", INT32),
    TYPE (24, 1008, "regproc", STRING),
    TYPE (25, 1009, "text", STRING),
    TYPE (26, 1028, "oid", UINT32),
    TYPE (27, 1010, "tid", STRING),
    TYPE (28, 1011, "xid", UINT32),
    TYPE (29, 1012, "cid", UINT32),
    TYPE (30, 1013, "oidvector", STRING),
    TYPE (32, 0, "pg_ddl_command", STRING),
    TYPE (114, 199, "json", JSON),
    TYPE (142, 143, "xml", XML),
    TYPE (194, 0, "pg_node_tree", STRING),
    TYPE (269, 0, "table_am_handler", STRING),
    TYPE (325, 0, "index_am_handler", STRING),
    TYPE (600, 1017, "point", STRING),
    TYPE (601, 1018, "lseg", STRING),
    TYPE (602, 1019, "path", STRING),
    TYPE (603, 1020, "box", STRING),
    TYPE (604, 1027, "polygon", STRING),
    TYPE (628, 629, "line", STRING),
    TYPE (650, 651, "cidr", STRING),
    TYPE (700, 1021, "float4", FLOAT),
    TYPE (701, 1022, "float8", DOUBLE),
    TYPE (705, 0, "unknown", STRING),
    TYPE (718, 719, "circle", STRING),
    TYPE (774, 775, "macaddr8", STRING),
    TYPE (790, 791, "money", STRING),
    TYPE (829, 1040, "macaddr", STRING),
    TYPE (869, 1041, "inet", STRING),
    TYPE (1033, 1034, "aclitem", STRING),
    TYPE (1042, 1014, "bpchar", STRING),
    TYPE (1043, 1015, "varchar", STRING),
    TYPE (1082, 1182, "date", DATE),
    TYPE (1083, 1183, "time", TIME),
    TYPE (1114, 1115, "timestamp", DATETIME),
    TYPE (1184, 1185, "timestamptz", TIMESTAMP),
    TYPE (1186, 1187, "interval", STRING),
    TYPE (1266, 1270, "timetz", STRING),
    TYPE (1560, 1561, "bit", STRING),
    TYPE (1562, 1563, "varbit", STRING),
    TYPE (1700, 1231, "numeric", DECIMAL),
    TYPE (1790, 2201, "refcursor", STRING),
    TYPE (2202, 2207, "regprocedure", STRING),
    TYPE (2203, 2208, "regoper", STRING),
    TYPE (2204, 2209, "regoperator", STRING),
    TYPE (2205, 2210, "regclass", STRING),
    TYPE (2206, 2211, "regtype", STRING),
    TYPE (2249, 2287, "record", STRING),
    TYPE (2275, 1263, "cstring", STRING),
    TYPE (2276, 0, "any", STRING),
    TYPE (2277, 0, "anyarray", STRING),
    TYPE (2278, 0, "void", STRING),
    TYPE (2279, 0, "trigger", STRING),
    TYPE (2280, 0, "language_handler", STRING),
    TYPE (2281, 0, "internal", STRING),
    TYPE (2283, 0, "anyelement", STRING),
    TYPE (2776, 0, "anynonarray", STRING),
    TYPE (2950, 2951, "uuid", UUID),
    TYPE (2970, 2949, "txid_snapshot", STRING),
    TYPE (3115, 0, "fdw_handler", STRING),
    TYPE (3220, 3221, "pg_lsn", STRING),
    TYPE (3310, 0, "tsm_handler", STRING),
    TYPE (3361, 0, "pg_ndistinct", STRING),
    TYPE (3402, 0, "pg_dependencies", STRING),
    TYPE (3500, 0, "anyenum", STRING),
    TYPE (3614, 3643, "tsvector", STRING),
    TYPE (3615, 3645, "tsquery", STRING),
    TYPE (3642, 3644, "gtsvector", STRING),
    TYPE (3734, 3735, "regconfig", STRING),
    TYPE (3769, 3770, "regdictionary", STRING),
    TYPE (3802, 3807, "jsonb", JSON),
    TYPE (3831, 0, "anyrange", STRING),
    TYPE (3838, 0, "event_trigger", STRING),
    TYPE (3904, 3905, "int4range", STRING),
    TYPE (3906, 3907, "numrange", STRING),
    TYPE (3908, 3909, "tsrange", STRING),
    TYPE (3910, 3911, "tstzrange", STRING),
    TYPE (3912, 3913, "daterange", STRING),
    TYPE (3926, 3927, "int8range", STRING),
    TYPE (4072, 4073, "jsonpath", STRING),
    TYPE (4089, 4090, "regnamespace", STRING),
    TYPE (4096, 4097, "regrole", STRING),
    TYPE (4191, 4192, "regcollation", STRING),
    TYPE (4451, 6150, "int4multirange", STRING),
    TYPE (4532, 6151, "nummultirange", STRING),
    TYPE (4533, 6152, "tsmultirange", STRING),
    TYPE (4534, 6153, "tstzmultirange", STRING),
    TYPE (4535, 6155, "datemultirange", STRING),
    TYPE (4536, 6157, "int8multirange", STRING),
    TYPE (4537, 0, "anymultirange", STRING),
    TYPE (4538, 0, "anycompatiblemultirange", STRING),
    TYPE (4600, 0, "pg_brin_bloom_summary", STRING),
    TYPE (4601, 0, "pg_brin_minmax_multi_summary", STRING),
    TYPE (5017, 0, "pg_mcv_list", STRING),
    TYPE (5038, 5039, "pg_snapshot", STRING),
    TYPE (5069, 271, "xid8", UINT64),
    TYPE (5077, 0, "anycompatible", STRING),
    TYPE (5078, 0, "anycompatiblearray", STRING),
    TYPE (5079, 0, "anycompatiblenonarray", STRING),
    TYPE (5080, 0, "anycompatiblerange", STRING),
};

#undef TYPE

struct Found {
  const BuiltIn *type = nullptr;
  bool array = false;
};

Found
find_built_in (guint32 oid)
{
  for (const BuiltIn &type : kBuiltIns) {
    if (type.oid == oid)
      return {&type, false};
    if (type.array_oid == oid && oid != 0)
      return {&type, true};
  }
  return {};
}

/* For each OID asked: its name, and the type its cells are written in (a
 * domain's base type, through domains over domains) with that type's kind
 * and category. Catalog names are qualified: the session's search_path is
 * the caller's. */
constexpr char kDescribeTypes[] =
    "WITH RECURSIVE chain (asked, at, depth) AS ("
    " SELECT t.oid, t.oid, 0 FROM pg_catalog.pg_type t WHERE t.oid = ANY ($1::pg_catalog.oid[])"
    " UNION ALL"
    " SELECT c.asked, t.typbasetype, c.depth + 1 FROM chain c JOIN pg_catalog.pg_type t ON t.oid = c.at"
    " WHERE t.typtype = 'd')"
    " SELECT DISTINCT ON (c.asked) c.asked, a.typname, b.oid, b.typtype, b.typcategory"
    " FROM chain c JOIN pg_catalog.pg_type a ON a.oid = c.asked JOIN pg_catalog.pg_type b ON b.oid = c.at"
    " ORDER BY c.asked, c.depth DESC";

constexpr char kSavepoint[] = "SAVEPOINT providers_type_lookup";
constexpr char kReleaseSavepoint[] = "RELEASE SAVEPOINT providers_type_lookup";
constexpr char kUndoSavepoint[] =
    "ROLLBACK TO SAVEPOINT providers_type_lookup; RELEASE SAVEPOINT providers_type_lookup";

bool
command_ok (PGconn *connection, const char *command)
{
  providers::postgresql::Result result (PQexec (connection, command));
  return PQresultStatus (result.get ()) == PGRES_COMMAND_OK;
}

/* The data type of a type not built in whose cells are written as
 * `cell_type`, of kind `kind` and category `category`. */
DataType
data_type_of_user_type (guint32 cell_type, char kind, char category)
{
  providers::postgresql::TypeDescription base;
  if (providers::postgresql::built_in_type (cell_type, base))
    return base.data_type;
  if (kind == 'e')
    return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM;
  if (category == 'A')
    return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ARRAY;
  /* Composites, ranges and an extension's types: the server's text. */
  return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
}

}  // namespace

namespace providers::postgresql {

bool
built_in_type (Oid oid, TypeDescription &description)
{
  Found found = find_built_in (oid);
  if (found.type == nullptr)
    return false;
  description.cell_type = oid;
  description.data_type = found.array ? TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ARRAY : found.type->data_type;
  description.name = found.array ? std::string ("_") + found.type->name : found.type->name;
  return true;
}

const TypeDescription *
TypeCatalog::find (Oid oid, TypeDescription &built_in) const
{
  if (built_in_type (oid, built_in))
    return &built_in;
  auto known = types_.find (oid);
  return known != types_.end () ? &known->second : nullptr;
}

void
TypeCatalog::look_up (PGconn *connection, const std::vector<Oid> &oids)
{
  std::vector<Oid> unknown;
  TypeDescription built_in;
  for (Oid oid : oids) {
    if (find (oid, built_in) == nullptr)
      unknown.push_back (oid);
  }
  if (unknown.empty ())
    return;
  std::sort (unknown.begin (), unknown.end ());
  unknown.erase (std::unique (unknown.begin (), unknown.end ()), unknown.end ());
  std::string array = "{";
  for (Oid oid : unknown)
    array += (array.size () > 1 ? "," : "") + std::to_string (oid);
  array += "}";
  const bool savepoint = PQtransactionStatus (connection) == PQTRANS_INTRANS;
  if (savepoint && !command_ok (connection, kSavepoint)) {
    g_debug ("PostgreSQL: no savepoint for the type lookup: %s", PQerrorMessage (connection));
    return;
  }
  const char *values[] = {array.c_str ()};
  Result result (PQexecParams (connection, kDescribeTypes, 1, nullptr, values, nullptr, nullptr, 0));
  const bool described = PQresultStatus (result.get ()) == PGRES_TUPLES_OK;
  if (described) {
    for (int row = 0; row < PQntuples (result.get ()); ++row) {
      auto oid = static_cast<Oid> (g_ascii_strtoull (PQgetvalue (result.get (), row, 0), nullptr, 10));
      auto cell_type = static_cast<Oid> (g_ascii_strtoull (PQgetvalue (result.get (), row, 2), nullptr, 10));
      TypeDescription &type = types_[oid];
      type.name = PQgetvalue (result.get (), row, 1);
      type.cell_type = cell_type;
      type.data_type =
          data_type_of_user_type (cell_type, PQgetvalue (result.get (), row, 3)[0], PQgetvalue (result.get (), row, 4)[0]);
    }
    /* A type dropped since its result was sent is text without a name,
     * and not asked for again. */
    for (Oid oid : unknown)
      types_.try_emplace (oid, TypeDescription{TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, oid, ""});
  } else {
    g_debug ("PostgreSQL: the types of a result could not be looked up: %s", PQerrorMessage (connection));
  }
  if (savepoint && !command_ok (connection, described ? kReleaseSavepoint : kUndoSavepoint))
    g_debug ("PostgreSQL: the type lookup's savepoint could not be ended: %s", PQerrorMessage (connection));
}

std::string
type_name (const TypeCatalog &catalog, Oid oid)
{
  TypeDescription built_in;
  const TypeDescription *type = catalog.find (oid, built_in);
  return type != nullptr ? type->name : std::string ();
}

}  // namespace providers::postgresql

extern "C" gchar *
torvanix_providers_supports_postgre_sql_type_name (guint32 oid)
{
  Found found = find_built_in (oid);
  if (found.type == nullptr)
    return g_strdup ("");
  return found.array ? g_strconcat ("_", found.type->name, nullptr) : g_strdup (found.type->name);
}

extern "C" TorvanixProvidersContractsDataType
torvanix_providers_supports_postgre_sql_type_data_type (guint32 oid)
{
  Found found = find_built_in (oid);
  if (found.array)
    return TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_ARRAY;
  return found.type != nullptr ? found.type->data_type : TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
}
