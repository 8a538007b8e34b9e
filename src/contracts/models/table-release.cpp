/* Dropping the last reference to a big table without freezing the thread
 * that drops it.
 *
 * Finalizing a value costs a few tenths of a microsecond, so a result of
 * millions of cells would hold the dropping thread (often a window's) for
 * most of a second. A table of many cells therefore gives its rows to the
 * library's release thread ("providers-unref") and its unref returns
 * after one pass over the rows. The hand-off is bounded: one table at a
 * time. A table dropped while the thread still has one is released where
 * it is dropped, as a small table always is.
 *
 * Only what the table alone holds and whose release runs none of the
 * application's code goes to the thread: a reference count of one, no
 * qdata (no weak reference, toggle reference, watched closure or data of
 * the application's), no signal handler, a class of the library's own.
 * The pass releases everything else on the dropping thread, before the
 * unref returns. It looks at a row's values only when a caller could have
 * reached them (the row lent a value, took one in, made its list, was
 * itself handed out, or the table's row list was): the values of the other
 * rows were never seen outside the library.
 *
 * The statements that build a new result finish the release in flight
 * first, on their own thread beside the release thread: the memory of the
 * last result is free before the next one is built, so two results never
 * add up in the process's peak, whichever allocator frees them.
 *
 * A thread lives as long as its table. The hand-off's state is never
 * destroyed; at exit a static guard closes the hand-off, finishes the
 * table in hand and joins its thread, so a table dropped later in the exit
 * is released where it is dropped. A child made by fork has none of its
 * parent's threads and never hands off. */
#include "contracts/models/table-release-internal.h"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <malloc.h>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include "contracts/models/list-access-internal.h"
#include "contracts/models/model-internal.h"

namespace providers::models {
namespace {

/* Below this many cells a release takes ten milliseconds at the most
 * (about 0.3 µs a cell): less than a frame, and not worth a thread. */
constexpr guint64 kHandOffCells = 32768;

/* How far ahead of the dropping thread's pass the rows' memory is asked
 * for: enough misses in flight to hide the memory's latency. */
constexpr guint kPrefetchRows = 16;

/* Rows a releasing thread takes from the table in flight at a time. */
constexpr guint kRowsPerClaim = 64;

using Row = TorvanixProvidersContractsRowModel;

bool
alone (gpointer object)
{
  GObject *o = G_OBJECT (object);
  return g_atomic_int_get (&o->ref_count) == 1 && g_atomic_pointer_get (&o->qdata) == nullptr;
}

/* Whether releasing an object could run the application's code, with
 * what that takes to know about each class looked up once per drop. */
class CallerCode {
 public:
  bool may_run (gpointer object)
  {
    if (!alone (object)) return true;
    const Facts &facts = facts_of (G_OBJECT_TYPE (object));
    if (!facts.library_class) return true;
    for (guint id : facts.signals)
      if (g_signal_handler_find (object, G_SIGNAL_MATCH_ID, id, 0, nullptr, nullptr, nullptr) != 0) return true;
    return false;
  }

 private:
  struct Facts {
    GType type;
    /* The library's classes and the lists it makes finalize nothing but
     * their own data; a subclass's finalizer is the application's. */
    bool library_class;
    std::vector<guint> signals;
  };

  const Facts &facts_of (GType type)
  {
    for (const Facts &known : facts_)
      if (known.type == type) return known;
    Facts facts{type, g_str_has_prefix (g_type_name (type), "TorvanixProviders") || type == GEE_TYPE_ARRAY_LIST, {}};
    for (GType t = type; t != 0; t = g_type_parent (t)) {
      add_signals (facts.signals, t);
      guint n = 0;
      GType *interfaces = g_type_interfaces (t, &n);
      for (guint i = 0; i < n; ++i) add_signals (facts.signals, interfaces[i]);
      g_free (interfaces);
    }
    facts_.push_back (std::move (facts));
    return facts_.back ();
  }

  static void add_signals (std::vector<guint> &signals, GType type)
  {
    guint n = 0;
    guint *ids = g_signal_list_ids (type, &n);
    for (guint i = 0; i < n; ++i)
      if (std::find (signals.begin (), signals.end (), ids[i]) == signals.end ()) signals.push_back (ids[i]);
    g_free (ids);
  }

  std::vector<Facts> facts_;
};

/* Whether a row of a dropped table may go to the release thread. Its
 * values that may not are released here and their slots emptied (a row
 * and libgee's list both skip empty slots when they go). */
bool
prepare_row (gpointer object, bool rows_lent, CallerCode &caller_code)
{
  if (G_OBJECT_TYPE (object) != TORVANIX_PROVIDERS_CONTRACTS_TYPE_ROW_MODEL || !alone (object)) return false;
  const RowCells cells = row_cells (static_cast<Row *> (object));
  if (!rows_lent && !cells.lent) return true;
  if (caller_code.may_run (object) || (cells.list && caller_code.may_run (cells.list))) return false;
  for (guint i = 0; i < cells.count; ++i) {
    gpointer value = cells.items[i];
    if (value && caller_code.may_run (value)) {
      cells.items[i] = nullptr;
      g_object_unref (value);
    }
  }
  return true;
}

void
release_here (gpointer *rows, guint count)
{
  for (guint r = 0; r < count; ++r)
    if (rows[r]) g_object_unref (rows[r]);
  g_free (rows);
}

/* The release thread and the one table it may hold. A thread is started
 * for each table handed off, ends with it and is joined before the next
 * result is built: only a thread that has ended gives back what the
 * allocators keep per thread (GLib's slice magazines, the C library's
 * cache, and the arena it took, which the next load's builders would
 * otherwise not get, spreading the results over one more arena). Threads
 * that finish the table in flight claim its rows a few at a time beside
 * it; the one that releases the last claim frees the array. */
class ReleaseThread {
 public:
  static ReleaseThread &instance ()
  {
    /* Never destroyed: droppers may still come during the exit. */
    static ReleaseThread *const made = new ReleaseThread;
    return *made;
  }

