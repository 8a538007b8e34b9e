/* Dropping the last reference to a big table.
 *
 * Finalizing millions of GObjects costs microseconds each, which would
 * freeze the thread that dropped a big result for about as long as the
 * result took to build. So a table of many cells gives its rows to one
 * long-lived worker thread that releases them, and the caller's unref
 * returns after one quick pass over the rows.
 *
 * Nothing the application can still reach may be released on the worker:
 * - in the caller's pass, a row someone else also references (the
 *   application's own reference, a toggle reference of a language binding)
 *   is unreffed right there, on the caller's thread, and taken out of the
 *   batch: its last unref stays where the application makes it. So is a
 *   value of a row that ever handed one out or had one put in (the others
 *   cannot have been reached from outside, and are not looked at, which
 *   keeps the pass to about one row's header per row). Anything carrying
 *   qdata (weak references, toggle references, GWeakRef, data with destroy
 *   notifies) is finalized there synchronously, as before. What remains
 *   is referenced by the batch alone.
 * - on the worker, before each unref, an object with signal handlers
 *   (their destroy notifies are the application's code), of a class the
 *   library does not define (a subclass's finalizer is the application's
 *   code), or found referenced elsewhere after all, is sent back to the
 *   main context that was thread-default where the table was dropped, and
 *   released there.
 * Small tables are released synchronously, as any object. */
#include <gio/gio.h>
#include <malloc.h>

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "contracts/models/list-access.h"
#include "contracts/models/model-internal.h"

namespace providers::models {
namespace {

/* Below this many cells, a release costs less than a millisecond or so:
 * not worth a thread hop, and memory is back at once. */
constexpr guint64 kBackgroundCells = 10000;

struct ReleaseJob {
  gpointer *rows; /* one reference each; null slots were already released */
  guint count;
  GMainContext *owner; /* where to release what the worker must not */
};

bool
shared_or_tagged (gpointer object)
{
  GObject *o = G_OBJECT (object);
  return g_atomic_int_get (&o->ref_count) != 1 || g_atomic_pointer_get (&o->qdata) != nullptr;
}

/* A C caller may put anything into the list it gets from get_rows. */
bool
is_row (gpointer object)
{
  return object && G_TYPE_CHECK_INSTANCE_TYPE (object, TORVANIX_PROVIDERS_CONTRACTS_TYPE_ROW_MODEL);
}

/* Takes out of `items` every value someone else can still reach and
 * releases those references here, on the caller's thread. */
void
keep_shared_values_here (gpointer *items, guint count)
{
  for (guint i = 0; i < count; ++i) {
    gpointer value = items[i];
    if (value && shared_or_tagged (value)) {
      items[i] = nullptr;
      g_object_unref (value);
    }
  }
}

/* The worker's side ---------------------------------------------------------- */

class Worker {
 public:
  void run (GAsyncQueue *queue)
  {
    for (;;) {
      auto *job = static_cast<ReleaseJob *> (g_async_queue_pop (queue));
      release (job);
      /* Give the freed pages back once the worker has caught up. */
      if (g_async_queue_length (queue) <= 0) malloc_trim (0);
    }
  }

 private:
  struct TypeFacts {
    bool library_class;
    std::vector<guint> signals;
  };

  const TypeFacts &facts_of (GType type)
  {
    auto found = facts_.find (type);
    if (found != facts_.end ()) return found->second;
    TypeFacts facts;
    /* The library's own classes (and the lists it makes) finalize nothing
     * but their own data, so any thread may finalize them. */
    const char *name = g_type_name (type);
    facts.library_class = g_str_has_prefix (name, "TorvanixProviders") || type == GEE_TYPE_ARRAY_LIST;
    for (GType t = type; t != 0; t = g_type_parent (t)) {
      add_signals (facts.signals, t);
      guint n = 0;
      GType *interfaces = g_type_interfaces (t, &n);
      for (guint i = 0; i < n; ++i) add_signals (facts.signals, interfaces[i]);
      g_free (interfaces);
    }
    return facts_.emplace (type, std::move (facts)).first->second;
  }

  static void add_signals (std::vector<guint> &signals, GType type)
  {
    guint n = 0;
    guint *ids = g_signal_list_ids (type, &n);
    for (guint i = 0; i < n; ++i)
      if (std::find (signals.begin (), signals.end (), ids[i]) == signals.end ()) signals.push_back (ids[i]);
    g_free (ids);
  }

