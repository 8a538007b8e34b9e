/* A statement's result as a provider answers it, as rows of printed cells,
 * for tests that compare it with what an engine's own client prints. */
#pragma once

#include <libproviders/providers.h>

#include <optional>
#include <string>
#include <vector>

namespace providers::testing {

/* One result as rows of cells; nullopt for SQL NULL. Binary values are
 * their bytes, spatial ones the bytes their hexadecimal digits spell, the
 * rest their to_string. */
struct ResultCells {
  bool failed = false;
  std::vector<TorvanixProvidersContractsDataType> types;
  std::vector<std::vector<std::optional<std::string>>> rows;
};

/* A cell as ResultCells holds it. */
std::optional<std::string> rendered (TorvanixProvidersContractsIValue *value);

/* A table's cells and its columns' types. */
ResultCells cells_of (TorvanixProvidersContractsTableModel *table);

/* The statement's result through execute_model, and through execute_reader
 * with get_values after each read (no column types then). */
ResultCells through_model (TorvanixProvidersContractsIProvider *provider, const std::string &statement);
ResultCells through_reader (TorvanixProvidersContractsIProvider *provider, const std::string &statement);

}  // namespace providers::testing
