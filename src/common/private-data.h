/* A GObject's private data as one C++ class.
 *
 * GObject zero-fills instance memory and runs no C++ constructor. A type
 * defined with PROVIDERS_DEFINE_TYPE has the private data TypeName##Private,
 * a C++ class that the type's own instance init builds whole and its
 * finalize destroys whole, before the parent's finalize: no member is
 * built or torn down by hand, and the members are destroyed in the reverse
 * order of their declaration, so a member declared after another (a thread
 * after the result it walks) always goes first. What finalize must do goes
 * into the class's destructor; a constructor that throws (memory ran out)
 * aborts, as GLib does when an allocation fails. */
#pragma once

#include <glib-object.h>

#include <new>

namespace providers {

template <typename Private>
Private *
construct_private (gpointer memory) noexcept
{
  return ::new (memory) Private ();
}

template <typename Private>
void
destroy_private (Private *priv) noexcept
{
  priv->~Private ();
}

}  // namespace providers

/* Defines TypeName's get_type, registered as a kind of `parent_type` with
 * TypeName##Private for its private data, as G_DEFINE_TYPE_WITH_CODE does,
 * and the static `type_name##_get_instance_private`. The file writes
 * `type_name##_class_init` (which leaves finalize alone: the macro's own
 * destroys the private data and chains up) and no instance init: the
 * private data's constructor is the instance's init. The trailing code
 * runs as G_DEFINE_TYPE_WITH_CODE's does, with `g_define_type_id` set
 * (G_IMPLEMENT_INTERFACE). */
#define PROVIDERS_DEFINE_TYPE_WITH_CODE(TypeName, type_name, parent_type, ...)                                      \
  static void type_name##_class_init (TypeName##Class *klass);                                                     \
  static gpointer type_name##_parent_class = nullptr;                                                              \
  static gint TypeName##_private_offset = 0;                                                                       \
  G_GNUC_UNUSED static inline TypeName##Private *type_name##_get_instance_private (TypeName *self)                 \
  {                                                                                                                \
    return static_cast<TypeName##Private *> (G_STRUCT_MEMBER_P (self, TypeName##_private_offset));                 \
  }                                                                                                                \
  static void type_name##_finalize_private (GObject *object)                                                       \
  {                                                                                                                \
    ::providers::destroy_private (type_name##_get_instance_private (reinterpret_cast<TypeName *> (object)));       \
    G_OBJECT_CLASS (type_name##_parent_class)->finalize (object);                                                  \
  }                                                                                                                \
  static void type_name##_class_intern_init (gpointer klass, gpointer)                                             \
  {                                                                                                                \
    type_name##_parent_class = g_type_class_peek_parent (klass);                                                   \
    g_type_class_adjust_private_offset (klass, &TypeName##_private_offset);                                        \
    type_name##_class_init (static_cast<TypeName##Class *> (klass));                                               \
    G_OBJECT_CLASS (klass)->finalize = type_name##_finalize_private;                                               \
  }                                                                                                                \
  static void type_name##_instance_init (GTypeInstance *instance, gpointer)                                        \
  {                                                                                                                \
    ::providers::construct_private<TypeName##Private> (                                                            \
        type_name##_get_instance_private (reinterpret_cast<TypeName *> (instance)));                               \
  }                                                                                                                \
  GType type_name##_get_type (void)                                                                                \
  {                                                                                                                \
    static gsize type_id = 0;                                                                                      \
    if (g_once_init_enter (&type_id)) {                                                                            \
      GType g_define_type_id = g_type_register_static_simple (                                                     \
          parent_type, g_intern_static_string (#TypeName), sizeof (TypeName##Class), type_name##_class_intern_init, \
          sizeof (TypeName), type_name##_instance_init, static_cast<GTypeFlags> (0));                              \
      TypeName##_private_offset = g_type_add_instance_private (g_define_type_id, sizeof (TypeName##Private));      \
      {__VA_ARGS__}                                                                                                \
      g_once_init_leave (&type_id, g_define_type_id);                                                              \
    }                                                                                                              \
    return type_id;                                                                                                \
  }

#define PROVIDERS_DEFINE_TYPE(TypeName, type_name, parent_type) \
  PROVIDERS_DEFINE_TYPE_WITH_CODE (TypeName, type_name, parent_type, )
