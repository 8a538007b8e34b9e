/* What the models assume of libgee's GeeArrayList storage (the header
 * contracts/models/list-access-internal.h lists it), checked against the installed
 * libgee through its own API: a list whose storage was adopted, stolen or
 * appended to directly behaves, grows and frees as one libgee filled
 * itself, and every element is released exactly once. An update of
 * libgee that changes any of it fails here first. */
#include <gee.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/property-helpers.h"
#include "contracts/models/list-access-internal.h"
#include "support/gobject-test.h"

namespace {

using providers::models::list_adopt_storage;
using providers::models::list_append_adopted;
using providers::models::list_peek_at;
using providers::models::list_size;
using providers::models::list_steal_storage;
using providers::new_object_list;

/* Objects that count their finalizations. */
struct Tracked {
  std::vector<GObject *> objects;
  std::vector<int> finalized;

  explicit Tracked (int n) : finalized (static_cast<size_t> (n))
  {
    for (int i = 0; i < n; ++i) {
      GObject *object = G_OBJECT (g_object_new (G_TYPE_OBJECT, nullptr));
      g_object_weak_ref (object, [] (gpointer count, GObject *) { ++*static_cast<int *> (count); }, &finalized[i]);
      objects.push_back (object);
    }
  }

  /* A g_malloc'ed array of new references to objects [from, from + n). */
  gpointer *references (int from, int n)
  {
    auto *items = g_new (gpointer, n);
    for (int i = 0; i < n; ++i) items[i] = g_object_ref (objects[static_cast<size_t> (from + i)]);
    return items;
  }

  /* Drops the test's own references; each object then lives on only in
   * whatever list holds it. */
  void drop_own ()
  {
    for (GObject *object : objects) g_object_unref (object);
  }

  bool each_finalized_once () const
  {
    for (int count : finalized)
      if (count != 1) return false;
    return true;
  }
};

/* The list as libgee itself reports it, and as the models read it. */
void expect_holds (GeeArrayList *list, const std::vector<GObject *> &expected)
{
  ASSERT_EQ (gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (list)), static_cast<gint> (expected.size ()));
  ASSERT_EQ (list_size (list), expected.size ());
  GeeIterator *it = gee_abstract_collection_iterator (GEE_ABSTRACT_COLLECTION (list));
  for (size_t i = 0; i < expected.size (); ++i) {
    gpointer got = gee_abstract_list_get (GEE_ABSTRACT_LIST (list), static_cast<gint> (i));
    EXPECT_EQ (got, expected[i]) << i;
    g_object_unref (got);
    EXPECT_EQ (list_peek_at (list, static_cast<guint> (i)), expected[i]) << i;
    ASSERT_TRUE (gee_iterator_next (it));
    gpointer iterated = gee_iterator_get (it);
    EXPECT_EQ (iterated, expected[i]) << i;
    g_object_unref (iterated);
  }
  EXPECT_FALSE (gee_iterator_next (it));
  g_object_unref (it);
  EXPECT_EQ (list_peek_at (list, static_cast<guint> (expected.size ())), nullptr);
}

/* libgee's own operations on the list after the direct write: growth,
 * insertion, removal, search by identity. */
void use_through_libgee (GeeArrayList *list, Tracked &t, std::vector<GObject *> held)
{
  auto *collection = GEE_ABSTRACT_COLLECTION (list);
  auto *abstract_list = GEE_ABSTRACT_LIST (list);
  for (size_t i = 0; i < t.objects.size (); ++i) {
    gee_abstract_collection_add (collection, t.objects[i]);
    held.push_back (t.objects[i]);
  }
  gee_abstract_list_insert (abstract_list, 0, t.objects.back ());
  held.insert (held.begin (), t.objects.back ());
  g_object_unref (gee_abstract_list_remove_at (abstract_list, 1));
  held.erase (held.begin () + 1);
  expect_holds (list, held);
  /* Identity, first position: the element put in front. */
  EXPECT_EQ (gee_abstract_list_index_of (abstract_list, t.objects.back ()), 0);
}

TEST (ListStorage, AnAdoptedArrayIsTheListsOwnStorage)
{
  for (int n : {1, 3, 17}) {
    SCOPED_TRACE (n);
    Tracked t (n);
    GeeArrayList *list = new_object_list (G_TYPE_OBJECT);
    list_adopt_storage (list, t.references (0, n), static_cast<guint> (n));
    expect_holds (list, t.objects);
    use_through_libgee (list, t, t.objects);
    t.drop_own ();
    g_object_unref (list);
    EXPECT_TRUE (t.each_finalized_once ());
  }
}

TEST (ListStorage, AStolenStorageLeavesAnEmptyListThatStillWorks)
{
  Tracked t (5);
  GeeArrayList *list = new_object_list (G_TYPE_OBJECT);
  for (GObject *object : t.objects) gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (list), object);
  guint count = 0;
  gpointer *stolen = list_steal_storage (list, &count);
  ASSERT_EQ (count, 5u);
  for (guint i = 0; i < count; ++i) EXPECT_EQ (stolen[i], t.objects[i]);
  expect_holds (list, {});
  /* Empty without storage: libgee grows it again, and frees it. */
  use_through_libgee (list, t, {});
  g_object_unref (list);
  /* The stolen references are untouched by the list's end. */
  for (guint i = 0; i < count; ++i) EXPECT_EQ (G_OBJECT (stolen[i])->ref_count, 2u);
  for (guint i = 0; i < count; ++i) g_object_unref (stolen[i]);
  g_free (stolen);
  t.drop_own ();
  EXPECT_TRUE (t.each_finalized_once ());
}

TEST (ListStorage, AppendedElementsGrowTheListAsLibgeeWould)
{
  Tracked t (300);
  GeeArrayList *list = new_object_list (G_TYPE_OBJECT);
  /* Chunks that fit, that overflow once, and that more than double. */
  int from = 0;
  for (int chunk : {1, 2, 5, 40, 252}) {
    gpointer *items = t.references (from, chunk);
    list_append_adopted (list, items, static_cast<guint> (chunk));
    g_free (items);
    from += chunk;
  }
  expect_holds (list, t.objects);
  use_through_libgee (list, t, t.objects);
  gee_abstract_collection_clear (GEE_ABSTRACT_COLLECTION (list));
  expect_holds (list, {});
  t.drop_own ();
  EXPECT_TRUE (t.each_finalized_once ());
  g_object_unref (list);
}

/* The reads follow libgee's own edits, also past removals that leave
 * slots behind the end. */
TEST (ListStorage, ReadsFollowLibgeesOwnEdits)
{
  Tracked t (8);
  GeeArrayList *list = new_object_list (G_TYPE_OBJECT);
  auto *collection = GEE_ABSTRACT_COLLECTION (list);
  for (GObject *object : t.objects) gee_abstract_collection_add (collection, object);
  gee_abstract_collection_remove (collection, t.objects[2]);
  g_object_unref (gee_abstract_list_remove_at (GEE_ABSTRACT_LIST (list), 0));
  expect_holds (list, {t.objects[1], t.objects[3], t.objects[4], t.objects[5], t.objects[6], t.objects[7]});
  /* Slots past the end are null, or the list's end would drop them. */
  for (gint i = gee_abstract_collection_get_size (collection); i < list->_items_length1; ++i)
    EXPECT_EQ (list->_items[i], nullptr) << i;
  gee_abstract_collection_clear (collection);
  expect_holds (list, {});
  t.drop_own ();
  EXPECT_TRUE (t.each_finalized_once ());
  g_object_unref (list);
}

}  // namespace
