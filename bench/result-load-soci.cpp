/* One load of a whole result through SOCI 4's sqlite3 backend, for the load
 * benchmarks to compare (built only for the benchmark, never linked into
 * the library).
 *
 *   result-load-soci SQLite FILE SQL    prints one sample line (load-common.h)
 *
 * The work is what a typical SOCI user writes for a result of columns known
 * only at run time: a rowset<row> over the statement, and for every row
 * each column read as the C++ type the backend describes it with (a
 * string, a double, an integer, a std::tm), each row dropped as the loop
 * goes. The release is the rowset's destruction, which finalizes the
 * statement. */
#include "load-common.h"

#include <soci/soci.h>
#include <soci/sqlite3/soci-sqlite3.h>

#include <ctime>
#include <exception>
#include <memory>
#include <string>

namespace {

using load::die;

MEASURED soci::rowset<soci::row> *measured_build_soci (soci::session &session, const std::string &sql, long &cells)
{
  auto rows = std::make_unique<soci::rowset<soci::row>> (session.prepare << sql);
  unsigned long touched = 0;
  for (const soci::row &row : *rows)
    for (std::size_t i = 0; i < row.size (); ++i, ++cells) {
      if (row.get_indicator (i) == soci::i_null)
        continue;
      switch (row.get_properties (i).get_data_type ()) {
      case soci::dt_string:
      case soci::dt_blob:
      case soci::dt_xml:
        touched += row.get<std::string> (i).size ();
        break;
      case soci::dt_double:
        touched += row.get<double> (i) != 0;
        break;
      case soci::dt_integer:
        touched += row.get<int> (i) != 0;
        break;
      case soci::dt_long_long:
        touched += row.get<long long> (i) != 0;
        break;
      case soci::dt_unsigned_long_long:
        touched += row.get<unsigned long long> (i) != 0;
        break;
      case soci::dt_date:
        touched += unsigned (row.get<std::tm> (i).tm_mday);
        break;
      }
    }
  if (touched == 0)
    die ("soci", "no cells");
  return rows.release ();
}

MEASURED void measured_release_soci (soci::rowset<soci::row> *rows)
{
  delete rows;
}

}  // namespace

int main (int argc, char **argv)
{
  if (argc != 4 || std::string (argv[1]) != "SQLite") {
    std::fprintf (stderr, "usage: %s SQLite FILE SQL\n", argv[0]);
    return 2;
  }
  std::string sql = argv[3];
  try {
    soci::session session (soci::sqlite3, std::string ("db=") + argv[2]);
    load::Sample x = load::timed ([&] (long &cells) { return measured_build_soci (session, sql, cells); },
                                  measured_release_soci);
    load::print_sample (stdout, x);
  } catch (const std::exception &e) {
    die ("soci", e.what ());
  }
  return 0;
}
