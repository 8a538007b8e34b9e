/* What the provider knows of a result column's type: the built-in types
 * from the table of postgre-sql-type.cpp, the others (enumerations,
 * composites, domains, ranges, an extension's types, their arrays) from
 * the session's catalog, each looked up once per session. */
#pragma once

#include <libpq-fe.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "libproviders/values/data-type.h"

namespace providers::postgresql {

struct TypeDescription {
  TorvanixProvidersContractsDataType data_type = TORVANIX_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
  /* The type whose notation the cells are written in: a domain's base
   * type (through every domain over a domain), else the type itself. */
  Oid cell_type = 0;
  /* The server's name of the type (pg_type.typname); "" for an OID the
   * catalog did not know. */
  std::string name;
};

/* The description of a built-in type; false for any other OID. */
bool built_in_type (Oid oid, TypeDescription &description);

/* The types not built in that the session's results have shown, as its
 * catalog described them. Touched under the provider's lock only. */
class TypeCatalog {
 public:
  /* The description of `oid`, built-in or looked up; null for a type not
   * built in that was not looked up yet. */
  const TypeDescription *find (Oid oid, TypeDescription &built_in) const;

  /* Looks the types of `oids` not known yet up in the catalog, in one
   * query on `connection`, which must have no result in progress. Inside a
   * transaction the query runs in a savepoint of its own, so that its
   * failure cannot abort the caller's transaction. A failure is logged
   * and leaves the types unknown: their cells keep the server's text. */
  void look_up (PGconn *connection, const std::vector<Oid> &oids);

  /* Forgets every type: another session may see other types. */
  void clear () { types_.clear (); }

 private:
  std::unordered_map<Oid, TypeDescription> types_;
};

/* The server's name of `oid`: the built-in's, else the one `catalog`
 * looked up; "" for a type not looked up yet. */
std::string type_name (const TypeCatalog &catalog, Oid oid);

}  // namespace providers::postgresql