  /* Whether a table dropped now could be handed off. */
  bool free_to_take ()
  {
    if (!this_process ()) return false;
    std::lock_guard<std::mutex> guard (mutex_);
    return rows_ == nullptr && !closed_;
  }

  bool hand_off (gpointer *rows, guint count)
  {
    if (!this_process ()) return false;
    std::lock_guard<std::mutex> guard (mutex_);
    if (rows_ != nullptr || closed_) return false;
    /* Done with its table: it needs the lock no more, only to end. */
    if (thread_.joinable ()) thread_.join ();
    rows_ = rows;
    count_ = count;
    next_ = 0;
    if (!start ()) {
      rows_ = nullptr;
      count_ = 0;
      return false;
    }
    unjoined_.store (true, std::memory_order_release);
    return true;
  }

  /* A child of fork holds its parent's thread object but not the thread:
   * it never goes past the first test, and the object stays, never joined. */
  void finish_in_flight ()
  {
    if (!unjoined_.load (std::memory_order_acquire) || !this_process ()) return;
    std::thread ended;
    {
      std::unique_lock<std::mutex> lock (mutex_);
      release_claims (lock);
      done_.wait (lock, [this] { return rows_ == nullptr; });
      ended = std::move (thread_);
      unjoined_.store (false, std::memory_order_release);
    }
    if (ended.joinable ()) ended.join ();
  }

  /* At exit: no more hand-offs; the table in hand is finished, here and
   * on its thread, which is then joined. */
  void close ()
  {
    /* The parent's thread may have held the lock as the child was made. */
    if (!this_process ()) return;
    {
      std::lock_guard<std::mutex> guard (mutex_);
      closed_ = true;
    }
    finish_in_flight ();
  }

 private:
  ReleaseThread () : owner_ (getpid ()) {}

  /* A child of fork has the parent's memory but not its threads, and
   * perhaps a lock one of them held: it never touches the hand-off. */
  bool this_process () const { return owner_ == getpid (); }

  /* Starts the thread for the table just taken, with the lock held. It
   * blocks every signal, so that no handler of the application's runs on
   * it. */
  bool start ()
  {
    sigset_t all, previous;
    sigfillset (&all);
    pthread_sigmask (SIG_SETMASK, &all, &previous);
    bool started = true;
    try {
      thread_ = std::thread ([this] {
        {
          std::unique_lock<std::mutex> lock (mutex_);
          release_claims (lock);
        }
        /* The pages the table held, in the builders' arenas and this
         * thread's, go back to the system now rather than waiting in
         * arenas the next load may not use. */
        malloc_trim (0);
      });
      pthread_setname_np (thread_.native_handle (), "providers-unref");
    } catch (const std::system_error &) {
      started = false;
    }
    pthread_sigmask (SIG_SETMASK, &previous, nullptr);
    return started;
  }

  /* Releases claim after claim of the table in flight until none is
   * left; the lock is held on entry and on return. */
  void release_claims (std::unique_lock<std::mutex> &lock)
  {
    while (rows_ != nullptr && next_ < count_) {
      gpointer *rows = rows_;
      const guint begin = next_, end = std::min (count_, begin + kRowsPerClaim);
      next_ = end;
      ++releasing_;
      lock.unlock ();
      for (guint r = begin; r < end; ++r)
        if (rows[r]) g_object_unref (rows[r]);
      lock.lock ();
      if (--releasing_ == 0 && next_ == count_) {
        g_free (rows_);
        rows_ = nullptr;
        count_ = next_ = 0;
        done_.notify_all ();
      }
    }
  }

  std::mutex mutex_;
  std::condition_variable done_; /* the table in flight is gone */
  gpointer *rows_ = nullptr;     /* the table in flight: one reference per row, empty slots skipped */
  guint count_ = 0;
  guint next_ = 0;      /* the first row nobody has claimed */
  guint releasing_ = 0; /* threads releasing a claim right now */
  bool closed_ = false;
  std::atomic<bool> unjoined_{false}; /* a thread was started and not yet joined */
  const pid_t owner_; /* the process that made the hand-off */
  std::thread thread_;                /* the last one started */
};

/* Closes the hand-off at exit (or when the library is unloaded), before
 * the C++ runtime tears anything down that the thread could be using. */
struct CloseAtExit {
  ~CloseAtExit () { ReleaseThread::instance ().close (); }
} close_at_exit;

}  // namespace

void
release_rows (GeeArrayList *rows, guint columns, bool rows_lent)
{
  const guint count = list_size (rows);
  if (static_cast<guint64> (count) * std::max (columns, 1u) < kHandOffCells || !alone (rows)) return;
  ReleaseThread &thread = ReleaseThread::instance ();
  if (!thread.free_to_take ()) return;
  guint taken = 0;
  gpointer *items = list_steal_storage (rows, &taken);
  CallerCode caller_code;
  for (guint r = 0; r < taken; ++r) {
    if (r + kPrefetchRows < taken && items[r + kPrefetchRows]) row_prefetch (items[r + kPrefetchRows]);
    if (items[r] && !prepare_row (items[r], rows_lent, caller_code)) {
      g_object_unref (items[r]);
      items[r] = nullptr;
    }
  }
  if (!thread.hand_off (items, taken)) release_here (items, taken);
}

void
finish_release_in_flight ()
{
  ReleaseThread::instance ().finish_in_flight ();
}

}  // namespace providers::models
