/* A provider's lock: every operation on its connection holds it, so that
 * threads sharing one provider take turns. It is recursive, because an
 * operation may run another under it (a scalar read through a reader). */
#pragma once

#include <glib.h>

namespace providers::home {

/* A GRecMutex that lives as long as its owner, a provider's private data. */
class ProviderMutex {
 public:
  ProviderMutex () noexcept { g_rec_mutex_init (&mutex_); }
  ~ProviderMutex () { g_rec_mutex_clear (&mutex_); }
  ProviderMutex (const ProviderMutex &) = delete;
  ProviderMutex &operator= (const ProviderMutex &) = delete;
  GRecMutex *get () noexcept { return &mutex_; }

 private:
  GRecMutex mutex_;
};

/* Holds a provider's lock for one operation. */
class ProviderLock {
 public:
  explicit ProviderLock (ProviderMutex &mutex) noexcept : lock_ (mutex.get ()) { g_rec_mutex_lock (lock_); }
  ~ProviderLock () { g_rec_mutex_unlock (lock_); }
  ProviderLock (const ProviderLock &) = delete;
  ProviderLock &operator= (const ProviderLock &) = delete;

 private:
  GRecMutex *lock_;
};

/* An engine's lock of one operation, made from its provider: `priv_of`
 * answers the provider's private data, whose `lock` it holds. */
template <typename Provider, auto priv_of>
class ProviderLockOf : public ProviderLock {
 public:
  explicit ProviderLockOf (Provider *self) : ProviderLock (priv_of (self)->lock) {}
};

}  // namespace providers::home
