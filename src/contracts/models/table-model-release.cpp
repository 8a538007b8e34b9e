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

#include <pthread.h>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <unordered_map>
#include <vector>

#include "contracts/models/list-access.h"
#include "contracts/models/model-internal.h"

namespace providers::models {
namespace {

/* Below this many cells, a release costs less than a millisecond or so:
 * not worth a thread hop, and memory is back at once. */
constexpr guint64 kBackgroundCells = 10000;

/* What the worker hands back to the dropping thread, and how.
 *
 * The dropping thread attaches, when it gives the worker a job, a source
 * of its own to its thread-default context; the source waits (no polling)
 * until the worker has finished the job, put aside what must go back and
 * woken the context. Only the dropping thread makes and ends the source,
 * and the objects pass under a C++ lock: thread checkers, which cannot see
 * inside GLib, see every hand-over between the two threads. */
struct SentBack {
  std::mutex mutex;
  std::vector<gpointer> objects;
  bool ready = false;     /* the worker is done with the job */
  bool abandoned = false; /* the source ended before the worker was done */
};

struct BackSource {
  GSource source;
  std::shared_ptr<SentBack> back;
};

void
release_objects (std::vector<gpointer> &objects)
{
  for (gpointer object : objects) g_object_unref (object);
  objects.clear ();
}

gboolean
back_source_prepare (GSource *source, gint *timeout)
{
  *timeout = -1;
  SentBack &back = *reinterpret_cast<BackSource *> (source)->back;
  std::lock_guard<std::mutex> guard (back.mutex);
  return back.ready;
}

gboolean
back_source_check (GSource *source)
{
  gint timeout;
  return back_source_prepare (source, &timeout);
}

gboolean
back_source_dispatch (GSource *source, GSourceFunc, gpointer)
{
  SentBack &back = *reinterpret_cast<BackSource *> (source)->back;
  std::vector<gpointer> objects;
  {
    std::lock_guard<std::mutex> guard (back.mutex);
    objects.swap (back.objects);
  }
  release_objects (objects);
  return G_SOURCE_REMOVE;
}

/* Also when the context goes before the worker is done: the worker then
 * releases what it would have sent. */
void
back_source_finalize (GSource *source)
{
  auto *self = reinterpret_cast<BackSource *> (source);
  std::vector<gpointer> objects;
  {
    std::lock_guard<std::mutex> guard (self->back->mutex);
    objects.swap (self->back->objects);
    self->back->abandoned = true;
  }
  release_objects (objects);
  self->back.~shared_ptr ();
}

GSourceFuncs back_source_funcs = {back_source_prepare, back_source_check, back_source_dispatch,
                                  back_source_finalize, nullptr, nullptr};

struct ReleaseJob {
  gpointer *rows; /* one reference each; null slots were already released */
  guint count;
  GMainContext *owner; /* where to release what the worker must not */
  std::shared_ptr<SentBack> back;
};

/* A job for `rows`, with its source waiting on this thread's context. */
ReleaseJob *
new_job (gpointer *rows, guint count)
{
  auto back = std::make_shared<SentBack> ();
  GMainContext *owner = g_main_context_ref_thread_default ();
  GSource *source = g_source_new (&back_source_funcs, sizeof (BackSource));
  new (&reinterpret_cast<BackSource *> (source)->back) std::shared_ptr<SentBack> (back);
  g_source_set_static_name (source, "providers table release");
  g_source_attach (source, owner);
  g_source_unref (source);
  return new ReleaseJob{rows, count, owner, std::move (back)};
}

/* The worker is done with `job`: hands over what goes back, and wakes the
 * dropping thread's context to take it. */
void
finish_job (ReleaseJob *job, std::vector<gpointer> &back)
{
  bool abandoned;
  {
    std::lock_guard<std::mutex> guard (job->back->mutex);
    abandoned = job->back->abandoned;
    if (!abandoned) {
      job->back->objects.swap (back);
      job->back->ready = true;
    }
  }
  if (abandoned) release_objects (back);
  else g_main_context_wakeup (job->owner);
  g_main_context_unref (job->owner);
  delete job;
}

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

/* Jobs waiting for the worker. Plain C++ locking, so that thread checkers
 * see the hand-over of each job. */
class ReleaseQueue {
 public:
  void push (ReleaseJob *job)
  {
    {
      std::lock_guard<std::mutex> guard (mutex_);
      jobs_.push_back (job);
    }
    queued_.notify_one ();
  }

  ReleaseJob *pop ()
  {
    std::unique_lock<std::mutex> lock (mutex_);
    queued_.wait (lock, [this] { return !jobs_.empty (); });
    ReleaseJob *job = jobs_.front ();
    jobs_.pop_front ();
    return job;
  }

  bool empty ()
  {
    std::lock_guard<std::mutex> guard (mutex_);
    return jobs_.empty ();
  }

 private:
  std::mutex mutex_;
  std::condition_variable queued_;
  std::deque<ReleaseJob *> jobs_;
};

/* The worker's side ---------------------------------------------------------- */

class Worker {
 public:
  void run (ReleaseQueue &queue)
  {
    for (;;) {
      release (queue.pop ());
      /* Give the freed pages back once the worker has caught up. */
      if (queue.empty ()) malloc_trim (0);
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
    std::vector<gpointer> back;
    for (guint r = 0; r < job->count; ++r) {
      auto *row = static_cast<TorvanixProvidersContractsRowModel *> (job->rows[r]);
      if (row == nullptr) continue;
      RowCells cells = row_cells (row);
      if (belongs_to_owner (row) || (cells.list && belongs_to_owner (cells.list))) {
        back.push_back (row);
        continue;
      }
      for (guint i = 0; i < cells.count; ++i) {
        /* A value referenced elsewhere all the same is released where its
         * other holders live. */
        if (cells.items[i] && (shared_or_tagged (cells.items[i]) || belongs_to_owner (cells.items[i]))) {
          back.push_back (cells.items[i]);
          cells.items[i] = nullptr;
        }
      }
      g_object_unref (row);
    }
    g_free (job->rows);
    finish_job (job, back);
  }

  std::unordered_map<GType, TypeFacts> facts_;
};

/* One worker for the process, started on first use and never stopped:
 * it waits on its queue between releases. Jobs are released in the order
 * they were queued. Null when no thread could be started: tables are then
 * released where they are dropped. */
ReleaseQueue *
release_queue ()
{
  static ReleaseQueue *const queue = [] () -> ReleaseQueue * {
    auto *made = new ReleaseQueue;
    try {
      std::thread ([made] {
        pthread_setname_np (pthread_self (), "providers-release");
        Worker ().run (*made);
      }).detach ();
    } catch (const std::system_error &) {
      delete made;
      return nullptr;
    }
    return made;
  }();
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
  ReleaseQueue *queue = release_queue ();
  if (queue == nullptr) return false;

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

  queue->push (new_job (items, n));
  return true;
}

}  // namespace providers::models
