/* One load of a whole result through one of Qt 5's SQL drivers, for the
 * load benchmarks to compare (built only for the benchmark, never linked
 * into the library).
 *
 *   result-load-qt ENGINE TARGET SQL    prints one sample line (load-common.h)
 *
 * ENGINE is MySQL (QMYSQL), PostgreSQL (QPSQL) or SQLite (QSQLITE); TARGET
 * the server.env of a private server, or SQLite's database file.
 *
 * The work is what a typical Qt user writes for a large result: a
 * QSqlQuery set forward-only (the driver's documented fast path, which
 * keeps no cache of its own), next() over every row and value(i) for
 * every column, each a QVariant typed by the driver; each row's variants
 * are dropped as the loop goes, as with execute_reader. The release is
 * the query's destruction, which frees the driver's result. */
#include "load-common.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include <memory>

namespace {

using load::die;

MEASURED QSqlQuery *measured_build_qt (QSqlDatabase &db, const std::string &sql, long &cells)
{
  auto query = std::make_unique<QSqlQuery> (db);
  query->setForwardOnly (true);
  if (!query->exec (QString::fromStdString (sql)))
    die ("qt exec", query->lastError ().text ().toUtf8 ().constData ());
  int columns = query->record ().count ();
  long types = 0;
  while (query->next ()) {
    for (int i = 0; i < columns; ++i) {
      QVariant value = query->value (i);
      types += value.userType () + value.isNull ();
      ++cells;
    }
  }
  if (query->lastError ().isValid ())
    die ("qt next", query->lastError ().text ().toUtf8 ().constData ());
  if (types == 0)
    die ("qt", "no cells");
  return query.release ();
}

MEASURED void measured_release_qt (QSqlQuery *query)
{
  delete query;
}

}  // namespace

int main (int argc, char **argv)
{
  if (argc != 4) {
    std::fprintf (stderr, "usage: %s ENGINE TARGET SQL\n", argv[0]);
    return 2;
  }
  std::string engine = argv[1], sql = argv[3];
  const char *driver = engine == "MySQL" ? "QMYSQL" : engine == "PostgreSQL" ? "QPSQL" : engine == "SQLite" ? "QSQLITE" : nullptr;
  if (driver == nullptr)
    die ("qt", "no driver for this engine");
  int qt_argc = 1;
  QCoreApplication app (qt_argc, argv);
  load::Sample x;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase (driver, "bench");
    if (engine == "SQLite") {
      db.setDatabaseName (argv[2]);
    } else {
      load::Server s = load::read_env (argv[2]);
      db.setHostName (QString::fromStdString (s.host));
      db.setPort (int (s.port));
      db.setUserName (QString::fromStdString (s.user));
      db.setPassword (QString::fromStdString (s.password));
      db.setDatabaseName (QString::fromStdString (s.database));
    }
    if (!db.open ())
      die ("qt connect", db.lastError ().text ().toUtf8 ().constData ());
    x = load::timed ([&] (long &cells) { return measured_build_qt (db, sql, cells); }, measured_release_qt);
    db.close ();
  }
  QSqlDatabase::removeDatabase ("bench");
  load::print_sample (stdout, x);
  return 0;
}