  /* Whether finalizing `object` could run the application's code. */
  bool belongs_to_owner (gpointer object)
  {
    const TypeFacts &facts = facts_of (G_OBJECT_TYPE (object));
    if (!facts.library_class) return true;
    for (guint id : facts.signals)
      if (g_signal_handler_find (object, G_SIGNAL_MATCH_ID, id, 0, nullptr, nullptr, nullptr) != 0) return true;
    return false;
  }

  void release (ReleaseJob *job)
  {
    GPtrArray *back = nullptr;
    auto send_back = [&back] (gpointer object) {
      if (back == nullptr) back = g_ptr_array_new ();
      g_ptr_array_add (back, object);
    };
    for (guint r = 0; r < job->count; ++r) {
      auto *row = static_cast<TorvanixProvidersContractsRowModel *> (job->rows[r]);
      if (row == nullptr) continue;
      RowCells cells = row_cells (row);
      if (belongs_to_owner (row) || (cells.list && belongs_to_owner (cells.list))) {
        send_back (row);
        continue;
      }
      for (guint i = 0; i < cells.count; ++i) {
        /* A value referenced elsewhere all the same is released where its
         * other holders live. */
        if (cells.items[i] && (shared_or_tagged (cells.items[i]) || belongs_to_owner (cells.items[i]))) {
          send_back (cells.items[i]);
          cells.items[i] = nullptr;
        }
      }
      g_object_unref (row);
    }
    g_free (job->rows);
    if (back) {
      GSource *source = g_idle_source_new ();
      g_source_set_callback (source, [] (gpointer) { return G_SOURCE_REMOVE; }, back,
                             [] (gpointer objects) { g_ptr_array_free (static_cast<GPtrArray *> (objects), TRUE); });
      g_ptr_array_set_free_func (back, g_object_unref);
      g_source_set_static_name (source, "providers table release");
      g_source_attach (source, job->owner);
      g_source_unref (source);
    }
    g_main_context_unref (job->owner);
    g_free (job);
  }

  std::unordered_map<GType, TypeFacts> facts_;
};

/* One worker for the process, started on first use and never stopped:
 * it waits on its queue between releases. Jobs are released in the order
 * they were queued. */
GAsyncQueue *
release_queue ()
{
  static GAsyncQueue *queue;
  if (g_once_init_enter (&queue)) {
    GAsyncQueue *made = g_async_queue_new ();
    GThread *thread = g_thread_new ("providers-release", [] (gpointer data) -> gpointer {
      Worker ().run (static_cast<GAsyncQueue *> (data));
      return nullptr;
    }, g_async_queue_ref (made));
    g_thread_unref (thread);
    g_once_init_leave (&queue, made);
  }
  return queue;
}

}  // namespace

bool
release_rows_in_background (GeeArrayList *rows)
{
  if (shared_or_tagged (rows)) return false;
  const guint n = list_size (rows);
  guint64 cells = 0;
  for (guint r = 0; r < n && cells < kBackgroundCells; ++r)
    if (is_row (rows->_items[r])) cells += row_cells (static_cast<TorvanixProvidersContractsRowModel *> (rows->_items[r])).count;
  if (cells < kBackgroundCells) return false;

  /* The list is ours alone: take its storage, leave it empty. */
  gpointer *items = rows->_items;
  rows->_items = nullptr;
  rows->_items_length1 = rows->__items_size_ = rows->_size = 0;

  for (guint r = 0; r < n; ++r) {
    gpointer row = items[r];
    if (row == nullptr) continue;
    if (!is_row (row)) {
      items[r] = nullptr;
      g_object_unref (row);
      continue;
    }
    RowCells cells = row_cells (static_cast<TorvanixProvidersContractsRowModel *> (row));
    /* A row someone else reaches, or whose list someone else holds, keeps
     * its values reachable: its own release happens here and is cheap (it
     * only drops a reference) unless it carries qdata. */
    if (shared_or_tagged (row) || (cells.list && shared_or_tagged (cells.list))) {
      items[r] = nullptr;
      g_object_unref (row);
      continue;
    }
    /* Values never handed out nor put in by a caller are the row's
     * alone: the worker need not have them looked at here. */
    if (cells.lent) keep_shared_values_here (cells.items, cells.count);
  }

  auto *job = g_new (ReleaseJob, 1);
  *job = { items, n, g_main_context_ref_thread_default () };
  g_async_queue_push (release_queue (), job);
  return true;
}

}  // namespace providers::models
